#include "ui/qt/picture_box_widget.h"

#include "ui/qt/colour.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPen>

#include <cmath>

PictureBoxWidget::PictureBoxWidget(Colour background, QWidget* parent)
    : QWidget(parent), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    strokes_.reserve(1024);
    renewImage();
}

PictureBoxWidget::~PictureBoxWidget() = default;

QSize PictureBoxWidget::deviceSize() const {
    const qreal ratio = devicePixelRatioF();
    const int w = std::max(1, width() - 2 * kBorder);
    const int h = std::max(1, height() - 2 * kBorder);
    return {static_cast<int>(std::lround(w * ratio)), static_cast<int>(std::lround(h * ratio))};
}

void PictureBoxWidget::renewImage() {
    endPainting();
    image_ = QImage(deviceSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(devicePixelRatioF());
    image_.fill(to_qcolor(background_));
    for (const Stroke& s : strokes_) {
        draw(s);
    }
    update();
}

QPainter& PictureBoxWidget::painter() {
    // One painter serves every line until the next repaint; opening one per
    // line would cost more than the arithmetic of the wave.
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        // Strokes are placed in device pixels; a painter on a high-density
        // image would scale them once more.
        const qreal ratio = image_.devicePixelRatio();
        painter_->setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
        update();
    }
    return *painter_;
}

void PictureBoxWidget::endPainting() {
    painter_.reset();
}

// A hidden widget hears of its new size only when shown; plots are drawn
// before that, so every entry point checks.
void PictureBoxWidget::fitImage() {
    if (deviceSize() != image_.size() || image_.devicePixelRatio() != devicePixelRatioF()) {
        renewImage();
    }
}

const QImage& PictureBoxWidget::image() {
    fitImage();
    endPainting();
    return image_;
}

void PictureBoxWidget::Scale(float x1, float y1, float x2, float y2) {
    fitImage();
    scale_.x1 = x1;
    scale_.y1 = y1;
    scale_.x2 = x2;
    scale_.y2 = y2;
}

void PictureBoxWidget::Cls() {
    strokes_.clear();
    fitImage();
    endPainting();
    image_.fill(to_qcolor(background_));
    update();
}

void PictureBoxWidget::DrawStyle(LineStyle style) {
    style_ = style;
}

void PictureBoxWidget::ForeColor(Colour colour) {
    colour_ = colour;
}

void PictureBoxWidget::Line(float x1, float y1, float x2, float y2) {
    addStroke(x1, y1, x2, y2, false);
}

void PictureBoxWidget::Line(float x2, float y2) {
    addStroke(current_.x, current_.y, x2, y2, false);
}

void PictureBoxWidget::PSet(float x, float y) {
    addStroke(x, y, x, y, true);
}

int PictureBoxWidget::PixelColumns() const {
    return deviceSize().width();
}

void PictureBoxWidget::addStroke(double x1, double y1, double x2, double y2, bool point) {
    const double w = scale_.x2 - scale_.x1;
    const double h = scale_.y2 - scale_.y1;
    const Stroke s{(x1 - scale_.x1) / w, (y1 - scale_.y1) / h, (x2 - scale_.x1) / w,
                   (y2 - scale_.y1) / h, style_,
                   colour_,           point};
    strokes_.push_back(s);
    draw(s);
    current_ = {x2, y2};
}

void PictureBoxWidget::draw(const Stroke& s) {
    const UserScale unit{0, 0, 1, 1, image_.width(), image_.height()};
    const PixelPoint a = unit.toPixel(s.fx1, s.fy1);
    const PixelPoint b = unit.toPixel(s.fx2, s.fy2);
    QPainter& p = painter();
    QPen pen(to_qcolor(s.colour));
    pen.setCosmetic(true);
    pen.setWidth(1);
    pen.setCapStyle(s.style == LineStyle::Dotted ? Qt::FlatCap : Qt::SquareCap);
    if (s.style == LineStyle::Dotted) {
        pen.setDashPattern({1.0, 1.0});
    }
    p.setPen(pen);
    if (s.point) {
        p.drawPoint(a.col, a.row);
    } else {
        p.drawLine(a.col, a.row, b.col, b.row);
    }
}

void PictureBoxWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitImage();
}

void PictureBoxWidget::paintEvent(QPaintEvent*) {
    fitImage();
    endPainting();
    QPainter p(this);
    p.drawImage(QPoint(kBorder, kBorder), image_);

    // A sunken edge two pixels deep, the same on every desktop. Filled
    // rectangles, not lines: a line is centred on its coordinate, which at a
    // scale of 2 puts half of it on the plot's own pixels.
    const int w = width();
    const int h = height();
    const QColor shadow(0x80, 0x80, 0x80);
    const QColor dark(0x40, 0x40, 0x40);
    const QColor light(0xD4, 0xD0, 0xC8);
    p.fillRect(QRect(0, 0, w - 1, 1), shadow);
    p.fillRect(QRect(0, 0, 1, h - 1), shadow);
    p.fillRect(QRect(0, h - 1, w, 1), Qt::white);
    p.fillRect(QRect(w - 1, 0, 1, h), Qt::white);
    p.fillRect(QRect(1, 1, w - 3, 1), dark);
    p.fillRect(QRect(1, 1, 1, h - 3), dark);
    p.fillRect(QRect(1, h - 2, w - 2, 1), light);
    p.fillRect(QRect(w - 2, 1, 1, h - 2), light);
}
