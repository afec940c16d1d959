#include "ui/qt/value_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
#include <optional>

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

} // namespace

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent) {
    // A caption is a value, never markup.
    setTextFormat(Qt::PlainText);
}

void ValueLabel::Caption(const std::string& text) {
    setText(QString::fromStdString(text));
}

QRect ValueLabel::textRect() const {
    // The rectangle QLabel lays plain text out in.
    QRect area = contentsRect();
    const int m = margin();
    area.adjust(m, m, -m, -m);
    int inset = indent();
    if (inset < 0 && frameWidth() > 0) {
        inset = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - m;
    }
    if (inset > 0) {
        const Qt::Alignment h = horizontalAlignment();
        if (h & Qt::AlignLeft) {
            area.setLeft(area.left() + inset);
        }
        if (h & Qt::AlignRight) {
            area.setRight(area.right() - inset);
        }
    }
    return area;
}

Qt::Alignment ValueLabel::horizontalAlignment() const {
    const auto direction = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    return QStyle::visualAlignment(direction, alignment()) & Qt::AlignHorizontal_Mask;
}

qreal ValueLabel::alignedStart(qreal width) const {
    const QRectF area(fit_.area);
    if (fit_.align & Qt::AlignRight) {
        return area.right() - width;
    }
    if (fit_.align & Qt::AlignHCenter) {
        return area.left() + (area.width() - width) / 2;
    }
    return area.left();
}

bool ValueLabel::place(const QFont& font, qreal& originX) const {
    const QFontMetricsF metrics(font, this);
    const QString& s = fit_.text;
    const qreal advance = metrics.horizontalAdvance(s);
    const QRectF ink = metrics.boundingRect(s);
    // The ink may overhang the advance on either side; both must be inside.
    const qreal lo = std::min<qreal>(0, ink.left());
    const qreal hi = std::max(advance, ink.right());
    const QRectF area(fit_.area);
    if (hi - lo > area.width()) {
        return false;
    }
    originX = alignedStart(hi - lo) - lo;
    return true;
}

bool ValueLabel::placeAsPlainLabel() const {
    // Does QLabel itself, placing the advance by the alignment, keep the ink inside?
    const QFontMetricsF metrics(fit_.requested, this);
    const QString& s = fit_.text;
    const qreal advance = metrics.horizontalAdvance(s);
    const QRectF ink = metrics.boundingRect(s);
    const QRectF area(fit_.area);
    const qreal origin = alignedStart(advance);
    return advance <= area.width() && origin + ink.left() >= area.left() &&
           origin + ink.right() <= area.right();
}

const ValueLabel::Fit& ValueLabel::fit() const {
    const QRect area = textRect();
    const Qt::Alignment align = horizontalAlignment();
    if (fitValid_ && fit_.text == text() && fit_.requested == font() && fit_.area == area &&
        fit_.align == align) {
        return fit_;
    }
    fit_.text = text();
    fit_.requested = font();
    fit_.area = area;
    fit_.align = align;
    fitValid_ = true;

    fit_.asPlainLabel = placeAsPlainLabel();
    if (fit_.asPlainLabel || place(fit_.requested, fit_.originX)) {
        fit_.font = fit_.requested;
        return fit_;
    }

    // At each size, the widest stretch that fits; smaller sizes only when even
    // the narrowest stretch is too wide.
    QFont sized = fit_.requested;
    for (;;) {
        int lo = kMinStretch; // fits, once checked
        int hi = 101;         // first stretch known too wide
        qreal origin = 0;
        if (place(stretched(sized, lo), origin)) {
            while (hi - lo > 1) {
                const int mid = (lo + hi) / 2;
                if (place(stretched(sized, mid), origin)) {
                    lo = mid;
                } else {
                    hi = mid;
                }
            }
            fit_.font = stretched(sized, lo);
            place(fit_.font, fit_.originX);
            return fit_;
        }
        const std::optional<QFont> next = smaller(sized);
        if (!next) {
            // Nothing readable fits: the smallest, aligned as well as it goes.
            fit_.font = stretched(sized, kMinStretch);
            fit_.originX =
                alignedStart(QFontMetricsF(fit_.font, this).horizontalAdvance(fit_.text));
            return fit_;
        }
        sized = *next;
    }
}

const QFont& ValueLabel::fittedFont() const {
    return fit().font;
}

void ValueLabel::paintEvent(QPaintEvent* event) {
    const Fit& f = fit();
    if (f.asPlainLabel) {
        QLabel::paintEvent(event);
        return;
    }

    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(f.font);

    // drawItemText takes whole pixels; the fraction goes into the transform.
    const qreal left = std::floor(f.originX);
    painter.translate(f.originX - left, 0);
    const QFontMetricsF metrics(f.font, this);
    const int width = static_cast<int>(std::ceil(metrics.horizontalAdvance(f.text))) + 1;
    const QRect box(static_cast<int>(left), f.area.top(), width, f.area.height());
    const int flags = ((alignment() & Qt::AlignVertical_Mask) | Qt::AlignLeft).toInt() |
                      Qt::TextSingleLine | Qt::TextDontClip;

    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&painter, box, flags, option.palette, isEnabled(), f.text,
                          foregroundRole());
}
