#include "ui/qt/accessibility.h"

#include "ui/accessible_names.h"
#include "ui/layout.h"
#include "ui/qt/value_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace {

class ValueLabelAccessible : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(ValueLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return static_cast<const ValueLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* value_label_interface(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String(ValueLabel::staticMetaObject.className())) {
        return nullptr;
    }
    auto* label = qobject_cast<ValueLabel*>(object);
    return label != nullptr ? new ValueLabelAccessible(label) : nullptr;
}

} // namespace

void name_controls_for_screen_readers(QWidget& window) {
    // Qt keeps one copy of a factory however often it is installed.
    QAccessible::installFactory(value_label_interface);

    for (const ControlSpec& spec : window_layout()) {
        const QString object = QString::fromStdString(object_name(spec.ref));
        auto* control = window.findChild<QWidget*>(object);
        if (control == nullptr) {
            throw std::logic_error("the window has no control " + object.toStdString());
        }
        control->setAccessibleName(QString::fromStdString(accessible_name(spec.ref)));
    }
}
