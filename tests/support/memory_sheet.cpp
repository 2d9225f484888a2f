#include "memory_sheet.h"

namespace varnok {

std::string MemorySheet::text(std::string_view control) const {
    const Control* c = find(control);
    return c != nullptr ? c->text : std::string();
}

void MemorySheet::setText(std::string_view control, std::string_view text) {
    at(control).text.assign(text);
}

void MemorySheet::setCaption(std::string_view control, std::string_view caption) {
    at(control).text.assign(caption);
}

void MemorySheet::setForeColour(std::string_view control, Rgb colour) {
    at(control).fore = colour;
}

void MemorySheet::setBackColour(std::string_view control, Rgb colour) {
    at(control).back = colour;
}

bool MemorySheet::isSelected(std::string_view control) const {
    const Control* c = find(control);
    return c != nullptr && c->selected;
}

void MemorySheet::select(std::string_view option) {
    static constexpr std::string_view kDuration[] = {"Option1", "Option2"};
    static constexpr std::string_view kSeries[] = {"Option3", "Option4", "Option5"};
    auto selectIn = [&](auto& group) {
        for (std::string_view name : group) {
            if (name == option) {
                for (std::string_view other : group)
                    at(other).selected = (other == option);
                return true;
            }
        }
        return false;
    };
    if (!selectIn(kDuration) && !selectIn(kSeries))
        at(option).selected = true;
}

MemorySheet::Control& MemorySheet::at(std::string_view control) {
    auto it = controls_.find(control);
    if (it == controls_.end())
        it = controls_.emplace(std::string(control), Control{}).first;
    return it->second;
}

const MemorySheet::Control* MemorySheet::find(std::string_view control) const {
    const auto it = controls_.find(control);
    return it != controls_.end() ? &it->second : nullptr;
}

MemorySheet MemorySheet::withDefaults() {
    MemorySheet sheet;
    sheet.select("Option1");
    sheet.select("Option3");
    return sheet;
}

} // namespace varnok
