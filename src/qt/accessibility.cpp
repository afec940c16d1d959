// SPDX-License-Identifier: MIT
#include "qt/accessibility.h"

#include "qt/picture_box_widget.h"
#include "qt/spin_button.h"
#include "qt/value_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace desktop {

using namespace wave;

namespace {

class ValueLabelAccessible : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(ValueLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    // The desktop's accessibility bus carries no Value text for a label, but
    // it does ask for the description, each time a reader wants it.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value ||
            (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())) {
            return static_cast<const ValueLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

// The arrows are the spinner's own parts: a reader hears one spin box, whose
// increase and decrease come as the arrow keys.
class SpinButtonAccessible : public QAccessibleWidget {
public:
    explicit SpinButtonAccessible(SpinButton* spin)
        : QAccessibleWidget(spin, QAccessible::SpinBox) {}

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
};

// Our own widgets would otherwise be announced as a bare "filler".
QAccessibleInterface* own_widget_interface(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(ValueLabel::staticMetaObject.className())) {
        return new ValueLabelAccessible(static_cast<ValueLabel*>(object));
    }
    if (class_name == QLatin1String(SpinButton::staticMetaObject.className())) {
        return new SpinButtonAccessible(static_cast<SpinButton*>(object));
    }
    if (class_name == QLatin1String(PictureBoxWidget::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    }
    return nullptr;
}

} // namespace

void install_accessible_interfaces() {
    QAccessible::installFactory(own_widget_interface);
}

} // namespace desktop
