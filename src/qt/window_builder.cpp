// SPDX-License-Identifier: MIT
#include "qt/window_builder.h"

#include "form/form1.h"
#include "frontend/build_window.h"
#include "frontend/window.h"
#include "qt/colour.h"
#include "qt/fonts.h"
#include "qt/language.h"
#include "qt/option_button_widget.h"
#include "qt/picture_box_widget.h"
#include "qt/spin_button.h"
#include "qt/value_label.h"
#include "ui/layout.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <cstddef>
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
        return new PictureBoxWidget(entry.back.value_or(kPlotBack), parent);
    case ControlKind::SpinButton:
        return new SpinButton(parent);
    }
    return nullptr;
}

void set_caption(QWidget& widget, const ControlRow& entry) {
    if (!entry.caption.empty()) {
        // A frame's caption is its title; a button's or a label's, its text.
        widget.setProperty(
            qobject_cast<QGroupBox*>(&widget) != nullptr ? "title" : "text",
            QString::fromUtf8(entry.caption.data(), static_cast<qsizetype>(entry.caption.size())));
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

// The desktop's half of the walk over the layout: widgets.
class WidgetFactory : public ControlFactory<QWidget*> {
public:
    explicit WidgetFactory(QWidget& window) : window_(window) {}

    QWidget* make(const Placement& at, QWidget* const& parent) override {
        const ControlRow& row = *at.row;
        QWidget* widget = create(row, parent);
        widget->setObjectName(QString::fromStdString(at.name));
        widget->setAccessibleName(QString::fromStdString(at.spoken));
        widget->setGeometry(at.left, at.top, at.width, at.height);
        paint_colours(*widget, row);
        if (row.kind == ControlKind::Frame || row.kind == ControlKind::OptionButton) {
            widget->setStyle(classic_style());
        }
        if (auto* plot = qobject_cast<PictureBoxWidget*>(widget)) {
            // A plot is a stop in the tab order, and a click also focuses it.
            plot->setFocusPolicy(Qt::StrongFocus);
            plot->fit();
        }
        return widget;
    }

    PictureBox* picture_box(QWidget* const& widget) override {
        auto* plot = qobject_cast<PictureBoxWidget*>(widget);
        return plot != nullptr ? &plot->surface() : nullptr;
    }
    Label* label(QWidget* const& widget) override { return qobject_cast<ValueLabel*>(widget); }
    OptionButton* option_button(QWidget* const& widget) override {
        return qobject_cast<OptionButtonWidget*>(widget);
    }

    // Fonts last: the first one asked for waits until Qt has listed the
    // installed families, which the start-up may still be doing on the other
    // core. The window's own font only spares loading a default face that
    // nothing on screen would use.
    void finish(const std::vector<QWidget*>& made) override {
        window_.setFont(font_for(FontId::Times));
        const std::vector<Placement>& plan = window_plan();
        for (std::size_t i = 0; i < made.size(); ++i) {
            const ControlRow& row = *plan[i].row;
            if (row.font != FontId::NoFont) {
                made[i]->setFont(font_for(row.font));
            }
            set_caption(*made[i], row);
        }
    }

    void chain_focus(const std::vector<QWidget*>& order) override {
        for (std::size_t i = 1; i < order.size(); ++i) {
            QWidget::setTabOrder(order[i - 1], order[i]);
        }
    }

private:
    QWidget& window_;
};

} // namespace

std::vector<QWidget*> build_window_controls(QWidget& window, FormControls& controls) {
    WidgetFactory factory(window);
    return build_window<QWidget*>(factory, &window, controls, window_language());
}

} // namespace desktop
