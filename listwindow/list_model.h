#pragma once
// The beam list as a table: the list's own columns, editable, then each row's
// results as the engine gives them. Every change goes through the undo stack.

#include "list_document.h"

#include <QAbstractTableModel>
#include <QUndoStack>

namespace varnok::listwindow {

/// The result columns after the list's own.
enum class ResultColumn {
    Section,
    StressRatio,
    Limit,
    BendingVerdict,
    SpanOverDeflection,
    DeflectionVerdict,
    WeldRatio,
    WeldVerdict,
    Overall,
};
inline constexpr int kResultColumns = static_cast<int>(ResultColumn::Overall) + 1;

struct CellEdit {
    int row = 0;
    int column = 0;
    std::string text; // UTF-8
};

class ListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ListModel(ListDocument document, QObject* parent = nullptr);

    const ListDocument& document() const { return document_; }
    QUndoStack& undoStack() { return undo_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    /// Whether a column is one of the list's own (an input, editable).
    bool isInput(int column) const { return column < document_.columnCount(); }
    /// What is wrong with a cell, in Japanese; "" when nothing.
    QString problemAt(const QModelIndex& index) const;

    /// Each a single step of the undo stack.
    void editCells(std::vector<CellEdit> edits, const QString& what);
    /// New rows of these cells from row `at` on.
    void addRows(int at, std::vector<std::vector<std::string>> rows, const QString& what);
    void removeRows(std::vector<int> rows);
    void moveRow(int from, int to);

    /// Raw steps for the undo commands (no undo step of their own).
    void applyCell(int row, int column, const std::string& text);
    void applyInsert(int at, ListEntry entry);
    ListEntry applyTake(int at);

private:
    void allChanged();
    QString resultText(const ListEntry& entry, ResultColumn column) const;

    ListDocument document_;
    QUndoStack undo_;
};

} // namespace varnok::listwindow
