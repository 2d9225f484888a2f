#pragma once
// A sheet held in memory: a plain map of controls, for the tests of what the
// sheets write into their controls.

#include "sheet_access.h"

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

namespace varnok {

class MemorySheet final : public SheetAccess {
public:
    struct Control {
        std::string text; // a field's text or a label's caption
        std::optional<Rgb> fore;
        std::optional<Rgb> back;
        bool selected = false;
    };

    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    void setCaption(std::string_view control, std::string_view caption) override;
    void setForeColour(std::string_view control, Rgb colour) override;
    void setBackColour(std::string_view control, Rgb colour) override;
    bool isSelected(std::string_view control) const override;

    /// Selects one option button and clears the others of its group
    /// (Option1/2 the duration, Option3/4/5 the series).
    void select(std::string_view option);

    /// The control, created on first use.
    Control& at(std::string_view control);
    const Control* find(std::string_view control) const;

    /// A fresh sheet with the defaults of the design sheets: long term, narrow series.
    static MemorySheet withDefaults();

private:
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    std::unordered_map<std::string, Control, NameHash, std::equal_to<>> controls_;
};

} // namespace varnok
