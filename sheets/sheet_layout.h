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
#include <type_traits>

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

struct ControlRow {
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

    /// A copy with one member changed; the modifiers below are made of it.
    template <class T>
    constexpr ControlRow with(T ControlRow::*member, std::type_identity_t<T> value) const {
        ControlRow c = *this;
        c.*member = value;
        return c;
    }
    constexpr ControlRow colours(std::optional<Rgb> f, std::optional<Rgb> b) const {
        return with(&ControlRow::fore, f).with(&ControlRow::back, b);
    }
    constexpr ControlRow font(int px, bool isBold = false) const {
        return with(&ControlRow::pixels, px).with(&ControlRow::bold, isBold);
    }
    constexpr ControlRow aligned(Align a) const { return with(&ControlRow::align, a); }
    constexpr ControlRow hidden() const { return with(&ControlRow::visible, false); }
    constexpr ControlRow selected() const { return with(&ControlRow::checked, true); }
    constexpr ControlRow withShadow() const { return with(&ControlRow::shadowed, true); }
    constexpr ControlRow in(std::string_view frame) const {
        return with(&ControlRow::parent, frame);
    }
};

constexpr ControlRow Make(ControlKind kind, std::string_view name, std::string_view text, int x,
                          int y, int w, int h) {
    ControlRow c;
    c.name = name;
    c.kind = kind;
    c.text = text;
    c.rect = {x, y, w, h};
    return c;
}
constexpr ControlRow Label(std::string_view name, std::string_view text, int x, int y, int w,
                           int h = kRowHeight) {
    return Make(ControlKind::Label, name, text, x, y, w, h);
}
/// A heading over a field: small face, centred.
constexpr ControlRow Heading(std::string_view name, std::string_view text, int x, int y, int w) {
    return Make(ControlKind::Label, name, text, x, y, w, 16)
        .font(kHeadingPixels, true)
        .aligned(Align::Centre);
}
constexpr ControlRow Exponent(std::string_view name, std::string_view text, int x, int y) {
    return Make(ControlKind::Exponent, name, text, x, y, 12, 14);
}
constexpr ControlRow Field(std::string_view name, int x, int y, int w, std::string_view text = {}) {
    return Make(ControlKind::Field, name, text, x, y, w, kRowHeight);
}
constexpr ControlRow Total(std::string_view name, int x, int y, int w) {
    return Make(ControlKind::Total, name, {}, x, y, w, kRowHeight);
}
constexpr ControlRow Display(std::string_view name, int x, int y, int w,
                             std::string_view text = {}) {
    return Make(ControlKind::Display, name, text, x, y, w, kRowHeight);
}
constexpr ControlRow Fixed(std::string_view name, std::string_view text, int x, int y, int w) {
    return Make(ControlKind::Fixed, name, text, x, y, w, 20);
}
constexpr ControlRow Hint(std::string_view name, std::string_view text, int x, int y, int w,
                          int h = kRowHeight) {
    return Make(ControlKind::Hint, name, text, x, y, w, h);
}
constexpr ControlRow Button(std::string_view name, std::string_view text, int x, int y, int w,
                            int h, Rgb back) {
    return Make(ControlKind::Button, name, text, x, y, w, h).colours(std::nullopt, back);
}
constexpr ControlRow Option(std::string_view name, std::string_view text, int x, int y, int w,
                            std::string_view frame) {
    return Make(ControlKind::Option, name, text, x, y, w, kRowHeight).in(frame);
}
constexpr ControlRow Frame(std::string_view name, int x, int y, int w, int h) {
    return Make(ControlKind::Frame, name, {}, x, y, w, h);
}
/// A fraction bar; `y` is the line itself.
constexpr ControlRow Bar(std::string_view name, int x, int y, int w) {
    return Make(ControlKind::Line, name, {}, x, y, w, 1);
}

/// Rows placed at an offset on the sheet.
struct Block {
    std::span<const ControlRow> rows;
    int dx = 0;
    int dy = 0;
};

/// Everything that describes one sheet's window.
struct SheetLayout {
    std::string_view caption; // the window's title
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
