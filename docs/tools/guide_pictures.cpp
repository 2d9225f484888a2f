// Makes the user guide's pictures from the program itself: the real windows,
// offscreen, driven as a user drives them, photographed in the states the
// guide describes: guide_picture_maker OUTPUT_FOLDER (the target guide_pictures
// runs it on docs/images).
//
// The run keeps to itself: its own HOME (the reports land on a desktop that is
// thrown away), a made-up set of printers and a recording editor.

#include "guide_session.h"
#include "list_table.h"
#include "list_window.h"
#include "program.h"
#include "report_lines.h"
#include "report_pictures.h"
#include "summary_window.h"
#include "window_picture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <cstdio>

using namespace varnok;
using namespace varnok::guide;

namespace {

QString Text(QWidget* window, const char* name) {
    if (auto* field = window->findChild<QLineEdit*>(QString::fromLatin1(name)))
        return field->text();
    if (auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name)))
        return button->text();
    if (auto* label = window->findChild<QLabel*>(QString::fromLatin1(name)))
        return label->text();
    return {};
}

/// Gives `window` the activation, as the desktop does to the window in front,
/// so that it draws its focus as a user sees it.
void Activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    QTest::qWait(20);
}

/// Expects the message box that comes next, photographs it over its window and answers it.
void ExpectMessage(GuideSession& s, const QString& picture, int levels = 2) {
    s.script().expect([&s, picture, levels](QWidget* box) {
        Activate(box);
        s.save(picture, Stacked(box, levels));
        AnswerOk(box);
    });
}

/// Expects a message box that needs no picture.
void ExpectMessage(GuideSession& s) {
    s.script().expect([](QWidget* box) { AnswerOk(box); });
}

/// Types a value into the field with the focus and presses Enter, as along the chain.
void Enter(GuideSession& s, const QString& value) {
    s.type(value);
    s.press(Qt::Key_Return);
}

/// Types the values along the chain, each with Enter; the last field's Enter
/// brings the calculate prompt, and then "計算" is clicked. A calculation the
/// sheet refuses shows a message, photographed as `refusalPicture`.
void FillAndCalculate(GuideSession& s, std::initializer_list<const char*> values,
                      const QString& refusalPicture = {}) {
    const auto* last = values.end() - 1;
    for (const auto* value = values.begin(); value != last; ++value)
        Enter(s, QString::fromUtf8(*value));
    ExpectMessage(s); // "計算します。"
    Enter(s, QString::fromUtf8(*last));
    if (!refusalPicture.isEmpty())
        ExpectMessage(s, refusalPicture);
    s.click(s.flow().sheet(), "Command1");
}

/// Clicks into a field and selects its whole text, as a user does to type over it.
void ClickToRetype(GuideSession& s, QWidget* sheet, const char* field) {
    s.click(sheet, field);
    s.press(Qt::Key_A, sheet, Qt::ControlModifier);
}

/// Opens a sheet from its launcher button; every sheet greets with the input
/// instructions, photographed when `instructionsPicture` is given.
QWidget* OpenSheet(GuideSession& s, const char* button, const QString& instructionsPicture = {}) {
    if (instructionsPicture.isEmpty())
        ExpectMessage(s);
    else
        ExpectMessage(s, instructionsPicture);
    s.click(s.flow().launcher(), button);
    s.settle([&s] { return s.flow().sheet() != nullptr; });
    return s.flow().sheet();
}

void BackToLauncher(GuideSession& s) {
    s.click(s.flow().sheet(), "Command5");
    s.settle([&s] { return s.flow().launcher() != nullptr && s.flow().sheet() == nullptr; });
}

void Launcher(GuideSession& s) {
    s.flow().start();
    s.settle([&s] { return s.flow().launcher() != nullptr; });
    s.save(QStringLiteral("b_sel"), Framed(s.flow().launcher()));
}

