#include "list_table.h"

#include "list_model.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace varnok::listwindow {

std::vector<std::vector<QString>> ParseTabSeparated(const QString& text) {
    std::vector<std::vector<QString>> rows(1);
    QString cell;
    bool quoted = false;
    bool atStart = true; // a quote opens a quoted cell only as its first character
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                cell += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
            continue;
        }
        if (c == u'"' && atStart) {
            quoted = true;
            atStart = false;
        } else if (c == u'\t') {
            rows.back().push_back(cell);
            cell.clear();
            atStart = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            rows.back().push_back(cell);
            cell.clear();
            rows.emplace_back();
            atStart = true;
        } else {
            cell += c;
            atStart = false;
        }
    }
    if (!cell.isEmpty() || !rows.back().empty())
        rows.back().push_back(cell);
    if (rows.back().empty())
        rows.pop_back(); // the line end after the last row
    return rows;
}

QString ToTabSeparated(const std::vector<std::vector<QString>>& cells) {
    QString text;
    for (const std::vector<QString>& row : cells) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                text += u'\t';
            QString cell = row[c];
            if (cell.contains(u'\t') || cell.contains(u'\n') || cell.contains(u'\r') ||
                cell.startsWith(u'"'))
                cell = u'"' + cell.replace(u'"', QStringLiteral("\"\"")) + u'"';
            text += cell;
        }
        text += u'\n';
    }
    return text;
}

ListTable::ListTable(QWidget* parent)
    : QTableView(parent) {
    setObjectName(QStringLiteral("listTable"));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::DoubleClicked);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(true);
}

ListModel* ListTable::listModel() const {
    return static_cast<ListModel*>(model());
}

void ListTable::goTo(int row, int column) {
    const QModelIndex index = model()->index(row, column);
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    scrollTo(index);
}

void ListTable::step(int rows, int columns) {
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    const int row = std::clamp(current.row() + rows, 0, model()->rowCount() - 1);
    const int column = std::clamp(current.column() + columns, 0, model()->columnCount() - 1);
    goTo(row, column);
}

void ListTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Enter ends the edit and moves down, Tab right, as in a spreadsheet: the
    // next cell is current, not opened for editing.
    QTableView::closeEditor(editor, hint == QAbstractItemDelegate::RevertModelCache
                                        ? hint
                                        : QAbstractItemDelegate::NoHint);
    if (hint == QAbstractItemDelegate::SubmitModelCache)
        step(1, 0);
    else if (hint == QAbstractItemDelegate::EditNextItem)
        step(0, 1);
    else if (hint == QAbstractItemDelegate::EditPreviousItem)
        step(0, -1);
}

void ListTable::keyPressEvent(QKeyEvent* event) {
    if (state() != QAbstractItemView::EditingState) {
        if (event->matches(QKeySequence::Copy)) {
            copySelection();
            return;
        }
        if (event->matches(QKeySequence::Paste)) {
            paste();
            return;
        }
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            step(event->modifiers() & Qt::ShiftModifier ? -1 : 1, 0);
            return;
        case Qt::Key_Tab:
            step(0, 1);
            return;
        case Qt::Key_Backtab:
            step(0, -1);
            return;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            clearSelection();
            return;
        default:
            break;
        }
    }
    QTableView::keyPressEvent(event);
}

void ListTable::copySelection() {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    int top = selected.front().row(), bottom = top, left = selected.front().column(), right = left;
    for (const QModelIndex& i : selected) {
        top = std::min(top, i.row());
        bottom = std::max(bottom, i.row());
        left = std::min(left, i.column());
        right = std::max(right, i.column());
    }
    std::vector<std::vector<QString>> cells;
    for (int r = top; r <= bottom; ++r) {
        cells.emplace_back();
        for (int c = left; c <= right; ++c)
            cells.back().push_back(model()->index(r, c).data().toString());
    }
    QApplication::clipboard()->setText(ToTabSeparated(cells));
}

void ListTable::paste() {
    const std::vector<std::vector<QString>> cells =
        ParseTabSeparated(QApplication::clipboard()->text());
    const QModelIndex current = currentIndex();
    if (cells.empty() || !current.isValid())
        return;
    std::vector<CellEdit> edits;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (cells.size() == 1 && cells[0].size() == 1 && selected.size() > 1) {
        // One value over a selection fills it, as a spreadsheet does.
        for (const QModelIndex& i : selected)
            edits.push_back({i.row(), i.column(), cells[0][0].toStdString()});
    } else {
        for (std::size_t r = 0; r < cells.size(); ++r) {
            const int row = current.row() + static_cast<int>(r);
            if (row >= model()->rowCount())
                break;
            for (std::size_t c = 0; c < cells[r].size(); ++c)
                edits.push_back({row, current.column() + static_cast<int>(c), cells[r][c].toStdString()});
        }
    }
    listModel()->editCells(std::move(edits), QStringLiteral("貼り付け"));
}

void ListTable::clearSelection() {
    std::vector<CellEdit> edits;
    for (const QModelIndex& i : selectionModel()->selectedIndexes())
        edits.push_back({i.row(), i.column(), {}});
    listModel()->editCells(std::move(edits), QStringLiteral("削除"));
}

} // namespace varnok::listwindow
