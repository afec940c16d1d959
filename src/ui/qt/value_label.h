#pragma once

#include "ui/controls.h"

#include <QFont>
#include <QLabel>
#include <QRectF>

#include <string>

// A label of fixed size whose whole text always shows: clipped, a
// right-aligned "10.5" would read ".5". A text too wide for the label is
// condensed, and only then made smaller; a text that fits keeps the font as set.
class ValueLabel : public QLabel, public Label {
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
    struct Fit {
        QString text;
        QFont requested;
        QRect area;
        Qt::Alignment align;
        QFont font;
        qreal originX = 0; // left end of the advance, in widget coordinates
        bool asPlainLabel = false;
    };

    QRect textRect() const;
    Qt::Alignment horizontalAlignment() const;
    const Fit& fit() const;
    // Left end of a run of this width, aligned in the text area.
    qreal alignedStart(qreal width) const;
    // Where the text starts if its ink fits into the area with this font.
    bool place(const QFont& font, qreal& originX) const;
    bool placeAsPlainLabel() const;

    mutable Fit fit_;
    mutable bool fitValid_ = false;
};
