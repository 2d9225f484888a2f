#include "list_model.h"

#include "colour.h"
#include "qt_colour.h"

#include <QUndoCommand>

#include <algorithm>
#include <array>

namespace varnok::listwindow {

namespace {

QString Q(std::string_view s) {
    return ui::FromUtf8(s);
}

constexpr std::array<std::string_view, kResultColumns> kResultHeaders{
    "断面",       "応力度比", "許容値",     "曲げ判定", "L/δ",
    "たわみ判定", "溶接部比", "溶接部判定", "総合判定"};

bool IsVerdict(ResultColumn c) {
    return c == ResultColumn::BendingVerdict || c == ResultColumn::DeflectionVerdict ||
           c == ResultColumn::WeldVerdict || c == ResultColumn::Overall;
}

// What each result column shows of the row's record.
constexpr std::array<batch::ResultCell, kResultColumns> kCellOf{
    batch::ResultCell::Section,
    batch::ResultCell::StressRatio,
    batch::ResultCell::Limit,
    batch::ResultCell::BendingVerdict,
    batch::ResultCell::SpanOverDeflection,
    batch::ResultCell::DeflectionVerdict,
    batch::ResultCell::WeldRatio,
    batch::ResultCell::WeldVerdict,
    batch::ResultCell::Overall};

// The ground of a cell the row waits on.
constexpr Rgb kBadCell{255, 210, 210};

class CellsCommand final : public QUndoCommand {
public:
    CellsCommand(ListModel& model, std::vector<CellEdit> edits, const QString& what)
        : QUndoCommand(what)
        , model_(model)
        , after_(std::move(edits)) {
        for (const CellEdit& e : after_)
            before_.push_back({e.row, e.column, model.document().cell(e.row, e.column)});
    }
    void redo() override {
        for (const CellEdit& e : after_)
            model_.applyCell(e.row, e.column, e.text);
    }
    void undo() override {
        for (auto e = before_.rbegin(); e != before_.rend(); ++e)
            model_.applyCell(e->row, e->column, e->text);
    }

private:
    ListModel& model_;
    std::vector<CellEdit> after_;
    std::vector<CellEdit> before_;
};

/// Rows put in (`insert`) or taken out; the rows taken out are kept as they
/// were, bytes read and all, so that undoing brings the same bytes back.
class RowsCommand final : public QUndoCommand {
public:
    RowsCommand(ListModel& model, bool insert, std::vector<int> rows,
                std::vector<ListEntry> entries, const QString& what)
        : QUndoCommand(what)
        , model_(model)
        , insert_(insert)
        , rows_(std::move(rows))
        , entries_(std::move(entries)) {}
    void redo() override { insert_ ? put() : take(); }
    void undo() override { insert_ ? take() : put(); }

private:
    void put() {
        for (std::size_t i = 0; i < rows_.size(); ++i)
            model_.applyInsert(rows_[i], std::move(entries_[i]));
        entries_.clear();
    }
    void take() {
        entries_.resize(rows_.size());
        for (std::size_t i = rows_.size(); i-- > 0;)
            entries_[i] = model_.applyTake(rows_[i]);
    }

    ListModel& model_;
    bool insert_;
    std::vector<int> rows_; // ascending
    std::vector<ListEntry> entries_;
};

class MoveCommand final : public QUndoCommand {
public:
    MoveCommand(ListModel& model, int from, int to)
        : QUndoCommand(QStringLiteral("行の移動"))
        , model_(model)
        , from_(from)
        , to_(to) {}
    void redo() override { model_.applyInsert(to_, model_.applyTake(from_)); }
    void undo() override { model_.applyInsert(from_, model_.applyTake(to_)); }

private:
    ListModel& model_;
    int from_;
    int to_;
};

} // namespace

ListModel::ListModel(ListDocument document, QObject* parent)
    : QAbstractTableModel(parent)
    , document_(std::move(document)) {}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : document_.rowCount();
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : document_.columnCount() + kResultColumns;
}

QString ListModel::resultText(const ListEntry& entry, ResultColumn column) const {
    const RowResult* r = entry.verdict.result();
    if (r == nullptr)
        return column == ResultColumn::Overall ? Q(batch::kBadRowVerdict) : QString();
    return Q(r->text(kCellOf[std::size_t(column)]));
}

