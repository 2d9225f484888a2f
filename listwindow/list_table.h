#pragma once
// The table of the list window with a spreadsheet's habits: typing replaces
// the cell, F2 edits it, Enter moves down and Tab right (after an edit too),
// Delete clears the selection, Ctrl+C / Ctrl+V copy and paste ranges as
// tab-separated text, as spreadsheets put them on the clipboard.

#include <QTableView>

namespace varnok::listwindow {

class ListModel;

class ListTable final : public QTableView {
    Q_OBJECT
public:
    explicit ListTable(QWidget* parent = nullptr);

    ListModel* listModel() const;

    void copySelection();
    void paste();
    void clearSelection();
    /// Makes a cell current and selected, and shows it.
    void goTo(int row, int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void step(int rows, int columns);
};

/// The cells of tab-separated text (a spreadsheet's copy): quoted cells may
/// hold tabs, line breaks and doubled quotes.
std::vector<std::vector<QString>> ParseTabSeparated(const QString& text);
QString ToTabSeparated(const std::vector<std::vector<QString>>& cells);

} // namespace varnok::listwindow
