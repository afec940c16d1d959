// SPDX-License-Identifier: MIT
#pragma once

#include "ui/controls.h"

#include <QFont>
#include <QLabel>
#include <QRect>

#include <string>

namespace desktop {

// A label of fixed size whose whole text always shows: clipped, a
// right-aligned "10.5" would read ".5". A text too wide for the label is
// condensed, and only then made smaller; a text that fits keeps the font as set.
class ValueLabel : public QLabel, public wave::Label {
    Q_OBJECT

public:
    explicit ValueLabel(QWidget* parent = nullptr);

    // UTF-8.
    void Caption(const std::string& text) override;

    // The font the text is drawn with: font() itself whenever the text fits.
    const QFont& fittedFont() const;

    // Narrower than this a serif digit is no longer read reliably.
    static constexpr int kMinStretch = 50;

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
