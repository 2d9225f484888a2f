#include "list_window.h"

#include "batch_job.h"
#include "list_table.h"
#include "message_box.h"
#include "modal.h"
#include "qt_colour.h"
#include "summary_window.h"
#include "text_report_file.h"
#include "window_placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCryptographicHash>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <array>

namespace varnok::listwindow {

namespace {

const QString kTitle = QStringLiteral("梁リスト");
const QString kFilter = QStringLiteral("梁リスト (*.csv *.CSV)");

constexpr std::array kArrangements{LoadCaseButton::OnePoint,    LoadCaseButton::TwoPoints,
                                   LoadCaseButton::ThreePoints, LoadCaseButton::FourPoints,
                                   LoadCaseButton::UniformOnly, LoadCaseButton::Cantilever};

QString Q(std::string_view s) {
    return ui::FromUtf8(s);
}

/// What the file held, to tell whether another program changed it since: its
/// digest rather than a second copy of a long list.
QByteArray Digest(std::string_view bytes) {
    return QCryptographicHash::hash(QByteArrayView(bytes.data(), qsizetype(bytes.size())),
                                    QCryptographicHash::Sha256);
}

} // namespace

ListWindow::ListWindow(ListDocument document, QString path, ListWindowServices services,
                       QWidget* parent)
    : QMainWindow(parent)
    , services_(services)
    , path_(std::move(path))
    , model_(new ListModel(std::move(document), this))
    , table_(new ListTable(this))
    , counts_(new QLabel(this)) {
    setObjectName(QStringLiteral("s_list"));
    if (!path_.isEmpty()) {
        if (FileResult<std::string> bytes = model_->document().bytes())
            diskDigest_ = Digest(*bytes);
    }
    table_->setModel(model_);
    setCentralWidget(table_);
    counts_->setObjectName(QStringLiteral("counts"));
    statusBar()->addPermanentWidget(counts_);
    buildActions();

    // Columns as wide as their headers and their usual contents, measured once:
    // a long list must not be read through for its widths.
    const QFontMetrics metrics(table_->font());
    for (int c = 0; c < model_->columnCount(); ++c) {
        int width = 0;
        for (const QString& line :
             model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().split(u'\n'))
            width = std::max(width, metrics.horizontalAdvance(line));
        for (int r = 0; r < std::min(model_->rowCount(), 50); ++r)
            width =
                std::max(width, metrics.horizontalAdvance(model_->index(r, c).data().toString()));
        if (c == model_->columnCount() - 1) // the overall verdict of a row that waits
            width = std::max(width, metrics.horizontalAdvance(QStringLiteral("入力エラー")));
        table_->setColumnWidth(c, std::min(width + 12, 160));
    }
    table_->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    // Row headers wide enough for any row's number and verdict, once: measuring
    // them as verdicts change would read through the whole list.
    table_->verticalHeader()->setFixedWidth(
        metrics.horizontalAdvance(QString(QString::number(model_->rowCount() + 100).size(), u'9') +
                                  QStringLiteral(" 入力エラー")) +
        12);
    connect(model_, &QAbstractItemModel::dataChanged, this,
            [header = table_->verticalHeader()](const QModelIndex& first, const QModelIndex& last) {
                const int top = header->sectionViewportPosition(first.row());
                const int bottom =
                    header->sectionViewportPosition(last.row()) + header->sectionSize(last.row());
                header->viewport()->update(0, top, header->width(), bottom - top);
            });

    connect(&model_->undoStack(), &QUndoStack::cleanChanged, this, &ListWindow::updateTitle);
    connect(model_, &QAbstractItemModel::dataChanged, this, &ListWindow::updateStatus);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &ListWindow::updateStatus);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &ListWindow::updateStatus);
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ListWindow::updateStatus);
    updateTitle();
    resize(1360, 640);
    // Typing starts at once: the first beam's first cell is current.
    table_->goTo(0, 0);
    table_->setFocus();
    updateStatus();
    if (!model_->document().warning().empty())
        statusBar()->showMessage(Q(model_->document().warning()));
}

ListWindow::~ListWindow() {
    if (sheet_)
        sheet_->close();
}

