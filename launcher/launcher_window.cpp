#include "launcher_window.h"

#include "control_names.h"
#include "diagram_images.h"
#include "fonts.h"
#include "launcher_controls.h"
#include "load_case.h"
#include "panel_button.h"
#include "qt_colour.h"
#include "widget_style.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnok::launcher {

namespace {

constexpr QSize kDiagramSize{110, 75};
constexpr QSize kPictureButtonSize{120, 85}; // the diagram whole, inside a 3-D frame
constexpr QSize kSideButtonSize{118, 52};

QFont Face(const QString& family, int pointSize, bool bold) {
    QFont f(family);
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

QLabel* MakeLabel(QWidget* parent, std::string_view name, std::string_view text, Rgb fore, Rgb back,
                  const QFont& font) {
    auto* label = new QLabel(ui::FromUtf8(text), parent);
    label->setObjectName(ui::FromUtf8(name));
    label->setFont(font);
    ui::SetColours(*label, fore, back);
    return label;
}

QPushButton* MakeColouredButton(QWidget* parent, std::string_view name, std::string_view text,
                                Rgb back) {
    auto* button = new ui::PanelButton(ui::FromUtf8(text), back, parent,
                                       {.borderPixels = 3, .focusBorder = {255, 255, 255}});
    button->setObjectName(ui::FromUtf8(name));
    button->setFont(Face(ui::kGothicFace, 12, true));
    button->setFixedSize(kSideButtonSize);
    button->setAutoDefault(true); // Enter presses the button that has the focus
    return button;
}

} // namespace

LauncherWindow::LauncherWindow(ProgramState& state, QWidget* parent)
    : QWidget(parent)
    , state_(state) {
    setObjectName(ui::FromUtf8(kWindowName));
    setWindowTitle(ui::FromUtf8(kCaption));
    setWindowIcon(images::LauncherIcon());
    setAcceptDrops(true); // a beam list dropped here opens in its list window
    // Every text here names its face; the window's own is the Gothic of the
    // buttons, so that start-up loads no further face just for the window.
    setFont(Face(ui::kGothicFace, 9, false));
    QPalette ground = palette();
    ground.setColor(QPalette::Window, ui::ToQColor(colours::kGround));
    setPalette(ground);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 14);
    layout->setSpacing(8);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buildHeader();
    buildBody();

    dValueButton_->setFocus();
}

void LauncherWindow::buildHeader() {
    auto* row = new QHBoxLayout;
    row->setSpacing(10);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(images::LauncherIcon());
    icon->setFixedSize(32, 32);
    row->addWidget(icon);

    row->addWidget(MakeLabel(this, "Label1", kTitle, colours::kTitle, colours::kGround,
                             Face(ui::kMinchoFace, 20, true)));
    row->addStretch();

    auto* product = new QVBoxLayout;
    product->setSpacing(4); // the "_" of the product name reaches below its line
    QFont productFont(QStringLiteral("DejaVu Sans"));
    productFont.setPointSize(14);
    productFont.setBold(true);
    productFont.setItalic(true);
    auto* name = MakeLabel(this, "Label10", kProductName, colours::kProductName, colours::kGround,
                           productFont);
    auto* version = MakeLabel(this, "Label11", kVersion, colours::kVersion, colours::kGround,
                              Face(QStringLiteral("DejaVu Sans"), 9, false));
    name->setAlignment(Qt::AlignRight);
    version->setAlignment(Qt::AlignRight);
    product->addWidget(name);
    product->addWidget(version);
    row->addLayout(product);

    static_cast<QVBoxLayout*>(layout())->addLayout(row);

    // The instruction box is read-only and never takes the focus, so a framed
    // label shows it: an editor widget would lay out an empty page in the
    // program's default face first, one more font file read at start-up.
    QString lines = ui::FromUtf8(kInstruction); // CR LF after each line
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (lines.endsWith(QLatin1Char('\n')))
        lines.chop(1); // the last line break opens no line of its own
    auto* instruction = new QLabel(lines, this);
    instruction->setObjectName(QStringLiteral("Text1"));
    instruction->setFont(Face(ui::kGothicFace, 12, true));
    instruction->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    instruction->setLineWidth(2);
    instruction->setMargin(2);
    instruction->setIndent(6);
    instruction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::SetColours(*instruction, Rgb{0, 0, 0}, colours::kInstruction);
    const QFontMetrics metrics(instruction->font());
    instruction->setFixedHeight(2 * metrics.lineSpacing() + 18);
    static_cast<QVBoxLayout*>(layout())->addWidget(instruction);
}

