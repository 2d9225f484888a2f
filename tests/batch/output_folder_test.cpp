// The output folder: only files this list's last run wrote, unchanged since,
// are replaced or taken away; the folder is all old or all new after a failed
// move, a kill at any moment (once the next run has set it right), and a
// record that is no record is never read.
#include "batch_job.h"
#include "folder_record.h"
#include "output_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <iostream>
#include <map>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnok::batch {
namespace {

using Snapshot = std::map<QString, QByteArray>;

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

/// Every file of the folder with its bytes, the records and hidden folders
/// included (only the lock of a run is left out).
Snapshot Take(const QString& folder) {
    Snapshot files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileName() == u".varnok3-lock")
            continue;
        files[it.fileName()] = QFileInfo(path).isDir() ? QByteArray("<folder>") : ReadFile(path);
    }
    return files;
}

/// The files of a run without its record (whose time stamps differ per run).
Snapshot Contents(const QString& folder, const QString& list) {
    Snapshot files = Take(folder);
    files.erase(RecordFileName(list));
    return files;
}

constexpr std::string_view kHeader = "部材名,荷重形式,スパン,w単位荷重,w負担幅,P追加荷重\n";

class OutputFolderTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString list = dir.filePath("floor.csv");
    QString out = dir.filePath("out");

    void writeList(const QString& path, const std::string& rows) {
        WriteFile(path, QByteArray::fromStdString(std::string(kHeader) + rows));
    }
    JobSummary run(const QString& which, bool book = false) {
        JobOptions options;
        options.list = which;
        options.outputFolder = out;
        options.book = book;
        return RunJob(options);
    }
    QString at(const QString& name) const { return QDir(out).filePath(name); }
};

TEST_F(OutputFolderTest, FilesThatAreNotThisListsOwnStopTheRunBeforeAnythingChanges) {
    writeList(list, "B1,１点集中荷重,4,1,1,2\nB2,１点集中荷重,5,1,1,2\n");
    // The user's own file at a report's name.
    ASSERT_TRUE(QDir().mkpath(out));
    WriteFile(at("B2.TXT"), "mine");
    JobSummary s = run(list);
    EXPECT_EQ(s.exitStatus(), 3);
    ASSERT_FALSE(s.outcome);
    EXPECT_TRUE(s.outcome.reason().contains(QStringLiteral("「B2.TXT」")))
        << s.outcome.reason().toStdString();
    EXPECT_TRUE(
        s.outcome.reason().contains(QStringLiteral("移動するか、別の出力先を選んで下さい")));
    EXPECT_EQ(Take(out), (Snapshot{{"B2.TXT", "mine"}}));

    // After a run of its own, a report edited by hand is not replaced either.
    QFile::remove(at("B2.TXT"));
    ASSERT_TRUE(run(list).wrote);
    const Snapshot first = Take(out);
    WriteFile(at("B1.TXT"), "edited");
    s = run(list);
    EXPECT_EQ(s.exitStatus(), 3);
    EXPECT_TRUE(s.outcome.reason().contains(QStringLiteral("「B1.TXT」")));
    Snapshot expected = first;
    expected["B1.TXT"] = "edited";
    EXPECT_EQ(Take(out), expected);

    // A report of a beam gone from the list is taken away only while unchanged.
    QFile::remove(at("B1.TXT"));
    ASSERT_TRUE(run(list).wrote); // B1.TXT was missing: written anew
    WriteFile(at("B2.TXT"), "edited");
    writeList(list, "B1,１点集中荷重,4,1,1,2\n");
    s = run(list);
    ASSERT_TRUE(s.wrote) << s.outcome.reason().toStdString();
    EXPECT_EQ(ReadFile(at("B2.TXT")), "edited");
    EXPECT_TRUE(s.notes.join(u'\n').contains(QStringLiteral("「B2.TXT」は削除せずに残しました")));
}

