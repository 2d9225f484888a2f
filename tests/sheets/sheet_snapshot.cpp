// Renders each design sheet after a full calculation into PNG files, for looking
// at the layout: sheet_snapshot OUTPUT_DIR
#include "design_sheet.h"
#include "fonts.h"
#include "load_case.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

using namespace varnok;

namespace {

void AnswerMessageBoxes() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                box->accept();
    });
    timer->start(20);
}

void Fill(sheets::WidgetSheetAccess& a, SheetKind kind) {
    a.setText("Text1", "Ｂ１２");
    a.setText("Text2", "6");
    a.setText("Text3", "3");
    a.setText("Text4", "3");
    a.setText("Text5", "2.5");
    a.setText("Text6", "0.5");
    if (kind == SheetKind::kei3_b2) {
        a.setText("Text7", "1");
        a.setText("Text8", "1.5");
        a.setText("Text9", "0.2");
    } else {
        a.setText("Text8", "4");
        a.setText("Text9", "2");
        a.setText("Text10", "3");
        a.setText("Text11", "1.5");
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::InstallFontSubstitutions();
    ui::UseProgramDefaultFont();
    AnswerMessageBoxes();
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const std::pair<SheetKind, LoadCaseButton> cases[] = {
        {SheetKind::kei3_b1, LoadCaseButton::TwoPoints},
        {SheetKind::kei3_b2, LoadCaseButton::UniformOnly},
        {SheetKind::kei3_cg, LoadCaseButton::Cantilever},
    };
    for (auto [kind, button] : cases) {
        ProgramState state;
        FillCatalogue(state.catalogue);
        ChooseLoadCase(state.loadCase, button);
        sheets::DesignSheet sheet(state, kind, {});
        sheet.openSheet();
        Fill(sheet.access(), kind);
        if (auto* calc = sheet.findChild<QAbstractButton*>("Command1"))
            calc->click();
        sheet.access().setVisible("Command1", true);
        sheet.access().setVisible("Text23", true);
        app.processEvents();
        const QString name = sheet.objectName();
        sheet.grab().save(dir + "/" + name + ".png");
    }
    return 0;
}