void LauncherWindow::buildBody() {
    auto* body = new QHBoxLayout;
    body->setSpacing(18);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(0);
    const QFont captionFont = Face(ui::kGothicFace, 10, true);
    for (const CaseButtonPlace& place : kCaseButtonPlaces) {
        const LoadCaseEntry& entry = LoadCaseFor(place.button);

        auto* button = new ui::PanelButton(
            QString(), Rgb{255, 255, 255}, this,
            {.borderPixels = 3, .focusBorder = {255, 255, 0}, .frame = Rgb{200, 200, 200}});
        button->setObjectName(ui::FromUtf8(ui::ButtonName(static_cast<int>(place.button))));
        button->setIcon(QIcon(images::EmbeddedDiagram(ui::FromUtf8(entry.diagramFile))));
        button->setIconSize(kDiagramSize);
        button->setFixedSize(kPictureButtonSize);
        button->setAutoDefault(true);
        button->setToolTip(ui::FromUtf8(entry.caption));
        connect(button, &QPushButton::clicked, this, [this, b = place.button] { chooseCase(b); });

        auto* caption = MakeLabel(this, place.label, entry.caption, place.labelColour,
                                  colours::kCaptionGround, captionFont);
        caption->setAlignment(Qt::AlignCenter);
        caption->setFixedWidth(kPictureButtonSize.width());
        caption->setContentsMargins(0, 2, 0, 2);

        // Grid rows: buttons, captions, a gap, buttons, captions.
        grid->addWidget(button, place.row * 3, place.column);
        grid->addWidget(caption, place.row * 3 + 1, place.column);
    }
    grid->setRowMinimumHeight(2, 14);
    body->addLayout(grid);

    auto* side = new QVBoxLayout;
    auto* exit = exitButton_ = MakeColouredButton(this, "Command7", kExitText, colours::kExit);
    auto* dValue = dValueButton_ =
        MakeColouredButton(this, "Command11", kDValueText, colours::kDValue);
    side->addWidget(exit);
    side->addStretch();
    side->addWidget(dValue);
    body->addLayout(side);

    connect(exit, &QPushButton::clicked, this, [this] {
        handedOver_ = true;
        emit exitRequested();
    });
    connect(dValue, &QPushButton::clicked, this, &LauncherWindow::dValueRequested);

    static_cast<QVBoxLayout*>(layout())->addLayout(body);
}

void LauncherWindow::chooseCase(LoadCaseButton button) {
    const SheetKind kind = ChooseLoadCase(state_.loadCase, button);
    handedOver_ = true;
    emit sheetRequested(kind);
}

void LauncherWindow::keyPressEvent(QKeyEvent* event) {
    // Keys reach here when the focused control leaves them: a focused button
    // takes Enter itself, so Enter here means "no other button has the focus".
    switch (event->key()) {
    case Qt::Key_Escape:
        exitButton_->click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        dValueButton_->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

namespace {
/// The dropped beam list, or "" when the drop holds none.
QString DroppedList(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() &&
            QFileInfo(url.toLocalFile()).suffix().compare(u"csv", Qt::CaseInsensitive) == 0)
            return url.toLocalFile();
    }
    return {};
}
} // namespace

void LauncherWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedList(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void LauncherWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedList(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    emit listDropped(path);
}

void LauncherWindow::closeEvent(QCloseEvent* event) {
    // The close box ends the program as the exit button does.
    if (!handedOver_) {
        handedOver_ = true;
        emit exitRequested();
    }
    QWidget::closeEvent(event);
}

} // namespace varnok::launcher
