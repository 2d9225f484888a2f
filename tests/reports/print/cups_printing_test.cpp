// Printing against a real CUPS scheduler with the queues of
// scripts/cups-test-start.sh: the printer list, the default switch as lpstat
// sees it, and pages printed through the dialog, read back from PDF files.
// cups-pdf (VARNOK_PDF) goes through PostScript, which keeps the page but not
// the text of the Japanese faces; VARNOK_FILE keeps the job's own PDF, so the
// page's text is read back from there.
#include "beam_check.h"
#include "catalogue.h"
#include "cups_printer_system.h"
#include "load_case.h"
#include "pdf_tools.h"
#include "printed_page.h"
#include "printer_dialog.h"
#include "report_lines.h"
#include "report_flows.h"
#include "sample_page.h"
#include "ui_test.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QSet>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <optional>

#include <pwd.h>
#include <unistd.h>

namespace varnok::reports {
namespace {

const QString kQueue = QStringLiteral("VARNOK_PDF");
const QString kSecondQueue = QStringLiteral("VARNOK_PDF2");
const QString kFileQueue = QStringLiteral("VARNOK_FILE");
constexpr int kPdfWaitMs = 30000;

QString PdfFolder() {
    const QString set = qEnvironmentVariable("VARNOK_CUPS_PDF_OUT");
    return set.isEmpty() ? QStringLiteral("/tmp/varnok-cups-pdf") : set;
}

QSet<QString> PdfFiles() {
    const QStringList names = QDir(PdfFolder()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    return {names.begin(), names.end()};
}

/// The first PDF that was not there before, once cups-pdf has finished it.
std::optional<QString> WaitForNewPdf(const QSet<QString>& before) {
    // VARNOK_FILE writes over its file: a fresh wait starts without it.
    QElapsedTimer clock;
    clock.start();
    qint64 lastSize = -1;
    while (clock.elapsed() < kPdfWaitMs) {
        for (const QString& name : PdfFiles()) {
            if (before.contains(name))
                continue;
            const QString path = QDir(PdfFolder()).filePath(name);
            const qint64 size = QFileInfo(path).size();
            if (size > 0 && size == lastSize && testing::ReadPdfFacts(path).has_value())
                return path;
            lastSize = size;
        }
        QThread::msleep(100);
    }
    return std::nullopt;
}

QString LpstatDefault() {
    return testing::RunTool(QStringLiteral("lpstat"), {QStringLiteral("-d")})
        .value_or(QString())
        .trimmed();
}

/// The page's text lines, blanks dropped, empty lines left out.
QStringList NonEmptyText(const QStringList& lines) {
    QStringList result;
    for (const QString& line : lines) {
        const QString compact = testing::Comparable(line);
        if (!compact.isEmpty())
            result << compact;
    }
    return result;
}

QStringList NonEmptyText(const ReportLines& lines) {
    QStringList result;
    for (const ReportLine& line : lines) {
        const QString compact = testing::Comparable(QString::fromStdString(line.text));
        if (!compact.isEmpty())
            result << compact;
    }
    return result;
}

void KeepForInspection(const QString& pdf, const QString& name) {
    const QString keep = qEnvironmentVariable("VARNOK_PRINT_KEEP");
    if (!keep.isEmpty()) {
        QFile::remove(keep + u'/' + name);
        QFile::copy(pdf, keep + u'/' + name);
    }
}

/// The files in which libcups keeps a user's default printer (root's is the
/// machine-wide one), put back byte for byte, or removed again, on scope exit.
class PrinterSettingsGuard {
public:
    PrinterSettingsGuard() {
        for (const QString& path : {QStringLiteral("/etc/cups/lpoptions"),
                                    QDir::home().filePath(QStringLiteral(".cups/lpoptions"))})
            saved_.push_back({path, Contents(path)});
    }
    ~PrinterSettingsGuard() {
        for (const auto& [path, contents] : saved_) {
            if (Contents(path) == contents)
                continue;
            if (!contents) {
                QFile::remove(path);
                continue;
            }
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(*contents);
        }
    }
    PrinterSettingsGuard(const PrinterSettingsGuard&) = delete;
    PrinterSettingsGuard& operator=(const PrinterSettingsGuard&) = delete;

private:
    static std::optional<QByteArray> Contents(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }
    std::vector<std::pair<QString, std::optional<QByteArray>>> saved_;
};

class CupsPrinting : public testing::UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        settings_.emplace();
        const auto status = testing::RunTool(QStringLiteral("lpstat"), {QStringLiteral("-r")});
        if (!status || !status->contains(QStringLiteral("is running")))
            GTEST_SKIP() << "no CUPS scheduler is running (scripts/cups-test-start.sh starts one)";
        for (const QString& queue : {kQueue, kSecondQueue, kFileQueue}) {
            if (!find(queue))
                GTEST_SKIP() << "queue " << queue.toStdString()
                             << " missing (scripts/cups-test-start.sh adds it)";
        }
    }

