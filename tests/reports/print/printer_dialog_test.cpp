// The printer dialogs s_prt1/2/3 over a fake printer system: the list and the
// default at opening, "Ｏ Ｋ" with a known and an unknown name, print and cancel.
#include "message_box.h"
#include "printer_dialog.h"
#include "report_flows.h"
#include "text_fit.h"
#include "ui_test.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace varnok::reports {
namespace {

class FakePrinters final : public PrinterSystem {
public:
    std::vector<PrinterDescription> list{
        {QStringLiteral("Office Laser"), QStringLiteral("HP LaserJet 4"),
         QStringLiteral("ipp://laser/")},
        {QStringLiteral("経理部 A4"), QStringLiteral("Canon LBP"), QStringLiteral("usb://canon")},
        {QStringLiteral("PDF"), QStringLiteral("Generic PDF"), QStringLiteral("cups-pdf:/")},
    };
    QString current = QStringLiteral("経理部 A4");
    std::vector<PrinterDescription> switches;
    bool refuseSwitch = false;

    std::vector<PrinterDescription> printers() override { return list; }
    QString defaultPrinterName() override { return current; }
    bool setDefaultPrinter(const PrinterDescription& p) override {
        switches.push_back(p);
        if (refuseSwitch)
            return false;
        current = p.deviceName;
        return true;
    }
};

class PrinterDialogTest : public testing::UiTest, public ::testing::WithParamInterface<SheetKind> {
protected:
    std::unique_ptr<PrinterDialog> open() {
        auto dialog = std::make_unique<PrinterDialog>(nullptr, GetParam(), printers, [this] {
            ++prints;
            return printOutcome;
        });
        dialog->show();
        processEvents();
        return dialog;
    }
    static QComboBox* combo(QWidget* d) {
        return d->findChild<QComboBox*>(QStringLiteral("Combo1"));
    }
    static QPushButton* button(QWidget* d, const char* name) {
        return d->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    FakePrinters printers;
    int prints = 0;
    PrintOutcome printOutcome = PrintOutcome::Printed;
};

TEST_P(PrinterDialogTest, OpensWithTheDefaultPrinterAndEveryPrinterListed) {
    auto dialog = open();
    EXPECT_EQ(dialog->objectName(), PrinterDialogName(GetParam()));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" プリンターの準備"));
    QComboBox* box = combo(dialog.get());
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isEditable());
    EXPECT_EQ(box->currentText(), QStringLiteral("経理部 A4"));
    ASSERT_EQ(box->count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(box->itemText(i), printers.list[static_cast<std::size_t>(i)].deviceName);
    EXPECT_FALSE(button(dialog.get(), "Command1")->isVisible())
        << "print button hidden until Ｏ Ｋ";
    EXPECT_EQ(button(dialog.get(), "Command3")->text(), QStringLiteral("Ｏ Ｋ"));
    EXPECT_EQ(button(dialog.get(), "Command1")->text(),
              QStringLiteral(" 印刷開始         [Enter]"));
    EXPECT_EQ(button(dialog.get(), "Command2")->text(),
              QStringLiteral("   中 止            [Esc]"));
}

TEST_P(PrinterDialogTest, DefaultMissingFromTheListStillShowsAsTheText) {
    printers.current = QStringLiteral("Removed Printer");
    auto dialog = open();
    EXPECT_EQ(combo(dialog.get())->currentText(), QStringLiteral("Removed Printer"));
    EXPECT_EQ(combo(dialog.get())->count(), 3);
}

TEST_P(PrinterDialogTest, OkWithAListedPrinterMakesItTheDefaultAndRevealsPrint) {
    auto dialog = open();
    combo(dialog.get())->setCurrentIndex(2);
    QTest::mouseClick(button(dialog.get(), "Command3"), Qt::LeftButton);
    processEvents();
    ASSERT_EQ(printers.switches.size(), 1u);
    EXPECT_EQ(printers.switches[0].deviceName, QStringLiteral("PDF"));
    EXPECT_EQ(printers.switches[0].driverName, QStringLiteral("Generic PDF"));
    EXPECT_EQ(printers.switches[0].portName, QStringLiteral("cups-pdf:/"));
    EXPECT_TRUE(button(dialog.get(), "Command1")->isVisible());
    EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open";
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(prints, 0);

    // Each press switches again.
    combo(dialog.get())->setEditText(QStringLiteral("Office Laser"));
    QTest::mouseClick(button(dialog.get(), "Command3"), Qt::LeftButton);
    ASSERT_EQ(printers.switches.size(), 2u);
    EXPECT_EQ(printers.current, QStringLiteral("Office Laser"));
}