TEST_F(OutputFolderTest, BooksOfSeveralListsShareAFolder) {
    const QString other = dir.filePath("roof.csv");
    writeList(list, "B1,１点集中荷重,4,1,1,2\n");
    writeList(other, "R1,１点集中荷重,4,1,1,2\n");
    ASSERT_TRUE(run(list).wrote);
    ASSERT_TRUE(run(other).wrote);
    ASSERT_TRUE(run(list).wrote);
    for (const char* name : {"B1.TXT", "R1.TXT", "floor_結果一覧.csv", "roof_結果一覧.csv"})
        EXPECT_TRUE(QFileInfo::exists(at(name))) << name;

    // The same member in both lists: the second run may not take the first's report.
    writeList(other, "R1,１点集中荷重,4,1,1,2\nB1,１点集中荷重,5,1,1,2\n");
    const Snapshot before = Take(out);
    const JobSummary s = run(other);
    EXPECT_EQ(s.exitStatus(), 3);
    EXPECT_TRUE(s.outcome.reason().contains(QStringLiteral("「B1.TXT」")));
    EXPECT_EQ(Take(out), before);
}

TEST_F(OutputFolderTest, ARecordIsReadOnlyAsAPlainFileAndNamesNothingOutsideItsOwn) {
    writeList(list, "B1,１点集中荷重,4,1,1,2\n");
    ASSERT_TRUE(run(list).wrote);
    const QString record = at(RecordFileName(list));

    // A record edited to name a file of the user's does not take it away.
    WriteFile(at("userfile.docx"), "precious");
    QByteArray tampered = ReadFile(record);
    tampered += "8 0 " + QByteArray(64, 'a') + " userfile.docx\n";
    tampered += "8 0 " + QByteArray(64, 'a') + " ..%2Fescape\n";
    WriteFile(record, tampered);
    writeList(list, "B2,１点集中荷重,4,1,1,2\n");
    JobSummary s = run(list);
    EXPECT_EQ(s.exitStatus(), 3) << "a record naming a path is no record";
    EXPECT_EQ(ReadFile(at("userfile.docx")), "precious");
    tampered.chop(QByteArray("8 0 " + QByteArray(64, 'a') + " ..%2Fescape\n").size());
    WriteFile(record, tampered);
    ASSERT_FALSE(ReadRecord(record)->entries().isEmpty());
    s = run(list);
    ASSERT_TRUE(s.wrote);
    EXPECT_EQ(ReadFile(at("userfile.docx")), "precious");
    EXPECT_FALSE(QFileInfo::exists(at("B1.TXT")));

#ifndef _WIN32
    // A pipe or a link to an endless device at the record's name: never read.
    QFile::remove(record);
    ASSERT_EQ(mkfifo(QFile::encodeName(record).constData(), 0600), 0);
    EXPECT_FALSE(ReadRecord(record));
    s = run(list);
    EXPECT_EQ(s.exitStatus(), 3);
    EXPECT_TRUE(s.outcome.reason().contains(RecordFileName(list)));
    QFile::remove(record);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), record));
    EXPECT_FALSE(ReadRecord(record));
    EXPECT_EQ(run(list).exitStatus(), 3);
#endif
}

// Names are compared as the file system compares them: on Windows and macOS
// "b1.TXT" and "B1.TXT" are one file, which a run must not take away after
// writing it.
TEST(FolderRecordTest, StaleNamesFollowTheFileSystemsLetterCase) {
    FileIdentity id;
    id.sha256 = QByteArray(32, 'x');
    FolderRecord insensitive;
    insensitive.setNameCase(NameCase::Insensitive);
    insensitive.add("b1.TXT", id);
    insensitive.add("Floor_結果一覧.csv", id);
    insensitive.add("B9.TXT", id);
    EXPECT_EQ(StaleNames(insensitive, {"B1.TXT", "floor_結果一覧.csv"}, NameCase::Insensitive),
              QStringList{"B9.TXT"});
    EXPECT_EQ(StaleNames(insensitive, {"B1.TXT", "floor_結果一覧.csv"}, NameCase::Sensitive),
              (QStringList{"B9.TXT", "Floor_結果一覧.csv", "b1.TXT"}));
    EXPECT_NE(insensitive.find("B1.txt"), nullptr);

    // The record reads back as written, names of any kind included.
    insensitive.add("a b%c\n.TXT", id);
    const std::optional<FolderRecord> back =
        FolderRecord::Parse(insensitive.serialised(), NameCase::Insensitive);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->entries().size(), 4u);
    ASSERT_NE(back->find("A B%C\n.txt"), nullptr);
    EXPECT_EQ(back->find("a b%c\n.TXT")->identity, id);
}

