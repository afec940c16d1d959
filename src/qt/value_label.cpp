// SPDX-License-Identifier: MIT
#include "qt/value_label.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace desktop {

using namespace wave;

namespace {

// Below these the digits are blots; the text is left at this size.
constexpr int kMinPixelSize = 5;
constexpr qreal kMinPointSize = 4.0;
constexpr qreal kPointStep = 0.5;

std::optional<QFont> smaller(const QFont& font) {
    QFont next = font;
    if (font.pixelSize() > 0) {
        if (font.pixelSize() <= kMinPixelSize) {
            return std::nullopt;
        }
        next.setPixelSize(font.pixelSize() - 1);
    } else {
        if (font.pointSizeF() <= kMinPointSize) {
            return std::nullopt;
        }
        next.setPointSizeF(std::max(kMinPointSize, font.pointSizeF() - kPointStep));
    }
    return next;
}

QFont stretched(QFont font, int stretch) {
    font.setStretch(stretch);
    return font;
}

// The run the text takes from its origin: the advance, widened by any ink
// that overhangs it.
struct Extent {
    qreal left;
    qreal right;
    qreal advance;

    Extent(const QString& text, const QFont& font, const QWidget* widget) {
        const QFontMetricsF metrics(font, widget);
        const QRectF ink = metrics.boundingRect(text);
        advance = metrics.horizontalAdvance(text);
        left = std::min<qreal>(0, ink.left());
        right = std::max(advance, ink.right());
    }
    qreal width() const { return right - left; }
};

qreal width_of(const QString& text, const QFont& font, const QWidget* widget) {
    return Extent(text, font, widget).width();
}

// Left end of a run of this width, aligned in the area.
qreal aligned_start(const QRectF& area, Qt::Alignment align, qreal width) {
    if (align & Qt::AlignRight) {
        return area.right() - width;
    }
    if (align & Qt::AlignHCenter) {
        return area.left() + (area.width() - width) / 2;
    }
    return area.left();
}

// The widest stretch of this size that fits, if any does. Widths shrink
// about in proportion to the stretch, but glyphs snap to whole pixels, so the
// proportional guess is checked and moved a step at a time.
std::optional<QFont> condensed(const QString& text, const QFont& sized, qreal room,
                               const QWidget* widget) {
    const auto fits = [&](int stretch) {
        return width_of(text, stretched(sized, stretch), widget) <= room;
    };
    const qreal natural = width_of(text, stretched(sized, 100), widget);
    int stretch = std::clamp(static_cast<int>(100 * room / natural), ValueLabel::kMinStretch, 100);
    while (stretch < 100 && fits(stretch + 1)) {
        ++stretch;
    }
    while (stretch >= ValueLabel::kMinStretch && !fits(stretch)) {
        --stretch;
    }
    if (stretch < ValueLabel::kMinStretch) {
        return std::nullopt;
    }
    return stretched(sized, stretch);
}

} // namespace

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent) {
    // A caption is a value, never markup.
    setTextFormat(Qt::PlainText);
}

void ValueLabel::Caption(const std::string& text) {
    setText(QString::fromStdString(text));
}

QRect ValueLabel::textArea() const {
    const int m = margin();
    QRect area = contentsRect().adjusted(m, m, -m, -m);
    if (indent() > 0) {
        if (alignment() & Qt::AlignLeft) {
            area.setLeft(area.left() + indent());
        }
        if (alignment() & Qt::AlignRight) {
            area.setRight(area.right() - indent());
        }
    }
    return area;
}

const QFont& ValueLabel::fittedFont() const {
    const int room = textArea().width();
    if (fitRoom_ == room && fitText_ == text() && fitRequested_ == font()) {
        return fitted_;
    }
    fitText_ = text();
    fitRequested_ = font();
    fitRoom_ = room;

    fitted_ = font();
    if (width_of(fitText_, fitted_, this) <= room) {
        return fitted_;
    }
    // Condensed before smaller: a narrower digit reads better than a tiny one.
    QFont sized = font();
    for (;;) {
        if (const std::optional<QFont> f = condensed(fitText_, sized, room, this)) {
            fitted_ = *f;
            return fitted_;
        }
        const std::optional<QFont> next = smaller(sized);
        if (!next) {
            // Nothing readable fits: the smallest, aligned as well as it goes.
            fitted_ = stretched(sized, kMinStretch);
            return fitted_;
        }
        sized = *next;
    }
}

void ValueLabel::paintEvent(QPaintEvent* event) {
    const QFont& f = fittedFont();
    const QRectF area(textArea());
    const Qt::Alignment align = alignment();
    const Extent extent(text(), f, this);
    // Placed by its advance, as QLabel places it, may the ink overhang?
    const qreal start = aligned_start(area, align, extent.advance);
    if (f == font() && start + extent.left >= area.left() && start + extent.right <= area.right()) {
        QLabel::paintEvent(event);
        return;
    }
    // Otherwise the ink, not the advance, is aligned in the area.
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(f);
    painter.setPen(palette().color(foregroundRole()));
    const qreal origin = aligned_start(area, align, extent.width()) - extent.left;
    const QRectF box(origin, area.top(), extent.advance + 1, area.height());
    const int flags = ((align & Qt::AlignVertical_Mask) | Qt::AlignLeft).toInt() |
                      Qt::TextSingleLine | Qt::TextDontClip;
    painter.drawText(box, flags, text());
}

} // namespace desktop
