#include "ui/qt/picture_box_widget.h"

#include "ui/qt/colour.h"
#include "ui/qt/pixel_lines.h"

#include <QFocusEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// A plot's fractions to its image's pixels. Within the image flooring is
// truncating, and the far edges land on the last pixel; anything else takes
// the full rule.
inline PixelPoint to_pixel(double fx, double fy, int w, int h) {
    const double px = fx * w;
    const double py = fy * h;
    if (px >= 0 && px <= w && py >= 0 && py <= h) [[likely]] {
        return {px == w ? w - 1 : static_cast<int>(px), py == h ? h - 1 : static_cast<int>(py)};
    }
    return UserScale{0, 0, 1, 1, w, h}.toPixel(fx, fy);
}

} // namespace

PictureBoxWidget::PictureBoxWidget(Colour background, QWidget* parent)
    : QWidget(parent), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    strokes_.reserve(1024);
    renewImage();
}

PictureBoxWidget::~PictureBoxWidget() = default;

QSize PictureBoxWidget::deviceSize(qreal ratio) const {
    const int w = std::max(1, width() - 2 * kBorder);
    const int h = std::max(1, height() - 2 * kBorder);
    return {static_cast<int>(std::lround(w * ratio)), static_cast<int>(std::lround(h * ratio))};
}

