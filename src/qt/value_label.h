// SPDX-License-Identifier: MIT
#pragma once

#include "ui/controls.h"

#include <QFont>
#include <QLabel>
#include <QRect>

#include <string>

namespace desktop {

// A label of fixed size whose whole text always shows, fitted by the core's
// rule (condensed first, then smaller); a text that fits keeps the font as set.
class ValueLabel : public QLabel, public wave::Label {
    Q_OBJECT

public:
    explicit ValueLabel(QWidget* parent = nullptr);

    // UTF-8.
    void Caption(const std::string& text) override;

    // The font the text is drawn with: font() itself whenever the text fits.
    const QFont& fittedFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the text goes: the contents less the margin and the indent.
    QRect textArea() const;

    // What the fitted font was worked out for, and the font.
    mutable QString fitText_;
    mutable QFont fitRequested_;
    mutable int fitRoom_ = -1;
    mutable QFont fitted_;
};

} // namespace desktop
