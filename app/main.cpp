// VARNOK_3: H-section secondary beams by allowable-stress design, and column D-values.
#include "batch_command.h"
#include "program.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The calc book's command line runs it; a lone beam list (one dropped on
    // the program) opens in its list window.
    const QStringList arguments = varnok::batch::ProgramArguments(argc, argv);
    using varnok::batch::CommandLine;
    const bool list = varnok::batch::ParseCommandLine(arguments).mode == CommandLine::Mode::Window;
    if (!list && varnok::batch::IsBatchCommandLine(arguments))
        return varnok::batch::RunBatchProgram(argc, argv);

    QApplication application(argc, argv);
    varnok::app::ConfigureApplication();
    varnok::app::Program program;
    QObject::connect(&program, &varnok::app::Program::finished, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    if (!list)
        program.start();
    else if (!program.startWithList(arguments.front()))
        return 2;
    return QApplication::exec();
}