void PictureBoxWidget::renewImage() {
    bits_ = nullptr;
    blank_ = false;
    const qreal ratio = devicePixelRatioF();
    image_ = QImage(deviceSize(ratio), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(to_qcolor(background_));
    inkTop_ = image_.height();
    inkBottom_ = -1;
    const int w = image_.width();
    const int h = image_.height();
    PixelLines target = pixels();
    PixelPoint end{0, 0};
    UserPoint endAt{kNone, kNone};
    for (std::size_t i = 0; i < drawn_; ++i) {
        const Stroke& s = strokes_[i];
        const PixelPoint a = s.x1 == endAt.x && s.y1 == endAt.y ? end : to_pixel(s.x1, s.y1, w, h);
        end = s.point ? a : to_pixel(s.x2, s.y2, w, h);
        endAt = {s.x2, s.y2};
        rasterize(target, s, a, end, inkTop_, inkBottom_);
    }
    flush();
    changed();
}

// One repaint per batch of strokes: asking for each would cost more than
// drawing the stroke.
void PictureBoxWidget::changed() {
    if (!updateAsked_) {
        updateAsked_ = true;
        update();
    }
}

// A hidden widget hears of its new size only when shown; plots are drawn
// before that, so every entry point checks.
void PictureBoxWidget::fitImage() {
    // Asked once: the ratio comes from the screen, a walk up to the window.
    const qreal ratio = devicePixelRatioF();
    if (deviceSize(ratio) != image_.size() || image_.devicePixelRatio() != ratio) {
        renewImage();
    }
}

const QImage& PictureBoxWidget::image() {
    fitImage();
    flush();
    clearIfBlank();
    // Whoever holds the image may copy it; the next stroke must not reach the copy.
    bits_ = nullptr;
    return image_;
}

void PictureBoxWidget::Scale(float x1, float y1, float x2, float y2) {
    fitImage();
    // Waiting strokes are in the coordinates of the scale they were drawn in.
    flush();
    scale_.x1 = x1;
    scale_.y1 = y1;
    scale_.x2 = x2;
    scale_.y2 = y2;
}

// Every component redraw clears the sum plot too, so Cls often comes
// several times before anything is drawn: the image is filled once, when
// next needed.
void PictureBoxWidget::Cls() {
    strokes_.clear();
    drawn_ = 0;
    fitImage();
    blank_ = true;
    changed();
}

// Only the rows drawn on since the last clearing need it: a wave of small
// amplitude leaves most of the plot untouched.
void PictureBoxWidget::clearIfBlank() {
    if (!blank_) {
        return;
    }
    blank_ = false;
    if (inkTop_ <= inkBottom_) {
        bits_ = reinterpret_cast<quint32*>(image_.bits());
        const qsizetype stride = image_.bytesPerLine();
        // A view of those rows, so Qt's fill, which uses the widest stores
        // the processor has, does the work.
        QImage rows(reinterpret_cast<uchar*>(bits_) + inkTop_ * stride, image_.width(),
                    inkBottom_ - inkTop_ + 1, stride, image_.format());
        rows.fill(to_argb(background_));
    }
    inkTop_ = image_.height();
    inkBottom_ = -1;
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
    return deviceSize(devicePixelRatioF()).width();
}

// A wave arrives one sample at a time between computations of the next; it
// is drawn in one tight pass when the image is next looked at, which keeps
// the drawing out of the way of the arithmetic and costs less.
void PictureBoxWidget::addStroke(double x1, double y1, double x2, double y2, bool point) {
    strokes_.push_back({x1, y1, x2, y2, colour_, style_, point});
    current_ = {x2, y2};
    changed();
}

void PictureBoxWidget::flush() {
    if (drawn_ == strokes_.size()) {
        return;
    }
    // Locals, so the stores into the strokes cannot make them be read again.
    const double left = scale_.x1;
    const double top = scale_.y1;
    const double w = scale_.x2 - left;
    const double h = scale_.y2 - top;
    const int columns = image_.width();
    const int rows = image_.height();
    int inkTop = inkTop_;
    int inkBottom = inkBottom_;
    PixelLines target = pixels();
    // A wave's segments chain end to start: each end is worked out once,
    // and the same sum on the same numbers gives the same fraction and pixel.
    UserPoint endAt{kNone, kNone};
    UserPoint endFraction{0, 0};
    PixelPoint end{0, 0};
    ColumnRun run;
    for (std::size_t i = drawn_; i < strokes_.size(); ++i) {
        Stroke& s = strokes_[i];
        const UserPoint to{(s.x2 - left) / w, (s.y2 - top) / h};
        UserPoint from = to;
        PixelPoint a{0, 0};
        if (s.x1 == endAt.x && s.y1 == endAt.y) {
            from = endFraction;
            a = end;
        } else {
            if (!s.point) {
                from = {(s.x1 - left) / w, (s.y1 - top) / h};
            }
            a = to_pixel(from.x, from.y, columns, rows);
        }
        const PixelPoint b = s.point ? a : to_pixel(to.x, to.y, columns, rows);
        endAt = {s.x2, s.y2};
        endFraction = to;
        end = b;
        s.x1 = from.x;
        s.y1 = from.y;
        s.x2 = to.x;
        s.y2 = to.y;
        // A run's lines share their rows, so its first line marked the ink.
        if (run.extend(s, a, b)) {
            continue;
        }
        run.draw(target);
        if (run.start(s, a, b)) {
            widenInk(a, b, rows, inkTop, inkBottom);
            continue;
        }
        rasterize(target, s, a, b, inkTop, inkBottom);
    }
    run.draw(target);
    inkTop_ = inkTop;
    inkBottom_ = inkBottom;
    drawn_ = strokes_.size();
}

PixelLines PictureBoxWidget::pixels() {
    clearIfBlank();
    if (bits_ == nullptr) {
        // Detaches the image from any copy made of it since.
        bits_ = reinterpret_cast<quint32*>(image_.bits());
    }
    return {bits_, image_.bytesPerLine() / 4, image_.width(), image_.height()};
}

void PictureBoxWidget::widenInk(PixelPoint a, PixelPoint b, int rows, int& inkTop, int& inkBottom) {
    // A pixel of a segment lies at most one row beyond its ends' rows.
    inkTop = std::min(inkTop, std::max(0, std::min(a.row, b.row) - 1));
    inkBottom = std::max(inkBottom, std::min(rows - 1, std::max(a.row, b.row) + 1));
}

bool PictureBoxWidget::ColumnRun::joins(const Stroke& s, PixelPoint a, PixelPoint b) {
    return s.style == LineStyle::Dotted && !s.point && a.col == b.col && a.row != b.row;
}

bool PictureBoxWidget::ColumnRun::start(const Stroke& s, PixelPoint a, PixelPoint b) {
    if (!joins(s, a, b)) {
        return false;
    }
    *this = {a.col, a.col, a.row, b.row, s.colour};
    return true;
}

bool PictureBoxWidget::ColumnRun::extend(const Stroke& s, PixelPoint a, PixelPoint b) {
    if (right < left || !joins(s, a, b) || a.col != right + 1 || a.row != row1 || b.row != row2 ||
        s.colour != colour) {
        return false;
    }
    right = a.col;
    return true;
}

void PictureBoxWidget::ColumnRun::draw(PixelLines& target) {
    if (left <= right) {
        target.dottedColumns(left, right, row1, row2, to_argb(colour));
        right = left - 1;
    }
}

// Straight into the pixels, with the pixels QPainter would give: through
// QPainter each two-pixel segment of a wave cost several times its sample.
void PictureBoxWidget::rasterize(PixelLines& target, const Stroke& s, PixelPoint a, PixelPoint b,
                                 int& inkTop, int& inkBottom) {
    widenInk(a, b, target.height(), inkTop, inkBottom);
    const quint32 colour = to_argb(s.colour);
    if (s.point) {
        target.point(a.col, a.row, colour);
    } else if (s.style == LineStyle::Dotted) {
        target.dotted(a.col, a.row, b.col, b.row, colour);
    } else {
        target.solid(a.col, a.row, b.col, b.row, colour);
    }
}

void PictureBoxWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitImage();
}

void PictureBoxWidget::paintEvent(QPaintEvent*) {
    updateAsked_ = false;
    fitImage();
    flush();
    clearIfBlank();
    bits_ = nullptr;
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
    // Keyboard focus recolours the inner ring: the drawing itself stays untouched.
    const bool ring = hasFocus() && keyboardFocus_;
    const QColor focus = palette().color(QPalette::Highlight);
    p.fillRect(QRect(1, 1, w - 3, 1), ring ? focus : dark);
    p.fillRect(QRect(1, 1, 1, h - 3), ring ? focus : dark);
    p.fillRect(QRect(1, h - 2, w - 2, 1), ring ? focus : light);
    p.fillRect(QRect(w - 2, 1, 1, h - 2), ring ? focus : light);
}

void PictureBoxWidget::focusInEvent(QFocusEvent* event) {
    // As buttons do: the focus is shown when it came from the keyboard.
    const Qt::FocusReason reason = event->reason();
    keyboardFocus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                     reason == Qt::ShortcutFocusReason;
    QWidget::focusInEvent(event);
}

void PictureBoxWidget::focusOutEvent(QFocusEvent* event) {
    keyboardFocus_ = false;
    QWidget::focusOutEvent(event);
}