/// The simple beam under two point loads: typing along the chain, the
/// calculation, the text report, the printer dialog, a failing check and the
/// protections around the report.
void SimpleBeam(GuideSession& s) {
    QWidget* sheet = OpenSheet(s, "Command2", QStringLiteral("kei3_b1_instructions"));

    Enter(s, QStringLiteral("Ｂ１"));
    Enter(s, QStringLiteral("6"));
    Enter(s, QString()); // keeps the proposed buckling length
    Enter(s, QStringLiteral("3"));
    s.type(QStringLiteral("2.5"));
    s.save(QStringLiteral("kei3_b1_input"), Framed(sheet));
    s.press(Qt::Key_Return);
    Enter(s, QStringLiteral("0.5"));
    Enter(s, QStringLiteral("4"));
    Enter(s, QStringLiteral("2"));
    Enter(s, QStringLiteral("3"));
    ExpectMessage(s, QStringLiteral("kei3_b1_calculate_prompt"));
    Enter(s, QStringLiteral("1.5"));
    s.click(sheet, "Command1");
    s.save(QStringLiteral("kei3_b1_result"), Framed(sheet));

    // The text report: the screen over the sheet, then "出力開始".
    s.script().expect([&s](QWidget* screen) {
        Activate(screen);
        s.save(QStringLiteral("s_txt1"), Stacked(screen));
        ClickLater(screen, "Command1");
    });
    s.click(sheet, "Command9");
    if (s.editor().opened.isEmpty()) {
        s.fail("the report was not handed to the editor");
    } else {
        QFile report(s.editor().opened.last());
        if (!report.open(QIODevice::ReadOnly))
            s.fail("the report file cannot be read back");
        s.save(QStringLiteral("report_file"),
               TextFilePicture(report.readAll(), QFileInfo(report).fileName()));
    }

    // The printer dialog as it opens, then with another printer chosen and
    // "Ｏ Ｋ" pressed; "中止" then, so nothing is printed.
    s.script().expect([&s](QWidget* dialog) {
        Activate(dialog);
        s.save(QStringLiteral("s_prt1_open"), Stacked(dialog));
        auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("Combo1"));
        combo->setCurrentIndex(combo->findText(QStringLiteral("Office_A3_Color")));
        QTest::mouseClick(dialog->findChild<QAbstractButton*>(QStringLiteral("Command3")),
                          Qt::LeftButton);
        Activate(dialog);
        s.save(QStringLiteral("s_prt1_after_ok"), Stacked(dialog));
        ClickLater(dialog, "Command2");
    });
    s.click(sheet, "Command3");
    // The page that "印刷開始" sends, drawn by the printing routine itself.
    // "ゴシック体 【印刷】" was pressed: the Gothic face.
    const reports::Report page =
        reports::BuildReport(*s.flow().sheet()->calculated(), s.state().memberName,
                             reports::ReportTarget::PrintedPage);
    s.save(QStringLiteral("printed_page"),
           PrintedPagePicture(page.lines, reports::Typeface::Gothic));

    // A printer name that is not installed.
    s.script().expect([](QWidget* dialog) {
        auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("Combo1"));
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("Office_A4"));
        ClickLater(dialog, "Command3");
    });
    ExpectMessage(s, QStringLiteral("msg_no_printer"), 3);
    s.script().expect([](QWidget* dialog) { ClickLater(dialog, "Command2"); });
    s.click(sheet, "Command4");

    // Stepping the section down until the bending check fails.
    for (int i = 0; i < 10 && Text(sheet, "Label63") != QStringLiteral("ＮＧ"); ++i)
        s.click(sheet, "Command7");
    s.save(QStringLiteral("kei3_b1_ng"), Framed(sheet));

    BackToLauncher(s);
}

