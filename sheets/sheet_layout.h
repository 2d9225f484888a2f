#pragma once
// A design sheet as data: one row per control (name, kind, initial text,
// geometry, colours, font), grouped in blocks that the three sheets place at
// their own offsets. The window is built from these rows (sheet_builder.h).
// Geometry is in logical pixels at 100 % scaling; a block's rows are relative
// to the block's top left corner.

#include "colour.h"
#include "sheet_access.h"

#include <optional>
#include <span>
#include <string_view>

namespace varnok::sheets {

enum class ControlKind {
    Label,    // caption
    Exponent, // raised caption in the smaller face
    Field,    // typed input, white, tab stop
    Total,    // computed total: locked, light cyan, tab stop
    Display,  // result field: grey box, no tab stop
    Fixed,    // fixed figure drawn on the form (fraction digits, limits): no box
    Hint,     // hint box: yellow, never takes the focus
    Button,
    Option,  // option button inside a frame
    Frame,   // framed group of option buttons
    Picture, // the loading diagram
    Line,    // fraction bar
    Hidden,  // hidden field (the print typeface flag)
};

enum class Align { Default, Left, Centre, Right };

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

inline constexpr int kRowHeight = 22;     // px, one text line of the form
inline constexpr int kTextPixels = 14;    // px, the form's face
inline constexpr int kSmallPixels = 11;   // px, exponents
inline constexpr int kHeadingPixels = 13; // px, bold: headings over fields ("kN/㎡" readable)
inline constexpr int kLargePixels = 20;   // px, titles and verdicts

struct ControlSpec {
    std::string_view name;
    ControlKind kind = ControlKind::Label;
    std::string_view text;
    Rect rect;
    std::string_view parent; // the frame of an option button, else empty
    std::optional<Rgb> fore;
    std::optional<Rgb> back;
    int pixels = 0; // font size; 0 takes the kind's size
    bool bold = false;
    Align align = Align::Default;
    bool visible = true;
    bool checked = false; // an option button selected from the start
    bool shadowed =
        false; // light text on the same light ground as the sheet: a dark shadow keeps it readable

    constexpr ControlSpec colours(std::optional<Rgb> f, std::optional<Rgb> b) const {
        ControlSpec c = *this;
        c.fore = f;
        c.back = b;
        return c;
    }
    constexpr ControlSpec font(int px, bool isBold = false) const {
        ControlSpec c = *this;
        c.pixels = px;
        c.bold = isBold;
        return c;
    }
    constexpr ControlSpec aligned(Align a) const {
        ControlSpec c = *this;
        c.align = a;
        return c;
    }
    constexpr ControlSpec hidden() const {
        ControlSpec c = *this;
        c.visible = false;
        return c;
    }
    constexpr ControlSpec selected() const {
        ControlSpec c = *this;
        c.checked = true;
        return c;
    }
    constexpr ControlSpec withShadow() const {
        ControlSpec c = *this;
        c.shadowed = true;
        return c;
    }
    constexpr ControlSpec in(std::string_view frame) const {
        ControlSpec c = *this;
        c.parent = frame;
        return c;
    }
};

constexpr ControlSpec Make(ControlKind kind, std::string_view name, std::string_view text, int x,
                           int y, int w, int h) {
    ControlSpec c;
    c.name = name;
    c.kind = kind;
    c.text = text;
    c.rect = {x, y, w, h};
    return c;
}
constexpr ControlSpec Label(std::string_view name, std::string_view text, int x, int y, int w,
                            int h = kRowHeight) {
    return Make(ControlKind::Label, name, text, x, y, w, h);
}
/// A heading over a field: small face, centred.
constexpr ControlSpec Heading(std::string_view name, std::string_view text, int x, int y, int w) {
    return Make(ControlKind::Label, name, text, x, y, w, 16)
        .font(kHeadingPixels, true)
        .aligned(Align::Centre);
}
constexpr ControlSpec Exponent(std::string_view name, std::string_view text, int x, int y) {
    return Make(ControlKind::Exponent, name, text, x, y, 12, 14);
}
constexpr ControlSpec Field(std::string_view name, int x, int y, int w,
                            std::string_view text = {}) {
    return Make(ControlKind::Field, name, text, x, y, w, kRowHeight);
}
constexpr ControlSpec Total(std::string_view name, int x, int y, int w) {
    return Make(ControlKind::Total, name, {}, x, y, w, kRowHeight);
}
constexpr ControlSpec Display(std::string_view name, int x, int y, int w,
                              std::string_view text = {}) {
    return Make(ControlKind::Display, name, text, x, y, w, kRowHeight);
}
constexpr ControlSpec Fixed(std::string_view name, std::string_view text, int x, int y, int w) {
    return Make(ControlKind::Fixed, name, text, x, y, w, 20);
}
constexpr ControlSpec Hint(std::string_view name, std::string_view text, int x, int y, int w,
                           int h = kRowHeight) {
    return Make(ControlKind::Hint, name, text, x, y, w, h);
}
constexpr ControlSpec Button(std::string_view name, std::string_view text, int x, int y, int w,
                             int h, Rgb back) {
    return Make(ControlKind::Button, name, text, x, y, w, h).colours(std::nullopt, back);
}
constexpr ControlSpec Option(std::string_view name, std::string_view text, int x, int y, int w,
                             std::string_view frame) {
    return Make(ControlKind::Option, name, text, x, y, w, kRowHeight).in(frame);
}
constexpr ControlSpec Frame(std::string_view name, int x, int y, int w, int h) {
    return Make(ControlKind::Frame, name, {}, x, y, w, h);
}
/// A fraction bar; `y` is the line itself.
constexpr ControlSpec Bar(std::string_view name, int x, int y, int w) {
    return Make(ControlKind::Line, name, {}, x, y, w, 1);
}

/// Rows placed at an offset on the sheet.
struct Block {
    std::span<const ControlSpec> rows;
    int dx = 0;
    int dy = 0;
};

/// Everything that describes one sheet's window.
struct SheetLayout {
    std::string_view objectName; // "kei3_b1" ...
    std::string_view caption;    // the window's title
    int width = 0;
    int height = 0;
    std::optional<Rgb> ground; // the window's back colour; none keeps the platform's
    Rgb displayBack;           // the back colour of the result fields
    std::span<const Block> blocks;
    std::span<const std::string_view> tabOrder;
};

/// The layout of each sheet (sheet_layout_b1/b2/cg.cpp).
const SheetLayout& LayoutFor(SheetKind kind);

} // namespace varnok::sheets