    std::optional<PrinterDescription> find(const QString& name) {
        for (const PrinterDescription& p : cups.printers()) {
            if (p.deviceName == name)
                return p;
        }
        return std::nullopt;
    }

    /// Opens the dialog's combo box, picks `queue`, presses Ｏ Ｋ and then the print button.
    static bool ChooseAndPrint(QWidget* dialog, const QString& queue, QString* shownDefault) {
        auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("Combo1"));
        if (shownDefault)
            *shownDefault = combo->currentText();
        combo->setEditText(queue);
        // Clicked from the event loop, not from inside the fixture's poll, so
        // that a message box they raise can be answered.
        QTimer::singleShot(0, dialog->findChild<QPushButton*>(QStringLiteral("Command3")),
                           &QPushButton::click);
        QTimer::singleShot(0, dialog->findChild<QPushButton*>(QStringLiteral("Command1")),
                           &QPushButton::click);
        return true;
    }

    void TearDown() override {
        settings_.reset();
        UiTest::TearDown();
    }

    CupsPrinterSystem cups;
    std::optional<PrinterSettingsGuard> settings_; // every test leaves the default as it found it
};

TEST_F(CupsPrinting, LeavesTheUsersPrinterSettingsAsItFoundThem) {
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    EXPECT_NE(QDir(QDir::homePath()).canonicalPath(),
              QDir(QString::fromLocal8Bit(user->pw_dir)).canonicalPath())
        << "the printing tests run with a HOME of their own (ctest and test.sh give them one)";

    const QString before = LpstatDefault();
    const QString other = before.endsWith(kSecondQueue) ? kQueue : kSecondQueue;
    {
        PrinterSettingsGuard guard;
        ASSERT_TRUE(cups.setDefaultPrinter(*find(other)));
        ASSERT_EQ(LpstatDefault(), QStringLiteral("system default destination: ") + other);
    }
    EXPECT_EQ(LpstatDefault(), before);
}

TEST_F(CupsPrinting, ListsTheQueuesWithMakeAndModelAndDeviceUri) {
    EXPECT_EQ(find(kFileQueue)->portName,
              QStringLiteral("file://") +
                  QDir(PdfFolder()).filePath(kFileQueue + QStringLiteral(".pdf")));
    for (const QString& queue : {kQueue, kSecondQueue}) {
        const auto printer = find(queue);
        ASSERT_TRUE(printer.has_value());
        EXPECT_TRUE(printer->driverName.contains(QStringLiteral("CUPS-PDF")))
            << printer->driverName.toStdString();
        EXPECT_EQ(printer->portName, QStringLiteral("cups-pdf:/"));
    }
}

TEST_F(CupsPrinting, SwitchesTheDefaultAsLpstatSeesIt) {
    for (const QString& queue : {kSecondQueue, kQueue}) {
        ASSERT_TRUE(cups.setDefaultPrinter(*find(queue)));
        EXPECT_EQ(cups.defaultPrinterName(), queue);
        EXPECT_EQ(LpstatDefault(), QStringLiteral("system default destination: ") + queue);
    }
    EXPECT_FALSE(cups.setDefaultPrinter({QStringLiteral("VARNOK_NO_SUCH_QUEUE"), {}, {}}));
    EXPECT_EQ(cups.defaultPrinterName(), kQueue);
}

/// The dialog over the real printers: it shows the default and lists the
/// queues; "Ｏ Ｋ" on `queue` makes it the default; the print button prints the
/// sample page there. Returns the PDF that came out.
std::optional<QString> PrintThroughDialog(CupsPrinterSystem& cups, const QString& queue,
                                          const std::vector<testing::RecordedMessage>& messages) {
    QFile::remove(QDir(PdfFolder()).filePath(kFileQueue + QStringLiteral(".pdf")));
    const QSet<QString> before = PdfFiles();
    const ReportLines page = testing::SampleSimpleBeamPage();
    PrinterDialog dialog(nullptr, SheetKind::kei3_b1, cups, [&] {
        return PrintReportPage(page, Typeface::Gothic, cups.defaultPrinterName(),
                               QStringLiteral("varnok-dialog-test"))
                   ? PrintOutcome::Printed
                   : PrintOutcome::PrinterFailed;
    });
    dialog.show();
    auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("Combo1"));
    EXPECT_EQ(combo->currentText(), kSecondQueue) << "the default printer";
    QStringList listed;
    for (int i = 0; i < combo->count(); ++i)
        listed << combo->itemText(i);
    for (const QString& q : {kQueue, kSecondQueue, kFileQueue})
        EXPECT_TRUE(listed.contains(q)) << listed.join(u',').toStdString();

    combo->setEditText(queue);
    dialog.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    EXPECT_EQ(LpstatDefault(), QStringLiteral("system default destination: ") + queue);
    dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(dialog.isVisible());
    return WaitForNewPdf(before);
}