/// The uniform-load sheet: calculate without a span first, then the whole chain.
void UniformLoad(GuideSession& s) {
    QWidget* sheet = OpenSheet(s, "Command5");

    Enter(s, QStringLiteral("Ｂ２"));
    for (int field = 2; field < 9; ++field)
        Enter(s, QString());
    ExpectMessage(s); // "計算します。"
    Enter(s, QString());
    ExpectMessage(s, QStringLiteral("msg_missing_span"));
    s.click(sheet, "Command1");

    // The sheet hands the focus back to the span field.
    if (sheet->focusWidget() == nullptr || sheet->focusWidget()->objectName() != "Text2")
        s.fail("the missing-span message did not hand the focus to the span");
    FillAndCalculate(s, {"7.2", "2.4", "3.5", "2.4", "0.3", "1.2", "0.6", "0.2"});
    s.save(QStringLiteral("kei3_b2_result"), Framed(sheet));
    BackToLauncher(s);
}

/// A beam with no load does not deflect: L/δ shows "∞" and passes.
void NoLoad(GuideSession& s) {
    QWidget* sheet = OpenSheet(s, "Command5");
    FillAndCalculate(s, {"Ｂ４", "5", "", "0", "0", "0", "0", "0", "0"});
    s.save(QStringLiteral("kei3_b2_no_load"), Framed(sheet));
    BackToLauncher(s);
}

/// The cantilever with its weld-section check.
void Cantilever(GuideSession& s) {
    QWidget* sheet = OpenSheet(s, "Command6");
    FillAndCalculate(s, {"ＣＧ１", "2.5", "", "3.5", "1.5", "0", "3.5", "1.5", "1", "2"});
    s.save(QStringLiteral("kei3_cg_result"), Framed(sheet));
    BackToLauncher(s);
}

/// A short-term cantilever stressed past the steel's standard strength: the
/// ratio, taken with the short-term fb, fails against 1.0.
void CantileverShortTerm(GuideSession& s) {
    QWidget* sheet = OpenSheet(s, "Command6");
    FillAndCalculate(s, {"ＣＧ２", "1.8", "", "6", "2", "0.5", "6", "1.5", "1", "5"});
    s.click(sheet, "Option2");
    for (int i = 0; i < 4; ++i)
        s.click(sheet, "Command7");
    if (Text(sheet, "Label63") != QStringLiteral("ＮＧ"))
        s.fail("the short-term cantilever did not fail its bending check");
    s.save(QStringLiteral("kei3_cg_short_ng"), Framed(sheet));
    BackToLauncher(s);
}

/// Where the program refuses or keeps a report: a name that cannot be a file
/// name, and a report file marked read-only, which stays as it was.
void ReportProtections(GuideSession& s) {
    QWidget* sheet = OpenSheet(s, "Command1");
    FillAndCalculate(s, {"Ｂ/３", "4.5", "", "3", "2", "0", "3", "2", "2.25", "0"});
    ExpectMessage(s, QStringLiteral("msg_bad_name"));
    s.click(sheet, "Command9");

    // A negative buckling length is refused, and so is a report after the
    // refused calculation: the results on screen are no longer those of the inputs.
    ClickToRetype(s, sheet, "Text3");
    FillAndCalculate(s, {"-1", "", "", "", "", "", "", ""},
                     QStringLiteral("msg_negative_buckling"));
    ExpectMessage(s, QStringLiteral("msg_recalculate"));
    s.click(sheet, "Command9");
    ClickToRetype(s, sheet, "Text3");
    FillAndCalculate(s, {"2.25", "", "", "", "", "", "", ""});

    // No member name: nothing is printed.
    ClickToRetype(s, sheet, "Text1");
    s.press(Qt::Key_Delete);
    ExpectMessage(s, QStringLiteral("msg_missing_name"));
    s.click(sheet, "Command3");

    // The member name is corrected; an older report of that name is read-only.
    const QString report = QDir(s.reportFolder()).filePath(QStringLiteral("Ｂ３.TXT"));
    QDir().mkpath(s.reportFolder());
    QFile old(report);
    if (!old.open(QIODevice::WriteOnly) || old.write("old report\r\n") < 0 || !old.flush())
        s.fail("cannot prepare the read-only report");
    old.close();
    if (!QFile::setPermissions(report, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther))
        s.fail("cannot make the older report read-only");
    ClickToRetype(s, sheet, "Text1");
    Enter(s, QStringLiteral("Ｂ３"));
    s.script().expect([](QWidget* screen) { ClickLater(screen, "Command1"); });
    ExpectMessage(s, QStringLiteral("msg_write_failed"));
    s.click(sheet, "Command9");
    BackToLauncher(s);
}

