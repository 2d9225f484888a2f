#pragma once
// How the windows reach the open sheet: controls addressed by their names
// ("Text24", "Label63", "Command6", "Option2" ...). The sheets provide this
// over their real controls, the tests over MemorySheet.

#include "colour.h"
#include "sheet_kind.h"

#include <string>
#include <string_view>

namespace varnok {

class SheetAccess {
public:
    virtual ~SheetAccess() = default;

    /// A field's text (UTF-8); "" for a control the sheet lacks.
    virtual std::string text(std::string_view control) const = 0;
    /// Writes a field's text; a control the sheet lacks is passed over.
    virtual void setText(std::string_view control, std::string_view text) = 0;
    /// Writes a label's caption.
    virtual void setCaption(std::string_view control, std::string_view caption) = 0;
    virtual void setForeColour(std::string_view control, Rgb colour) = 0;
    virtual void setBackColour(std::string_view control, Rgb colour) = 0;
    /// Whether an option button is selected; false for a control the sheet lacks.
    virtual bool isSelected(std::string_view control) const = 0;
};

} // namespace varnok
