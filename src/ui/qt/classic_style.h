#pragma once

#include <QProxyStyle>
#include <QRgb>

#include <array>
#include <map>

// The classic look of frames and option buttons, whose twip geometry was laid
// out for it: a frame's caption sits on its border inside the rectangle, and
// the 12-pixel indicator fits the 13-pixel option rows.
//
// An option button's round indicator is drawn with antialiased curves, the
// costliest part of painting the window, yet the window's sixteen look alike
// but for their state. Each look is drawn once, over the button's own
// background, and copied after that: the same pixels as drawing it anew.
class ClassicStyle : public QProxyStyle {
    Q_OBJECT

public:
    ClassicStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    struct IndicatorLook {
        int state;
        int width;
        int height;
        qreal ratio;
        QRgb background;
        int hints;
        std::array<QRgb, QPalette::NColorRoles> colours;
        auto operator<=>(const IndicatorLook&) const = default;
    };

    // Drawn once per look, then copied; nullptr when the indicator cannot be
    // copied exactly and must be drawn in place.
    const QPixmap* indicator(const QStyleOption& option, const QPainter& painter,
                             const QWidget* widget) const;

    mutable std::map<IndicatorLook, QPixmap> indicators_;
};
