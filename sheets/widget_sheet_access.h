#pragma once
// SheetAccess over the real controls of a sheet window: each control is found
// by its objectName once and remembered. A control the window lacks reads ""
// (or not selected) and ignores writes; its name is kept, so that a misspelt
// name in the wiring or the engine fails a test instead of doing nothing.

#include "sheet_access.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <optional>
#include <set>
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
    /// The control of that name and type, which the window's wiring cannot do
    /// without: a name the window lacks, or a control of another type, asserts in
    /// debug builds and is kept among the misses; nullptr then.
    template <class T> T* wired(std::string_view name) const {
        auto* w = qobject_cast<T*>(control(name));
        if (w == nullptr)
            missWired(name, T::staticMetaObject.className());
        return w;
    }
    /// Every name asked for that found no control (or, through `wired`, none of
    /// the type asked for), once each, sorted.
    const std::set<std::string, std::less<>>& misses() const { return misses_; }
    void setVisible(std::string_view control, bool visible);
    void setFocus(std::string_view control);
    /// The colour last painted on the control (by the sheet or the engine).
    std::optional<Rgb> backColour(std::string_view control) const;
    std::optional<Rgb> foreColour(std::string_view control) const;

private:
    void missWired(std::string_view name, const char* type) const;

    QWidget& window_;
    mutable std::map<std::string, QPointer<QWidget>, std::less<>> found_;
    mutable std::set<std::string, std::less<>> misses_;
};

} // namespace varnok::sheets
