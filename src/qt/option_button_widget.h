// SPDX-License-Identifier: MIT
#pragma once

#include "ui/controls.h"

#include <QRadioButton>

namespace desktop {

// Buttons with the same parent widget exclude each other (Qt's auto-exclusive
// radio buttons), which is what a frame's group needs.
class OptionButtonWidget : public QRadioButton, public wave::OptionButton {
    Q_OBJECT

public:
    explicit OptionButtonWidget(QWidget* parent) : QRadioButton(parent) {}

    // Selecting by program raises no click: only the learner's choices do.
    void Value(bool selected) override { setChecked(selected); }
};

} // namespace desktop
