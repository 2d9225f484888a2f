// VARNOK_3: H-section secondary beams by allowable-stress design, and column D-values.
#include "batch_command.h"
#include "program.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The calc book's command line runs it; a lone beam list (one dropped on
    // the program) opens in its list window.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
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
    // On Windows the path comes from the wide command line, whatever the code page.
    else if (!program.startWithList(QCoreApplication::arguments().value(1)))
        return 2;
    return QApplication::exec();
}