/// A page of the calc book as the guide shows it, through poppler's renderer.
void SaveBookPage(GuideSession& s, const QString& pdf, int page, const QString& name,
                  const QString& folder) {
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                  QString::number(page), QStringLiteral("-r"), QStringLiteral("60"),
                  QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
                  QDir(folder).filePath(name)});
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        s.fail("pdftoppm could not draw a page of the calc book");
}

/// The calc book's summary window after the shipped template, with a failing
/// beam and a bad row added, ran as a list dropped on the program runs; then
/// the book's cover and summary page.
void CalcBook(GuideSession& s, const QString& imageFolder) {
    const QString list = QDir(s.reportFolder()).filePath(QStringLiteral("梁リスト.csv"));
    QFile source(QStringLiteral(VARNOK_BEAM_LIST_TEMPLATE));
    QFile copy(list);
    if (!source.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly) ||
        copy.write(source.readAll()) < 0 ||
        copy.write("2B7,等分布荷重,6,6,5,2,,,,,,,,,細幅,長期,,,\n"
                   "2B9,５点集中荷重,6,,3,1,,,,,,,,,細幅,長期,,,\n") < 0 ||
        !copy.flush()) {
        s.fail("cannot prepare the beam list");
        return;
    }
    copy.close();
    batch::JobOptions options;
    options.list = list;
    options.project = QStringLiteral("〇〇ビル新築工事");
    options.engineer = QStringLiteral("山田 太郎");
    options.date = QStringLiteral("2026年12月1日");
    batch::SummaryWindow window(options);
    window.show();
    window.run();
    Activate(&window);
    s.save(QStringLiteral("calc_book_summary"), Framed(&window));
    const QString pdf =
        QDir(window.summary().outputFolder).filePath(batch::BookFileName(options.list));
    SaveBookPage(s, pdf, 1, QStringLiteral("calc_book_cover"), imageFolder);
    SaveBookPage(s, pdf, 3, QStringLiteral("calc_book_list"), imageFolder);
}

/// The list window on the shipped template: a load raised past the chosen
/// section, a span mistyped; then a row opened in its sheet, a load changed
/// there, and the question on closing it.
void ListWindowPictures(GuideSession& s) {
    const QString list = QDir(s.reportFolder()).filePath(QStringLiteral("２階小梁.csv"));
    QFile::remove(list);
    if (!QFile::copy(QStringLiteral(VARNOK_BEAM_LIST_TEMPLATE), list)) {
        s.fail("cannot prepare the beam list");
        return;
    }
    const QPointer<listwindow::ListWindow> window =
        listwindow::ListWindow::Open(list, {&s.state(), {&s.editor(), nullptr, s.reportFolder()}});
    if (!window) {
        s.fail("the list window did not open");
        return;
    }
    window->resize(1360, 330);
    window->move(40, 40);
    window->show();
    Activate(window);
    const listwindow::ListDocument& doc = window->model()->document();
    auto typeInto = [&](int row, batch::Column column, const char* text) {
        const QModelIndex cell = window->model()->index(row, doc.positionOf(column));
        window->table()->goTo(cell.row(), cell.column());
        window->model()->setData(cell, QString::fromUtf8(text), Qt::EditRole);
    };
    typeInto(0, batch::Column::WAreaLoad, "12");
    typeInto(2, batch::Column::Span, "8m");
    // The results at the right end of the table, the mistyped row's reason below.
    window->table()->goTo(2, window->model()->columnCount() - 1);
    Activate(window);
    s.save(QStringLiteral("list_window"), Framed(window));

    // 2B2 in its sheet: the instructions, then a heavier area load calculated.
    ExpectMessage(s);
    window->table()->goTo(1, 0);
    window->openInSheet();
    s.settle();
    QPointer<sheets::DesignSheet> sheet = window->sheet();
    if (!sheet) {
        s.fail("the row did not open in its sheet");
        return;
    }
    sheet->access().setText("Text4", "6");
    QTest::mouseClick(sheet->access().control("Command1"), Qt::LeftButton);
    Activate(sheet);
    s.save(QStringLiteral("list_window_sheet"), Framed(sheet));
    s.script().expect([&s](QWidget* box) {
        Activate(box);
        s.save(QStringLiteral("list_window_reflect"), Stacked(box, 2));
        QPointer<QMessageBox> question = qobject_cast<QMessageBox*>(box);
        ModalScript::Later([question] {
            if (question)
                question->button(QMessageBox::Yes)->click();
        });
    });
    sheet->close();
    s.settle([&] { return window && window->isEnabled(); });
    // Closing without saving: the question is answered "保存しない".
    s.script().expect([](QWidget* box) {
        QPointer<QMessageBox> question = qobject_cast<QMessageBox*>(box);
        ModalScript::Later([question] {
            if (question)
                question->button(QMessageBox::Discard)->click();
        });
    });
    window->close();
    s.settle();
}