TEST_P(PrinterDialogTest, UnknownNameWarnsChangesNothingButRevealsPrint) {
    auto dialog = open();
    for (const QString& typed : {QStringLiteral("pdf"), QStringLiteral("PDF "), QString()}) {
        clearMessages();
        combo(dialog.get())->setEditText(typed);
        QTest::mouseClick(button(dialog.get(), "Command3"), Qt::LeftButton);
        processEvents();
        ASSERT_EQ(messages().size(), 1u) << typed.toStdString();
        EXPECT_EQ(messages()[0].text, QStringLiteral("該当するプリンタがありません"));
        EXPECT_EQ(messages()[0].title, ui::kProgramTitle);
        EXPECT_EQ(messages()[0].icon, QMessageBox::Warning);
    }
    EXPECT_TRUE(printers.switches.empty());
    EXPECT_EQ(printers.current, QStringLiteral("経理部 A4"));
    EXPECT_TRUE(button(dialog.get(), "Command1")->isVisible());
}

TEST_P(PrinterDialogTest, NoPrinterAtAllWarnsOnOk) {
    printers.list.clear();
    printers.current.clear();
    auto dialog = open();
    EXPECT_EQ(combo(dialog.get())->count(), 0);
    QTest::mouseClick(button(dialog.get(), "Command3"), Qt::LeftButton);
    processEvents();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("該当するプリンタがありません"));
}

TEST_P(PrinterDialogTest, UnderscoresOfQueueNamesShowInTheFieldAndTheList) {
    printers.list.push_back(
        {QStringLiteral("VARNOK_FILE"), QStringLiteral("CUPS-PDF"), QStringLiteral("cups-pdf:/")});
    printers.current = QStringLiteral("VARNOK_FILE");
    auto dialog = open();
    EXPECT_EQ(testing::ClippedTextControls(*dialog), QStringList());
    QComboBox* box = combo(dialog.get());
    const QFontMetrics metrics = box->fontMetrics();
    // A row as tall as the line alone puts "_" on its last pixel, where it vanishes.
    EXPECT_GE(box->lineEdit()->height(), metrics.height() + metrics.descent());
    box->showPopup();
    processEvents();
    for (int row = 0; row < box->count(); ++row)
        EXPECT_GE(box->view()->visualRect(box->model()->index(row, 0)).height(),
                  metrics.height() + metrics.descent())
            << row;
    box->hidePopup();
}

TEST_P(PrinterDialogTest, EscapeClosesWithoutPrinting) {
    auto dialog = open();
    // From the printer name being typed: the editable box must not swallow Esc.
    combo(dialog.get())->setFocus();
    combo(dialog.get())->setEditText(QStringLiteral("Off"));
    QTest::keyClick(combo(dialog.get())->lineEdit(), Qt::Key_Escape);
    processEvents();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(prints, 0);
    EXPECT_TRUE(printers.switches.empty());

    auto again = open();
    QTest::mouseClick(button(again.get(), "Command2"), Qt::LeftButton);
    EXPECT_FALSE(again->isVisible());
    EXPECT_EQ(prints, 0);
}

TEST_P(PrinterDialogTest, EnterPrintsOnceThePrintButtonShowsThenCloses) {
    auto dialog = open();
    QTest::mouseClick(button(dialog.get(), "Command3"), Qt::LeftButton);
    processEvents();
    combo(dialog.get())->setFocus();
    QTest::keyClick(combo(dialog.get()), Qt::Key_Return);
    processEvents();
    EXPECT_EQ(prints, 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(messages().empty());
}

TEST_P(PrinterDialogTest, EnterAfterOkPrintsAsTheNoticeSays) {
    auto dialog = open();
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return); // Ｏ Ｋ has the focus on opening
    processEvents();
    ASSERT_EQ(printers.switches.size(), 1u);
    EXPECT_EQ(prints, 0);
    EXPECT_EQ(dialog->focusWidget(), button(dialog.get(), "Command1"));
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    processEvents();
    EXPECT_EQ(prints, 1);
    EXPECT_EQ(printers.switches.size(), 1u) << "Enter printed instead of repeating Ｏ Ｋ";
}

