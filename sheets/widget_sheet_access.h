#pragma once
// SheetAccess over the real controls of a sheet window: each control is found
// by its objectName once and remembered. A control the window lacks reads ""
// (or not selected) and ignores writes.

#include "sheet_access.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <optional>
#include <string>

namespace varnok::sheets {

class WidgetSheetAccess final : public SheetAccess {
public:
    explicit WidgetSheetAccess(QWidget& window)
        : window_(window) {}

    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    void setCaption(std::string_view control, std::string_view caption) override;
    void setForeColour(std::string_view control, Rgb colour) override;
    void setBackColour(std::string_view control, Rgb colour) override;
    bool isSelected(std::string_view control) const override;

    /// The control of that name, or nullptr.
    QWidget* control(std::string_view name) const;
    void setVisible(std::string_view control, bool visible);
    void setFocus(std::string_view control);
    /// The colour last painted on the control (by the sheet or the engine).
    std::optional<Rgb> backColour(std::string_view control) const;
    std::optional<Rgb> foreColour(std::string_view control) const;

private:
    QWidget& window_;
    mutable std::map<std::string, QPointer<QWidget>, std::less<>> found_;
};

} // namespace varnok::sheets
