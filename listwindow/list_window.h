#pragma once
// The list window (梁リスト): the beam list as the engineer's project. Every
// row's verdict is live; a row opens in its design sheet and comes back; the
// list is saved as it was read, and the calc book is made from it.

#include "list_model.h"
#include "report_services.h"
#include "sheet_link.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class QAction;
class QLabel;

namespace varnok::listwindow {

class ListTable;

/// What the window needs to open the design sheets.
struct ListWindowServices {
    ProgramState* state = nullptr; // the program-wide records the sheets work on
    reports::ReportServices reports;
};

class ListWindow final : public QMainWindow {
    Q_OBJECT
public:
    /// A window on a list already read; `path` empty for a list not yet saved.
    ListWindow(ListDocument document, QString path, ListWindowServices services,
               QWidget* parent = nullptr);
    ~ListWindow() override;

    /// Reads the file and opens a window on it (deleted on close); nullptr
    /// after telling the user why the file is no list.
    static ListWindow* Open(const QString& path, ListWindowServices services);
    /// A new, unsaved list from the template.
    static ListWindow* NewFromTemplate(ListWindowServices services);

    ListTable* table() const { return table_; }
    ListModel* model() const { return model_; }
    const QString& path() const { return path_; }
    /// The sheet opened from this window, while it is open.
    sheets::DesignSheet* sheet() const { return sheet_; }

    bool save();
    bool saveAs();
    void openInSheet();
    void addFromSheet(LoadCaseButton arrangement);
    void addRow(LoadCaseButton arrangement);
    void duplicateRows();
    void deleteRows();
    void moveRow(int delta);
    void makeBook();

signals:
    /// "新規" or "開く" opened another list window.
    void listOpened(varnok::listwindow::ListWindow* window);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildActions();
    void updateTitle();
    void updateStatus();
    std::vector<int> selectedRows() const;
    /// Writes the list to `path`; asks first when the file there changed since
    /// it was read or written here.
    bool writeTo(const QString& path);
    /// Opens a sheet of that arrangement; `row` the list row it stands for, or -1.
    void openSheet(LoadCaseButton arrangement, int row);
    void sheetClosed();
    /// "変更を保存しますか？" for a list with unsaved changes; false to stay.
    bool mayDiscard();

    ListWindowServices services_;
    QString path_;
    // SHA-256 of the file's bytes as read or last written here.
    std::optional<QByteArray> diskDigest_;
    ListModel* model_;
    ListTable* table_;
    QLabel* counts_;

    // The sheet opened from a row (or to add one).
    QPointer<sheets::DesignSheet> sheet_;
    int sheetRow_ = -1;
    LoadCaseButton sheetArrangement_ = LoadCaseButton::OnePoint;
    std::optional<SheetInputs> typedIn_;    // what the sheet calculated from the row
    std::optional<SheetInputs> calculated_; // its last successful calculation
};

} // namespace varnok::listwindow
