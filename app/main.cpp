// VARNOK_3: H-section secondary beams by allowable-stress design, and column D-values.
#include "batch_command.h"
#include "program.h"

#include <QApplication>

int main(int argc, char** argv) {
    // A beam list on the command line (or dropped on the program) runs the calc book.
    if (varnok::batch::IsBatchCommandLine(varnok::batch::ProgramArguments(argc, argv)))
        return varnok::batch::RunBatchProgram(argc, argv);

    QApplication application(argc, argv);
    varnok::app::ConfigureApplication();
    varnok::app::Program program;
    QObject::connect(&program, &varnok::app::Program::finished, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    return QApplication::exec();
}
