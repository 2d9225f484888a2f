// Starts the program as main() does and quits as soon as the launcher has been
// shown: one side of the start-up benchmark.
#include "program.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    varnok::app::ConfigureApplication();
    varnok::app::Program program;
    program.start();
    QTimer::singleShot(0, &application, &QApplication::quit);
    return QApplication::exec();
}