TEST_F(CupsPrinting, DialogSwitchesTheDefaultAndCupsPdfPrintsOneA4Page) {
    ASSERT_TRUE(cups.setDefaultPrinter(*find(kSecondQueue)));
    const auto pdf = PrintThroughDialog(cups, kQueue, messages());
    ASSERT_TRUE(pdf.has_value()) << "no PDF in " << PdfFolder().toStdString() << " within 30 s";
    KeepForInspection(*pdf, QStringLiteral("cups-pdf-page.pdf"));
    const auto facts = testing::ReadPdfFacts(*pdf);
    ASSERT_TRUE(facts.has_value());
    EXPECT_EQ(facts->pages, 1);
    EXPECT_NEAR(facts->widthPt, 595.3, 1.5);
    EXPECT_NEAR(facts->heightPt, 841.9, 1.5);
    QFile::remove(*pdf);
}

TEST_F(CupsPrinting, PrintedPageHoldsTheLinesInOrder) {
    ASSERT_TRUE(cups.setDefaultPrinter(*find(kSecondQueue)));
    const auto pdf = PrintThroughDialog(cups, kFileQueue, messages());
    ASSERT_TRUE(pdf.has_value()) << "no PDF in " << PdfFolder().toStdString() << " within 30 s";
    KeepForInspection(*pdf, QStringLiteral("sample-page.pdf"));
    const auto facts = testing::ReadPdfFacts(*pdf);
    ASSERT_TRUE(facts.has_value());
    EXPECT_EQ(facts->pages, 1);
    EXPECT_NEAR(facts->widthPt, 595.3, 1.5);
    EXPECT_NEAR(facts->heightPt, 841.9, 1.5);
    EXPECT_EQ(NonEmptyText(testing::PdfTextLines(*pdf)),
              NonEmptyText(testing::SampleSimpleBeamPage()));
    EXPECT_TRUE(testing::PdfFontNames(*pdf).contains(QStringLiteral("IPAGothic")));
}

TEST_F(CupsPrinting, SheetPrintButtonPrintsTheSheetsReport) {
    BeamDesign design;
    ChooseLoadCase(design.loadCase, LoadCaseButton::ThreePoints);
    const double fields[][2] = {{2, 7.2}, {3, 2.4}, {4, 3.5},  {5, 2.4}, {6, 0},     {7, 8.4},
                                {8, 3.5}, {9, 2.4}, {10, 2.4}, {11, 0},  {12, 20.16}};
    for (const auto& [n, v] : fields)
        design.entries.set(static_cast<int>(n), v);
    design.shown[6] = design.shown[11] = "0.000";
    design.result.sectionRow = 12;
    design.result.fb = 143.7;
    design.result.deflection = 1.42;
    design.result.spanOverDeflection = 507;
    design.result.moment.value = 96.154;
    design.result.stressRatioShown.value = 0.781;
    const Report expected = BuildReport(design, "G12", ReportTarget::PrintedPage);
    ASSERT_TRUE(expected.complete);

    ASSERT_TRUE(cups.setDefaultPrinter(*find(kSecondQueue))); // the dialog shows a default
    QFile::remove(QDir(PdfFolder()).filePath(kFileQueue + QStringLiteral(".pdf")));
    const QSet<QString> before = PdfFiles();
    QString shown;
    onDialog([&](QWidget* dialog) {
        return dialog->objectName() == QStringLiteral("s_prt1") &&
               ChooseAndPrint(dialog, kFileQueue, &shown);
    });
    sheets::RunPrinterDialog(nullptr, design, "G12", Typeface::Mincho, {nullptr, &cups});
    EXPECT_TRUE(messages().empty());

    const auto pdf = WaitForNewPdf(before);
    ASSERT_TRUE(pdf.has_value()) << "no PDF in " << PdfFolder().toStdString() << " within 30 s";
    KeepForInspection(*pdf, QStringLiteral("sheet-page.pdf"));
    EXPECT_EQ(testing::ReadPdfFacts(*pdf)->pages, 1);
    EXPECT_EQ(NonEmptyText(testing::PdfTextLines(*pdf)), NonEmptyText(expected.lines));
    EXPECT_TRUE(testing::PdfFontNames(*pdf).contains(QStringLiteral("IPAMincho")));
    EXPECT_EQ(LpstatDefault(), QStringLiteral("system default destination: ") + kFileQueue);
    EXPECT_FALSE(shown.isEmpty());
}

} // namespace
} // namespace varnok::reports
