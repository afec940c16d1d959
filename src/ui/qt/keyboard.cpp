#include "ui/qt/keyboard.h"

#include <QPushButton>

void press_buttons_with_enter(QWidget& window) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
    }
}
