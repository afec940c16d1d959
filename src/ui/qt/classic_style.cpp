#include "ui/qt/classic_style.h"

#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <cmath>

namespace {

// A handful of states and colours: more means something keeps changing.
constexpr std::size_t kMaxLooks = 32;

bool whole(qreal v) {
    return v == std::floor(v);
}

} // namespace

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element == PE_IndicatorRadioButton && option != nullptr && painter != nullptr) {
        if (const QPixmap* look = indicator(*option, *painter, widget)) {
            painter->drawPixmap(option->rect.topLeft(), *look);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

const QPixmap* ClassicStyle::indicator(const QStyleOption& option, const QPainter& painter,
                                       const QWidget* widget) const {
    // A copy is exact only over the same solid background and on the same
    // pixel grid: a widget that fills itself with one colour, painted at a
    // whole-pixel offset and a whole pixel ratio.
    if (widget == nullptr || !widget->autoFillBackground() || option.rect.isEmpty()) {
        return nullptr;
    }
    const QBrush& fill = widget->palette().brush(widget->backgroundRole());
    if (fill.style() != Qt::SolidPattern || fill.color().alpha() != 255) {
        return nullptr;
    }
    const QTransform& transform = painter.deviceTransform();
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatio() : 1.0;
    if (transform.type() > QTransform::TxScale || transform.m11() != ratio ||
        transform.m22() != ratio || !whole(transform.dx()) || !whole(transform.dy()) ||
        !whole(ratio)) {
        return nullptr;
    }

    IndicatorLook look{};
    look.state = static_cast<int>(option.state);
    look.width = option.rect.width();
    look.height = option.rect.height();
    look.ratio = ratio;
    look.background = fill.color().rgba();
    look.hints = static_cast<int>(painter.renderHints());
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        look.colours[static_cast<std::size_t>(role)] =
            option.palette.color(static_cast<QPalette::ColorRole>(role)).rgba();
    }
    if (const auto found = indicators_.find(look); found != indicators_.end()) {
        return &found->second;
    }
    if (indicators_.size() >= kMaxLooks) {
        indicators_.clear();
    }

    QPixmap pixmap(option.rect.size() * static_cast<int>(ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(fill.color());
    {
        QPainter p(&pixmap);
        p.setRenderHints(painter.renderHints());
        p.setPen(painter.pen());
        p.setBrush(painter.brush());
        p.setFont(painter.font());
        QStyleOptionButton moved;
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(&option)) {
            moved = *button;
        } else {
            static_cast<QStyleOption&>(moved) = option;
        }
        moved.rect.moveTo(0, 0);
        QProxyStyle::drawPrimitive(PE_IndicatorRadioButton, &moved, &p, widget);
    }
    return &indicators_.emplace(look, std::move(pixmap)).first->second;
}
