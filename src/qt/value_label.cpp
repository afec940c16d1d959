// SPDX-License-Identifier: MIT
#include "qt/value_label.h"

#include "frontend/label_fit.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <optional>
#include <string_view>

namespace desktop {

using namespace wave;

namespace {

// The label's font at a size and a stretch of the fitting rule's; the font as
// set when that is what it asks for.
QFont font_at(const QFont& set, double size, int stretch) {
    const bool pixels = set.pixelSize() > 0;
    if (stretch == 100 && size == (pixels ? set.pixelSize() : set.pointSizeF())) {
        return set;
    }
    QFont font = set;
    if (pixels) {
        font.setPixelSize(static_cast<int>(std::lround(size)));
    } else {
        font.setPointSizeF(size);
    }
    font.setStretch(stretch);
    return font;
}

TextExtent extent_of(const QString& text, const QFont& font, const QWidget* widget) {
    const QFontMetricsF metrics(font, widget);
    const QRectF ink = metrics.boundingRect(text);
    return {metrics.horizontalAdvance(text), ink.left(), ink.right()};
}

TextAlign horizontal(Qt::Alignment align) {
    if (align & Qt::AlignRight) {
        return TextAlign::Right;
    }
    return align & Qt::AlignHCenter ? TextAlign::Centre : TextAlign::Left;
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

    const QFont& set = font();
    const bool pixels = set.pixelSize() > 0;
    const LabelFit fit = fit_label(
        fitText_.toStdString(), room,
        {pixels ? set.pixelSize() : set.pointSizeF(), pixels ? SizeUnit::Pixels : SizeUnit::Points},
        [this, &set](std::string_view, double size, int stretch) {
            return extent_of(fitText_, font_at(set, size, stretch), this);
        });
    fitted_ = fit.as_set ? set : font_at(set, fit.size, fit.stretch);
    return fitted_;
}

void ValueLabel::paintEvent(QPaintEvent* event) {
    const QFont& f = fittedFont();
    const QRectF area(textArea());
    const Qt::Alignment align = alignment();
    const TextExtent extent = extent_of(text(), f, this);
    // Placed by its advance, as QLabel places it, may the ink overhang?
    const std::optional<double> origin = ink_origin(
        area.width(), horizontal(align), extent,
        text_origin(area.width(), horizontal(align), {extent.advance, 0, extent.advance}),
        f == font());
    if (!origin) {
        QLabel::paintEvent(event);
        return;
    }
    // Otherwise the ink, not the advance, is aligned in the area.
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(f);
    painter.setPen(palette().color(foregroundRole()));
    const QRectF box(area.left() + *origin, area.top(), extent.advance + 1, area.height());
    const int flags = ((align & Qt::AlignVertical_Mask) | Qt::AlignLeft).toInt() |
                      Qt::TextSingleLine | Qt::TextDontClip;
    painter.drawText(box, flags, text());
}

} // namespace desktop