// A move that fails in the middle of the commit (a file that cannot be
// replaced): every file already moved goes back, the old set stays whole.
TEST_F(OutputFolderTest, AMoveThatFailsMidCommitPutsEverythingBack) {
    auto stageAll = [&](OutputStage& stage, const QByteArray& version) {
        for (const char* name : {"a.TXT", "b.TXT", "c.TXT", "d.TXT"})
            ASSERT_TRUE(stage.add(name, version + name));
    };
    {
        OutputStage stage(out, ".varnok3-files-x");
        stageAll(stage, "old ");
        ASSERT_TRUE(stage.commit());
    }
    const Snapshot old = Take(out);
    for (int failAt : {0, 1, 4, 9}) {
        SCOPED_TRACE(failAt);
        OutputStage stage(out, ".varnok3-files-x");
        stageAll(stage, "new ");
        int moves = 0;
        stage.setMoveForTesting([&](const std::filesystem::path& from,
                                    const std::filesystem::path& to, std::error_code& failed) {
            if (moves++ == failAt)
                failed = std::make_error_code(std::errc::permission_denied);
            else
                std::filesystem::rename(from, to, failed);
        });
        EXPECT_FALSE(stage.commit());
        EXPECT_FALSE(stage.mixed());
        EXPECT_TRUE(stage.outcome().reason().contains(QStringLiteral("出力先は前回のままです")))
            << stage.outcome().reason().toStdString();
        EXPECT_EQ(Take(out).size(), old.size() + 1) << "the staging folder, until the stage goes";
    }
    EXPECT_EQ(Take(out), old);
}

TEST_F(OutputFolderTest, OnlyThisProgramsStagingFoldersAreTakenAway) {
    ASSERT_TRUE(QDir().mkpath(at(".varnok3-abcdef/new")));
    WriteFile(at(".varnok3-abcdef/.stage"), "");
    WriteFile(at(".varnok3-abcdef/new/B1.TXT"), "half");
    ASSERT_TRUE(QDir().mkpath(at(".varnok3-mine/new")));
    WriteFile(at(".varnok3-mine/notes.txt"), "the user's");
    QStringList notes;
    RecoverOutputFolder(out, notes);
    EXPECT_FALSE(QFileInfo::exists(at(".varnok3-abcdef")));
    EXPECT_EQ(ReadFile(at(".varnok3-mine/notes.txt")), "the user's");
}