QString ListModel::problemAt(const QModelIndex& index) const {
    if (!index.isValid())
        return {};
    const ListEntry& entry = document_.row(index.row());
    QString text;
    for (const batch::RowProblem& p : entry.verdict.problems()) {
        // A cell's own problems; the row's verdict cells tell them all.
        if (isInput(index.column()) && p.column != index.column() + 1)
            continue;
        if (!text.isEmpty())
            text += QStringLiteral(" / ");
        text += Q(p.columnName) + QStringLiteral(": ") + Q(p.reason);
    }
    return text;
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const ListEntry& entry = document_.row(index.row());
    const int column = index.column();
    if (isInput(column)) {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return Q(document_.cell(index.row(), column));
        case Qt::BackgroundRole:
        case Qt::ToolTipRole: {
            const QString problem = problemAt(index);
            if (problem.isEmpty())
                return {};
            return role == Qt::ToolTipRole ? QVariant(problem) : QVariant(ui::ToQColor(kBadCell));
        }
        default:
            return {};
        }
    }
    const auto result = static_cast<ResultColumn>(column - document_.columnCount());
    switch (role) {
    case Qt::DisplayRole: {
        return resultText(entry, result);
    }
    case Qt::ForegroundRole: {
        if (!IsVerdict(result))
            return {};
        const QString text = resultText(entry, result);
        if (text == QStringLiteral("ＯＫ"))
            return ui::ToQColor(colour::kVerdictOk);
        if (text == QStringLiteral("ＮＧ") || !entry.verdict.result())
            return ui::ToQColor(colour::kVerdictNg);
        return {};
    }
    case Qt::ToolTipRole:
        return entry.verdict.result() ? QVariant() : QVariant(problemAt(index));
    case Qt::TextAlignmentRole:
        return result == ResultColumn::Section ? QVariant() : QVariant(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical && section < rowCount()) {
        // The row's overall verdict stays in sight however far the table scrolls.
        const ListEntry& entry = document_.row(section);
        if (role == Qt::DisplayRole)
            return QString::number(section + 1) + u' ' + resultText(entry, ResultColumn::Overall);
        if (role == Qt::ForegroundRole)
            return ui::ToQColor(entry.verdict.result() && entry.verdict.result()->passes()
                                    ? colour::kVerdictOk
                                    : colour::kVerdictNg);
    }
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (!isInput(section))
        return Q(kResultHeaders[std::size_t(section - document_.columnCount())]);
    if (const auto c = document_.columnAt(section)) {
        const batch::ColumnRow& row = batch::ColumnRowOf(*c);
        // The unit on a line of its own keeps the many number columns narrow.
        return row.unit.empty() ? Q(row.header)
                                : Q(row.header) + QStringLiteral("\n(") + Q(row.unit) + u')';
    }
    return Q(document_.header(section));
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && isInput(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool ListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !isInput(index.column()))
        return false;
    std::string text = value.toString().toStdString();
    if (text == document_.cell(index.row(), index.column()))
        return true; // no step for an edit that changed nothing
    editCells({{index.row(), index.column(), std::move(text)}}, QStringLiteral("入力"));
    return true;
}

void ListModel::editCells(std::vector<CellEdit> edits, const QString& what) {
    std::erase_if(edits, [&](const CellEdit& e) {
        return !isInput(e.column) || e.text == document_.cell(e.row, e.column);
    });
    if (!edits.empty())
        undo_.push(new CellsCommand(*this, std::move(edits), what));
}

void ListModel::addRows(int at, std::vector<std::vector<std::string>> cells, const QString& what) {
    std::vector<int> rows;
    std::vector<ListEntry> entries;
    for (std::vector<std::string>& row : cells) {
        rows.push_back(at + static_cast<int>(entries.size()));
        entries.push_back(ListDocument::NewEntry(std::move(row)));
    }
    undo_.push(new RowsCommand(*this, true, std::move(rows), std::move(entries), what));
}

void ListModel::removeRows(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (!rows.empty())
        undo_.push(new RowsCommand(*this, false, std::move(rows), {}, QStringLiteral("行の削除")));
}

void ListModel::moveRow(int from, int to) {
    if (from != to && to >= 0 && to < rowCount())
        undo_.push(new MoveCommand(*this, from, to));
}

void ListModel::applyCell(int row, int column, const std::string& text) {
    const auto [first, last] = document_.setCell(row, column, text);
    // The row headers (with the overall verdict) are repainted by the view: a
    // header change would make it measure every row of a long list again.
    emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void ListModel::applyInsert(int at, ListEntry entry) {
    beginInsertRows({}, at, at);
    document_.insertRow(at, std::move(entry));
    endInsertRows();
    allChanged();
}

void ListModel::allChanged() {
    // Lines and repeated names move with a row: every row may read otherwise.
    if (rowCount() == 0)
        return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

ListEntry ListModel::applyTake(int at) {
    beginRemoveRows({}, at, at);
    ListEntry entry = document_.takeRow(at);
    endRemoveRows();
    allChanged();
    return entry;
}

} // namespace varnok::listwindow
