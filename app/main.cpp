// VARNOK_3: H-section secondary beams by allowable-stress design, and column D-values.
#include "program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    varnok::app::ConfigureApplication();
    varnok::app::Program program;
    QObject::connect(&program, &varnok::app::Program::finished, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    return QApplication::exec();
}
