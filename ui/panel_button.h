#pragma once
// The windows' coloured push buttons: a raised frame in the face colour, sunk
// while pressed, a plain frame of the focus colour while the button has the
// focus. Drawn here rather than by a style sheet: most styles ignore a push
// button's palette, and style sheets cost the launcher a good part of its
// start-up.

#include "colour.h"

#include <QPushButton>
#include <optional>

namespace varnok::ui {

/// How a coloured button is framed; the defaults suit the small dialogs.
struct ButtonLook {
    int borderPixels = 2;
    Rgb focusBorder{0, 0, 0};                // the frame while the button has the focus
    std::optional<Rgb> frame = std::nullopt; // the raised frame's colour, when it is not the face's
    bool wrapCaption = false; // a caption too wide for the button wraps at its blanks
};

class PanelButton : public QPushButton {
    Q_OBJECT
public:
    explicit PanelButton(const QString& caption = {}, QWidget* parent = nullptr);
    PanelButton(const QString& caption, Rgb face, QWidget* parent, const ButtonLook& look = {});

    /// Gives the button its colours; until then the style draws it like any
    /// other push button.
    void setColours(Rgb face, Rgb caption = Rgb{0, 0, 0});

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<Rgb> face_;
    ButtonLook look_;
};

} // namespace varnok::ui
