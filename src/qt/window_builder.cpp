// SPDX-License-Identifier: MIT
#include "qt/window_builder.h"

#include "qt/colour.h"
#include "qt/fonts.h"
#include "qt/option_button_widget.h"
#include "qt/picture_box_widget.h"
#include "qt/spin_button.h"
#include "qt/value_label.h"
#include "ui/accessible_names.h"
#include "ui/layout.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace desktop {

using namespace wave;

namespace {

Qt::Alignment alignment_of(TextAlign align) {
    switch (align) {
    case TextAlign::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case TextAlign::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// Without captions: a caption is measured as soon as it is set, which needs
// the control's own font.
QWidget* create(const ControlRow& entry, QWidget* parent) {
    switch (entry.kind) {
    case ControlKind::Frame:
        return new QGroupBox(parent);
    case ControlKind::Label: {
        QLabel* label = shows_a_value(entry.ref) ? new ValueLabel(parent) : new QLabel(parent);
        label->setAlignment(alignment_of(entry.align));
        return label;
    }
    case ControlKind::OptionButton: {
        auto* button = new OptionButtonWidget(parent);
        button->setChecked(entry.selected);
        return button;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(parent);
        // Enter and Return press it too, not only Space.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::PictureBox:
        return new PictureBoxWidget(entry.back.value_or(0xFFFFFF), parent);
    case ControlKind::SpinButton:
        return new SpinButton(parent);
    }
    return nullptr;
}

void set_caption(QWidget& widget, const ControlRow& entry) {
    if (entry.caption.empty()) {
        return;
    }
    const QString caption =
        QString::fromUtf8(entry.caption.data(), static_cast<qsizetype>(entry.caption.size()));
    if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
        frame->setTitle(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(caption);
    }
}

// The classic look of frames and option buttons, whose twip geometry was laid
// out for it: a frame's caption sits on its border inside the rectangle, and
// the 12-pixel indicator fits the 13-pixel option rows. One for the window.
QStyle* classic_style() {
    static QPointer<QStyle> style;
    if (style.isNull()) {
        style = QStyleFactory::create(QStringLiteral("Windows"));
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

void paint_colours(QWidget& widget, const ControlRow& entry) {
    // Only the roles the control itself paints with (Button for an option
    // button, Window for a frame or label): palettes are inherited, and a
    // panel's Button role would tint the spinners and RESET inside it.
    QPalette palette = widget.palette();
    if (entry.back && entry.kind != ControlKind::PictureBox) {
        palette.setColor(widget.backgroundRole(), to_qcolor(*entry.back));
        widget.setAutoFillBackground(true);
    }
    if (entry.fore) {
        palette.setColor(widget.foregroundRole(), to_qcolor(*entry.fore));
    }
    widget.setPalette(palette);
}

} // namespace

void build_window_controls(QWidget& window) {
    std::map<std::string, QWidget*> containers;
    std::vector<std::pair<int, QWidget*>> focus_order;
    std::vector<std::pair<const ControlRow*, QWidget*>> made;

    for (const ControlRow& entry : window_layout()) {
        QWidget* parent =
            entry.container.name.empty() ? &window : containers.at(object_name(entry.container));
        QWidget* widget = create(entry, parent);
        const std::string name = object_name(entry.ref);
        widget->setObjectName(QString::fromStdString(name));
        widget->setAccessibleName(QString::fromStdString(accessible_name(entry.ref)));
        // In a picture box the origin is the drawing area's corner, inside its border.
        const int inset =
            qobject_cast<PictureBoxWidget*>(parent) != nullptr ? PictureBoxWidget::kBorder : 0;
        widget->setGeometry(inset + twips_to_pixels(entry.left), inset + twips_to_pixels(entry.top),
                            twips_to_pixels(entry.width), twips_to_pixels(entry.height));
        paint_colours(*widget, entry);
        if (entry.kind == ControlKind::Frame || entry.kind == ControlKind::OptionButton) {
            widget->setStyle(classic_style());
        }
        if (entry.kind == ControlKind::PictureBox) {
            // A plot is a stop in the tab order, and a click also focuses it.
            widget->setFocusPolicy(Qt::StrongFocus);
        }
        if (entry.kind == ControlKind::Frame || entry.kind == ControlKind::PictureBox) {
            containers[name] = widget;
        }
        if (widget->focusPolicy() != Qt::NoFocus) {
            focus_order.emplace_back(entry.tab, widget);
        }
        made.emplace_back(&entry, widget);
    }

    // Fonts last: the first one asked for waits until Qt has listed the
    // installed families, which the start-up may still be doing on the other
    // core. The window's own font only spares loading a default face that
    // nothing on screen would use.
    window.setFont(font_for(FontId::Times));
    for (const auto& [entry, widget] : made) {
        if (entry->font != FontId::NoFont) {
            widget->setFont(font_for(entry->font));
        }
        set_caption(*widget, *entry);
    }

    std::sort(focus_order.begin(), focus_order.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focus_order.size(); ++i) {
        QWidget::setTabOrder(focus_order[i - 1].second, focus_order[i].second);
    }
}

} // namespace desktop
