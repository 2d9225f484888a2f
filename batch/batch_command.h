#pragma once
// The program's command line for beam lists:
//   varnok3 --batch LIST.csv [--out DIR] [--face gothic|mincho] [--encoding ...]
//   varnok3 LIST.csv            (a list dropped on the program: the list window)
//   varnok3 --help

#include "batch_job.h"

#include <QString>
#include <QStringList>

namespace varnok::batch {

struct CommandLine {
    enum class Mode { Run, Window, Help, Error };
    Mode mode = Mode::Error;
    JobOptions options;
    QString error; // Japanese, for Mode::Error
};

/// The program's arguments without its name: on Windows from the wide command
/// line (a path or a project name in any script, never through the code page),
/// elsewhere from `argv` in the locale's encoding.
QStringList ProgramArguments(int argc, char** argv);

/// Whether these arguments (without the program name) are the batch's rather
/// than the windows': --batch, --help, or one lone ".csv" file.
bool IsBatchCommandLine(const QStringList& arguments);
CommandLine ParseCommandLine(const QStringList& arguments);

/// What --help prints, in Japanese and English.
QString HelpText();

/// One bad row as a terminal line: "LIST:line:column: 見出し: reason".
QString ProblemLine(const QString& list, const RowProblem& problem);
/// A failing beam as a line: "LIST:line: member ＮＧ（曲げ 2.058/1.0 ＮＧ、…）".
QString FailureLine(const QString& list, const TableRow& row);
/// The closing summary: counts and the output folder.
QString SummaryText(const JobSummary& summary);

/// Runs the program for a batch command line; returns the exit status.
int RunBatchProgram(int argc, char** argv);

} // namespace varnok::batch