/// The D-value calculator: the column ratio missing, then a general storey.
void DValue(GuideSession& s) {
    s.script().expect([](QWidget* form) { ClickLater(form, "Command2"); });
    ExpectMessage(s, QStringLiteral("msg_column_ratio"));
    s.script().expect([&s](QWidget* form) {
        for (const char* value : {"2.5", "1.8", "3", "2", "1.2"}) {
            s.type(QString::fromUtf8(value), form);
            s.press(Qt::Key_Return, form);
        }
        s.press(Qt::Key_Return, form); // on "計　算" now
        Activate(form);
        s.save(QStringLiteral("Form1"), Framed(form));
        ClickLater(form, "Command3");
    });
    s.click(s.flow().launcher(), "Command11");
}

/// The offscreen platform says for every window that it cannot raise it or
/// pass size hints on; nothing a picture depends on. Everything else is shown.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s%s\n",
                 type == QtDebugMsg ? "" : "guide pictures (Qt): ", message.toUtf8().constData());
}

} // namespace

int main(int argc, char** argv) {
    // A home of its own before Qt looks up any folder: the reports of this run
    // go to a desktop that is removed at the end. Its name is fixed, since the
    // report path shows in a picture.
    QDir home(QDir::temp().filePath(QStringLiteral("varnok_guide")));
    if ((home.exists() && !home.removeRecursively()) || !QDir().mkpath(home.path()) ||
        !QFile::setPermissions(home.path(),
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        std::fprintf(stderr, "guide pictures: cannot prepare %s\n", qPrintable(home.path()));
        return 1;
    }
    for (const char* variable :
         {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(variable, home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    qInstallMessageHandler(QuietOffscreenNotes);
    QApplication application(argc, argv);
    app::ConfigureApplication();
    QApplication::setCursorFlashTime(0); // a steady caret: the same picture every run

    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "guide pictures: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    // The reports go to the run's own desktop, named outright: on Windows the
    // desktop is the shell's, whatever HOME says.
    GuideSession session(folder, home.filePath(QStringLiteral("Desktop")));
    Launcher(session);
    SimpleBeam(session);
    UniformLoad(session);
    NoLoad(session);
    Cantilever(session);
    CantileverShortTerm(session);
    ReportProtections(session);
    CalcBook(session, folder);
    ListWindowPictures(session);
    DValue(session);

    const bool succeeded = session.succeeded();
    home.removeRecursively();
    if (!succeeded) {
        std::fprintf(stderr, "guide pictures: the run went wrong; the pictures may be stale\n");
        return 1;
    }
    return 0;
}