TEST_P(PrinterDialogTest, ARefusedSwitchSaysWhereThePageWouldGo) {
    printers.refuseSwitch = true;
    auto dialog = open();
    combo(dialog.get())->setEditText(QStringLiteral("PDF"));
    QTest::mouseClick(button(dialog.get(), "Command3"), Qt::LeftButton);
    processEvents();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(
        messages()[0].text,
        QStringLiteral("プリンター「PDF」を通常使うプリンターにできませんでした。\n"
                       "このまま印刷すると、今の通常使うプリンター「経理部 A4」に出力されます。"));
    EXPECT_EQ(messages()[0].title, QStringLiteral("プリンターを切り替えられません"));
    EXPECT_EQ(messages()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(dialog->focusWidget(), combo(dialog.get())) << "Enter must not print unasked";
}

TEST_P(PrinterDialogTest, FailuresBlameTheDataOnlyForDataErrors) {
    struct Case {
        PrintOutcome outcome;
        QString text, title;
        QMessageBox::Icon icon;
    };
    for (const Case& c :
         {Case{PrintOutcome::DataError, QStringLiteral("出力中止！入力データを確認して下さい。"),
               QStringLiteral("エラーが発生しました。"), QMessageBox::Question},
          Case{PrintOutcome::PrinterFailed,
               QStringLiteral("プリンター「経理部 A4」で印刷できませんでした。\n"
                              "何も印刷されていません。プリンターの状態を確認して下さい。"),
               QStringLiteral("印刷できません"), QMessageBox::Warning}}) {
        clearMessages();
        printOutcome = c.outcome;
        auto dialog = open();
        QTest::mouseClick(button(dialog.get(), "Command3"), Qt::LeftButton);
        QTest::mouseClick(button(dialog.get(), "Command1"), Qt::LeftButton);
        processEvents();
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0].text, c.text);
        EXPECT_EQ(messages()[0].title, c.title);
        EXPECT_EQ(messages()[0].icon, c.icon);
        EXPECT_FALSE(dialog->isVisible());
    }
}

// The sheet can go away while one of the dialog's messages is open (the session
// ends); the dialog goes with it and must touch nothing of itself afterwards.
TEST_P(PrinterDialogTest, OwnerGoingAwayUnderAMessageTakesTheDialogWithIt) {
    printers.refuseSwitch = true;
    printOutcome = PrintOutcome::PrinterFailed;
    for (const char* button : {"Command3", "Command1"}) {
        SCOPED_TRACE(button);
        auto owner = std::make_unique<QWidget>();
        QPointer<PrinterDialog> dialog =
            new PrinterDialog(owner.get(), GetParam(), printers, [this] {
                ++prints;
                return printOutcome;
            });
        dialog->show();
        processEvents();
        onMessage([&](const testing::RecordedMessage&) { owner.reset(); });
        if (std::string_view(button) == "Command1")
            this->button(dialog, "Command1")->setVisible(true);
        QTest::mouseClick(this->button(dialog, button), Qt::LeftButton);
        processEvents();
        EXPECT_TRUE(dialog.isNull());
        onMessage(nullptr);
    }
}

TEST_P(PrinterDialogTest, TabOrderRunsFromOkToCancel) {
    auto dialog = open();
    QTest::mouseClick(button(dialog.get(), "Command3"), Qt::LeftButton); // shows Command1
    std::vector<QString> order;
    QWidget* w = button(dialog.get(), "Command3");
    for (int step = 0; step < 100 && order.size() < 5; ++step, w = w->nextInFocusChain()) {
        if (w->parentWidget() == dialog.get() && w->focusPolicy() != Qt::NoFocus)
            order.push_back(w->objectName());
    }
    EXPECT_EQ(order, (std::vector<QString>{"Command3", "Combo1", "Command1", "Text1", "Command2"}));
    if (qEnvironmentVariableIsSet("VARNOK_SCREENSHOTS"))
        dialog->grab().save(qEnvironmentVariable("VARNOK_SCREENSHOTS") + u'/' +
                            dialog->objectName() + QStringLiteral(".png"));
}

INSTANTIATE_TEST_SUITE_P(AllSheets, PrinterDialogTest,
                         ::testing::Values(SheetKind::kei3_b1, SheetKind::kei3_b2,
                                           SheetKind::kei3_cg),
                         [](const auto& info) {
                             return PrinterDialogName(info.param).toStdString();
                         });

// The sheets' entry point: the sheet kind's dialog, modal, printing through the
// system of the services; a default printer that does not exist fails the print.
class RunPrinterDialogTest : public testing::UiTest {};

TEST_F(RunPrinterDialogTest, OpensTheSheetsDialogAndNamesThePrinterThatFailed) {
    FakePrinters printers;
    printers.current = QStringLiteral("VARNOK_NO_SUCH_PRINTER");
    const BeamDesign design = Uncalculated(LoadCaseButton::Cantilever);
    QString seen;
    onDialog([&](QWidget* dialog) {
        if (!dialog->objectName().startsWith(QStringLiteral("s_prt")))
            return false;
        seen = dialog->objectName();
        // Clicked from the event loop, not from inside the fixture's poll, so
        // that the message box it raises can be answered.
        QTimer::singleShot(0, dialog->findChild<QPushButton*>(QStringLiteral("Command1")),
                           &QPushButton::click);
        return true;
    });
    sheets::RunPrinterDialog(nullptr, design, "", Typeface::Gothic, {nullptr, &printers});
    EXPECT_EQ(seen, QStringLiteral("s_prt3"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text,
              QStringLiteral("プリンター「VARNOK_NO_SUCH_PRINTER」で印刷できませんでした。\n"
                             "何も印刷されていません。プリンターの状態を確認して下さい。"));
}

} // namespace
} // namespace varnok::reports