#ifdef _WIN32
// A viewer holds last run's PDF open without sharing its deletion, as PDF
// viewers and spreadsheets do: the run stops before anything changes and says
// which file to close; once it is closed the run goes through.
TEST_F(OutputFolderTest, AFileHeldOpenByAViewerStopsTheRunBeforeAnythingChanges) {
    writeList(list, "B1,１点集中荷重,4,1,1,2\n");
    ASSERT_TRUE(run(list, /*book=*/true).wrote);
    const Snapshot old = Take(out);
    const std::wstring pdf = at(BookFileName(list)).toStdWString();
    const HANDLE viewer = CreateFileW(pdf.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(viewer, INVALID_HANDLE_VALUE);
    writeList(list, "B1,１点集中荷重,5,1,1,2\n");
    const JobSummary s = run(list, /*book=*/true);
    EXPECT_EQ(s.exitStatus(), 3);
    ASSERT_FALSE(s.outcome);
    EXPECT_TRUE(s.outcome.reason().contains(QStringLiteral("「%1」").arg(BookFileName(list))))
        << s.outcome.reason().toStdString();
    EXPECT_TRUE(s.outcome.reason().contains(QStringLiteral("閉じてから")));
    EXPECT_EQ(Take(out), old);
    CloseHandle(viewer);
    EXPECT_TRUE(run(list, /*book=*/true).wrote);
    EXPECT_NE(Take(out), old);
}
#else
// The program killed at random moments of a large run, the commit included:
// once the next run has set the folder right, it holds the whole old set or
// the whole new set, and no staging folder.
TEST_F(OutputFolderTest, AKillAtAnyMomentLeavesTheOldSetOrTheNewOne) {
    auto rows = [](int count, int span) {
        std::string text;
        for (int i = 1; i <= count; ++i)
            text += "B" + std::to_string(i) + ",１点集中荷重," + std::to_string(span) + ",1,1,2\n";
        return text;
    };
    constexpr int kBeams = 600;
    auto start = [&](QProcess& child) {
        child.start(QStringLiteral(VARNOK3_PROGRAM), {"--batch", list, "--out", out, "--no-pdf"});
        return child.waitForStarted();
    };
    // The new set, as an undisturbed run of the program writes it.
    writeList(list, rows(kBeams, 5));
    QElapsedTimer clock;
    clock.start();
    {
        QProcess child;
        ASSERT_TRUE(start(child));
        ASSERT_TRUE(child.waitForFinished(60000));
        ASSERT_EQ(child.exitCode(), 0);
    }
    const qint64 duration = std::max<qint64>(clock.elapsed(), 50);
    const Snapshot fresh = Contents(out, list);
    // The old set: fewer beams, other spans.
    writeList(list, rows(kBeams - 100, 4));
    ASSERT_TRUE(run(list).wrote);
    const Snapshot old = Contents(out, list);

    int sawOld = 0, sawNew = 0, undone = 0;
    auto* random = QRandomGenerator::global();
    for (int trial = 0; trial < 6; ++trial) {
        writeList(list, rows(kBeams, 5));
        QProcess child;
        ASSERT_TRUE(start(child));
        // A third of the kills anywhere in the run, the others during the
        // commit: once its journal is there, a moment later.
        qint64 wait = random->bounded(duration);
        if (trial % 3 != 0) {
            clock.restart();
            while (clock.elapsed() < 30000 && child.state() == QProcess::Running &&
                   QDir(out).entryList({"journal"}, QDir::Files | QDir::Hidden).isEmpty()) {
                bool journal = false;
                for (const QString& d :
                     QDir(out).entryList({".varnok3-??????"}, QDir::Dirs | QDir::Hidden))
                    journal = journal || QFileInfo::exists(QDir(out).filePath(d + "/journal"));
                if (journal)
                    break;
                QThread::usleep(500);
            }
            wait = random->bounded(40);
        }
        QThread::msleep(static_cast<unsigned long>(wait));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        child.waitForFinished(30000);

        QStringList notes;
        RecoverOutputFolder(out, notes);
        undone += notes.join(u'\n').contains(QStringLiteral("元に戻しました"));
        const Snapshot now = Contents(out, list);
        const bool isOld = now == old, isNew = now == fresh;
        EXPECT_TRUE(isOld || isNew)
            << "trial " << trial << " after " << wait << " ms: " << now.size() << " files";
        sawOld += isOld;
        sawNew += isNew;
        // The record agrees with the files: the next run of the old list goes through.
        writeList(list, rows(kBeams - 100, 4));
        const JobSummary back = run(list);
        ASSERT_TRUE(back.wrote) << back.outcome.reason().toStdString();
        ASSERT_EQ(Contents(out, list), old);
    }
    std::cout << "kills: " << sawOld << " left the old set (" << undone << " by undoing a commit), "
              << sawNew << " the new one\n";
}
#endif

} // namespace
} // namespace varnok::batch
