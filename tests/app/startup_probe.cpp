// Starts the program as main() does and quits as soon as the launcher has been
// shown: one side of the start-up benchmark. With --mapped-files it prints the
// files the process has mapped at that moment (libraries, fonts), one a line,
// for the test of what start-up loads.
#include "program.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>

namespace {

void PrintMappedFiles() {
    std::ifstream maps("/proc/self/maps");
    std::set<std::string> files;
    for (std::string line; std::getline(maps, line);)
        if (const auto slash = line.find('/'); slash != std::string::npos)
            files.insert(line.substr(slash));
    for (const std::string& file : files)
        std::printf("%s\n", file.c_str());
}

} // namespace

int main(int argc, char** argv) {
    const bool printMapped = argc > 1 && std::string(argv[1]) == "--mapped-files";
    QApplication application(argc, argv);
    varnok::app::ConfigureApplication();
    varnok::app::Program program;
    program.start();
    QTimer::singleShot(0, &application, [&] {
        if (printMapped)
            PrintMappedFiles();
        QApplication::quit();
    });
    return QApplication::exec();
}