ListWindow* ListWindow::Open(const QString& path, ListWindowServices services) {
    const FileResult<QByteArray> bytes = batch::ReadList(path);
    if (!bytes) {
        ui::ShowMessage(nullptr, bytes.reason(), kTitle, ui::MessageIcon::Exclamation);
        return nullptr;
    }
    std::optional<ListDocument> document = ListDocument::Read(bytes->toStdString());
    if (document->error()) {
        const QString reason = Q(*document->error());
        ui::ShowMessage(nullptr,
                        QStringLiteral("梁リスト「%1」を開けません。\n%2")
                            .arg(QDir::toNativeSeparators(path), reason),
                        kTitle, ui::MessageIcon::Exclamation);
        return nullptr;
    }
    auto* window =
        new ListWindow(std::move(*document), QFileInfo(path).absoluteFilePath(), services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

ListWindow* ListWindow::NewFromTemplate(ListWindowServices services) {
    QFile file(QStringLiteral(":/listwindow/beam_list_template.csv"));
    file.open(QIODevice::ReadOnly);
    auto* window = new ListWindow(ListDocument::Read(file.readAll().toStdString()), {}, services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

void ListWindow::buildActions() {
    auto action = [this](const char* name, const QString& text, auto slot, QKeySequence key = {}) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto arrangementMenu = [this](const char* name, auto slot) {
        auto* menu = new QMenu(this);
        menu->setObjectName(QString::fromLatin1(name));
        for (LoadCaseButton arrangement : kArrangements) {
            QAction* a = menu->addAction(Q(batch::ArrangementName(arrangement)));
            connect(a, &QAction::triggered, this,
                    [this, slot, arrangement] { (this->*slot)(arrangement); });
        }
        return menu;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->addAction(action(
        "actionNew", QStringLiteral("新規(&N)"),
        [this] {
            ListWindow* window = NewFromTemplate(services_);
            emit listOpened(window);
            ui::PlaceCentredOnScreen(window);
            window->show();
        },
        QKeySequence::New));
    file->addAction(action(
        "actionOpen", QStringLiteral("開く(&O)..."),
        [this] {
            const QString path = QFileDialog::getOpenFileName(
                this, QStringLiteral("梁リストを開く"), QFileInfo(path_).absolutePath(), kFilter);
            if (path.isEmpty())
                return;
            if (ListWindow* window = Open(path, services_)) {
                emit listOpened(window);
                window->show();
            }
        },
        QKeySequence::Open));
    file->addAction(action("actionSave", QStringLiteral("上書き保存(&S)"), &ListWindow::save,
                           QKeySequence::Save));
    file->addAction(action("actionSaveAs", QStringLiteral("名前を付けて保存(&A)..."),
                           &ListWindow::saveAs, QKeySequence::SaveAs));
    file->addSeparator();
    file->addAction(
        action("actionClose", QStringLiteral("閉じる(&C)"), &QWidget::close, QKeySequence::Close));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    QAction* undo = model_->undoStack().createUndoAction(this, QStringLiteral("元に戻す"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = model_->undoStack().createRedoAction(this, QStringLiteral("やり直し"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    edit->addAction(
        action("actionCopy", QStringLiteral("コピー(&C)"), [this] { table_->copySelection(); }));
    edit->addAction(
        action("actionPaste", QStringLiteral("貼り付け(&P)"), [this] { table_->paste(); }));
    edit->addAction(
        action("actionClear", QStringLiteral("クリア"), [this] { table_->clearSelection(); }));

    QToolBar* bar = addToolBar(QStringLiteral("梁"));
    bar->setObjectName(QStringLiteral("toolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(action("openInSheet", QStringLiteral("シートで開く"), &ListWindow::openInSheet,
                          QKeySequence(Qt::CTRL | Qt::Key_Return)));
    auto menuButton = [&](const char* name, const QString& text, QMenu* menu) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(text);
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        bar->addWidget(button);
    };
    menuButton("addFromSheet", QStringLiteral("シートで追加"),
               arrangementMenu("addFromSheetMenu", &ListWindow::addFromSheet));
    bar->addSeparator();
    menuButton("addRow", QStringLiteral("行を追加"),
               arrangementMenu("addRowMenu", &ListWindow::addRow));
    bar->addAction(action("duplicateRow", QStringLiteral("複製"), &ListWindow::duplicateRows,
                          QKeySequence(Qt::CTRL | Qt::Key_D)));
    bar->addAction(action("deleteRow", QStringLiteral("行を削除"), &ListWindow::deleteRows,
                          QKeySequence(Qt::CTRL | Qt::Key_Minus)));
    bar->addAction(action(
        "moveUp", QStringLiteral("上へ"), [this] { moveRow(-1); },
        QKeySequence(Qt::ALT | Qt::Key_Up)));
    bar->addAction(action(
        "moveDown", QStringLiteral("下へ"), [this] { moveRow(1); },
        QKeySequence(Qt::ALT | Qt::Key_Down)));
    bar->addSeparator();
    bar->addAction(action("save", QStringLiteral("保存"), &ListWindow::save));
    bar->addAction(action("makeBook", QStringLiteral("計算書を作成"), &ListWindow::makeBook));
}

void ListWindow::updateTitle() {
    const QString name = path_.isEmpty() ? QStringLiteral("無題") : QFileInfo(path_).fileName();
    setWindowTitle(name + QStringLiteral("[*] - ") + kTitle);
    setWindowModified(path_.isEmpty() || !model_->undoStack().isClean());
}

void ListWindow::updateStatus() {
    const ListDocument::Tally& tally = model_->document().tally();
    counts_->setText(QStringLiteral("梁 %1 本: ＯＫ %2 / ＮＧ %3 / 入力エラー %4")
                         .arg(model_->rowCount())
                         .arg(tally.passed)
                         .arg(tally.failed)
                         .arg(tally.bad));
    const QString problem = model_->problemAt(table_->currentIndex());
    if (problem.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(problem);
}

std::vector<int> ListWindow::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& i : table_->selectionModel()->selectedIndexes())
        rows.push_back(i.row());
    if (rows.empty() && table_->currentIndex().isValid())
        rows.push_back(table_->currentIndex().row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void ListWindow::addRow(LoadCaseButton arrangement) {
    std::vector<std::string> cells(std::size_t(model_->document().columnCount()));
    if (const int c = model_->document().positionOf(batch::Column::Arrangement); c >= 0)
        cells[std::size_t(c)] = std::string(batch::ArrangementName(arrangement));
    const QModelIndex current = table_->currentIndex();
    const int at = current.isValid() ? current.row() + 1 : model_->rowCount();
    model_->addRows(at, {std::move(cells)}, QStringLiteral("行の追加"));
    table_->goTo(at, std::max(0, model_->document().positionOf(batch::Column::MemberName)));
}

void ListWindow::duplicateRows() {
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return;
    std::vector<std::vector<std::string>> copies;
    for (int r : rows)
        copies.push_back(model_->document().cells(r));
    model_->addRows(rows.back() + 1, std::move(copies), QStringLiteral("行の複製"));
    table_->goTo(rows.back() + 1, table_->currentIndex().column());
}

void ListWindow::deleteRows() {
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return;
    const int column = std::max(0, table_->currentIndex().column());
    model_->removeRows(rows);
    if (model_->rowCount() > 0)
        table_->goTo(std::min(rows.front(), model_->rowCount() - 1), column);
}

void ListWindow::moveRow(int delta) {
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid())
        return;
    const int to = current.row() + delta;
    if (to < 0 || to >= model_->rowCount())
        return;
    model_->moveRow(current.row(), to);
    table_->goTo(to, current.column());
}

bool ListWindow::save() {
    return path_.isEmpty() ? saveAs() : writeTo(path_);
}

bool ListWindow::saveAs() {
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("名前を付けて保存"),
        path_.isEmpty() ? QDir::homePath() + QStringLiteral("/梁リスト.csv") : path_, kFilter);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    if (QFileInfo(path).absoluteFilePath() != path_)
        diskDigest_.reset(); // the dialog asked about replacing another file
    const QString old = path_;
    path_ = QFileInfo(path).absoluteFilePath();
    if (!writeTo(path_)) {
        path_ = old;
        return false;
    }
    return true;
}

bool ListWindow::writeTo(const QString& path) {
    const FileResult<std::string> bytes = model_->document().bytes();
    if (!bytes) {
        ui::ShowMessage(this, QStringLiteral("保存できません。\n") + bytes.reason(), kTitle,
                        ui::MessageIcon::Exclamation);
        return false;
    }
    if (diskDigest_ && QFileInfo::exists(path)) {
        const FileResult<QByteArray> now = batch::ReadList(path);
        if (!now ||
            Digest(std::string_view(now->constData(), std::size_t(now->size()))) != *diskDigest_) {
            const auto answer = ui::AskQuestion(
                this,
                QStringLiteral("「%1」は開いた後でほかのプログラムにより変更されています。\n"
                               "上書きしますか？")
                    .arg(QFileInfo(path).fileName()),
                kTitle, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
            if (answer != QMessageBox::Yes)
                return false;
        }
    }
    const FileOutcome outcome = reports::WriteReportFile(path, QByteArray::fromStdString(*bytes));
    if (!outcome) {
        ui::ShowMessage(this,
                        QStringLiteral("梁リスト「%1」を保存できませんでした。\n%2")
                            .arg(QDir::toNativeSeparators(path), outcome.reason()),
                        kTitle, ui::MessageIcon::Exclamation);
        return false;
    }
    diskDigest_ = Digest(*bytes);
    model_->undoStack().setClean();
    updateTitle();
    statusBar()->showMessage(QStringLiteral("保存しました: ") + QDir::toNativeSeparators(path),
                             5000);
    return true;
}

bool ListWindow::mayDiscard() {
    if (!isWindowModified())
        return true;
    const auto answer = ui::AskQuestion(
        this,
        QStringLiteral("「%1」の変更を保存しますか？")
            .arg(path_.isEmpty() ? QStringLiteral("無題") : QFileInfo(path_).fileName()),
        kTitle, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (!answer || *answer == QMessageBox::Cancel)
        return false;
    return *answer == QMessageBox::Discard || save();
}

void ListWindow::closeEvent(QCloseEvent* event) {
    if (sheet_ || !mayDiscard()) {
        if (sheet_)
            sheet_->raise();
        event->ignore();
        return;
    }
    event->accept();
}

void ListWindow::makeBook() {
    // The book names the list's file: it is saved first.
    if ((isWindowModified() || path_.isEmpty()) && !save())
        return;
    batch::JobOptions options;
    options.list = path_;
    auto* window = new batch::SummaryWindow(options, this);
    window->show();
    QApplication::processEvents();
    const QPointer<ListWindow> alive = this;
    window->run();
    if (alive)
        ui::ExecOwned(window);
}

void ListWindow::openInSheet() {
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid())
        return;
    const batch::ListRow row = model_->document().interpret(current.row());
    if (!row.beam) {
        ui::ShowMessage(
            this,
            QStringLiteral("この行はまだシートで開けません。\n") +
                model_->problemAt(model_->index(current.row(), model_->document().columnCount())),
            kTitle, ui::MessageIcon::Exclamation);
        return;
    }
    openSheet(row.beam->arrangement, current.row());
    if (!sheet_)
        return;
    TypeRowIntoSheet(*sheet_, *row.beam);
    typedIn_ = calculated_;
}

void ListWindow::addFromSheet(LoadCaseButton arrangement) {
    openSheet(arrangement, -1);
}

void ListWindow::openSheet(LoadCaseButton arrangement, int row) {
    if (sheet_ || services_.state == nullptr)
        return;
    ProgramState& state = *services_.state;
    const SheetKind kind = ChooseLoadCase(state.loadCase, arrangement);
    auto* sheet = new sheets::DesignSheet(state, kind, services_.reports);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet_ = sheet;
    sheetRow_ = row;
    sheetArrangement_ = arrangement;
    typedIn_.reset();
    calculated_.reset();
    connect(sheet, &sheets::DesignSheet::checked, this,
            [this, sheet](bool inputsRead, bool automatic) {
                SheetInputs now = InputsShown(*sheet, sheetArrangement_, automatic);
                // ↑/↓ and the options recheck the inputs the last "計算" read.
                if (!inputsRead && calculated_)
                    now.texts = calculated_->texts;
                calculated_ = now;
            });
    connect(sheet, &QObject::destroyed, this,
            [this] { QTimer::singleShot(0, this, &ListWindow::sheetClosed); });
    // The list waits while its beam is on the sheet.
    setEnabled(false);
    sheet->openSheet();
}

void ListWindow::sheetClosed() {
    setEnabled(true);
    activateWindow();
    const int row = sheetRow_;
    sheetRow_ = -1;
    if (!calculated_ || (typedIn_ && calculated_->sameAs(*typedIn_)))
        return;
    const SheetInputs now = *calculated_;
    std::vector<std::string> missing;
    if (row >= 0) {
        const auto answer = ui::AskQuestion(this, QStringLiteral("一覧に反映しますか？"), kTitle,
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes)
            return;
        model_->editCells(EditsFor(model_->document(), row, now, *typedIn_, missing),
                          QStringLiteral("シートから反映"));
        table_->goTo(row, table_->currentIndex().column());
    } else {
        const int at = model_->rowCount();
        model_->addRows(at, {CellsFor(model_->document(), now, missing)},
                        QStringLiteral("シートで追加"));
        table_->goTo(at, 0);
    }
    if (!missing.empty()) {
        QString names;
        for (const std::string& m : missing)
            names += QStringLiteral("「") + Q(m) + QStringLiteral("」");
        ui::ShowMessage(this,
                        QStringLiteral("この梁リストには列") + names +
                            QStringLiteral("がないため、その値は反映していません。"),
                        kTitle, ui::MessageIcon::Exclamation);
    }
}

} // namespace varnok::listwindow
