// SPDX-License-Identifier: MIT
#include "ui/plot_surface.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <limits>

namespace wave {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// A plot's fractions to its pixels. Within the plot flooring is truncating,
// and the far edges land on the last pixel; anything else takes the full rule.
inline PixelPoint fraction_to_pixel(double fx, double fy, int w, int h) {
    const double px = fx * w;
    const double py = fy * h;
    if (px >= 0 && px <= w && py >= 0 && py <= h) [[likely]] {
        return {px == w ? w - 1 : static_cast<int>(px), py == h ? h - 1 : static_cast<int>(py)};
    }
    return UserScale{0, 0, 1, 1, w, h}.toPixel(fx, fy);
}

// Two pixels a store, counted so that compilers unroll or vectorise it:
// WebAssembly without its vector extension writes std::fill's 32-bit words
// one loop turn at a time, and clearing is a large share of a press there.
// On x86-64 the baseline allows 16-byte stores only; a second copy for
// processors with AVX2, picked at load time, writes 32 at a time.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
[[gnu::target_clones("avx2", "default")]]
#endif
void fill_pixels(std::uint32_t* first, std::size_t count, std::uint32_t pixel) {
    const std::uint64_t pair = (std::uint64_t{pixel} << 32) | pixel;
    for (std::size_t i = 0; i < count / 2; ++i) {
        std::memcpy(first + 2 * i, &pair, sizeof pair);
    }
    if (count % 2 != 0) {
        first[count - 1] = pixel;
    }
}

} // namespace

inline PixelPoint PlotSurface::Pass::pixel(UserPoint f) const {
    return fraction_to_pixel(f.x, f.y, columns, rows);
}

PlotSurface::PlotSurface(Colour background) : background_(background) {
    strokes_.reserve(1024);
    redraw();
}

void PlotSurface::Resize(int width, int height, double pixel_ratio) {
    width = std::max(1, width);
    height = std::max(1, height);
    if (width == width_ && height == height_ && pixel_ratio == ratio_) {
        return;
    }
    width_ = width;
    height_ = height;
    ratio_ = pixel_ratio;
    redraw();
}

inline void PlotSurface::widenInk(PixelPoint a, PixelPoint b, int rows, int& inkTop,
                                  int& inkBottom) {
    // A pixel of a segment lies at most one row beyond its ends' rows.
    inkTop = std::min(inkTop, std::max(0, std::min(a.row, b.row) - 1));
    inkBottom = std::max(inkBottom, std::min(rows - 1, std::max(a.row, b.row) + 1));
}

// Inlined into the loops that call it: a wave's segment is a couple of stores,
// and a call per segment would cost as much again.
[[gnu::always_inline]] inline void PlotSurface::rasterize(PixelLines& lines, const Stroke& s,
                                                          PixelPoint a, PixelPoint b, int& inkTop,
                                                          int& inkBottom) {
    widenInk(a, b, lines.height(), inkTop, inkBottom);
    const std::uint32_t colour = to_pixel(s.colour);
    if (s.point) {
        lines.point(a.col, a.row, colour);
    } else if (s.style == LineStyle::Dotted) {
        lines.dotted(a.col, a.row, b.col, b.row, colour);
    } else {
        lines.solid(a.col, a.row, b.col, b.row, colour);
    }
}

void PlotSurface::redraw() {
    blank_ = false;
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
                   to_pixel(background_));
    inkTop_ = height_;
    inkBottom_ = -1;
    PixelLines lines = target();
    PixelPoint end{0, 0};
    UserPoint endAt{kNone, kNone};
    for (std::size_t i = 0; i < drawn_; ++i) {
        const Stroke& s = strokes_[i];
        const PixelPoint a = s.x1 == endAt.x && s.y1 == endAt.y
                                 ? end
                                 : fraction_to_pixel(s.x1, s.y1, width_, height_);
        end = s.point ? a : fraction_to_pixel(s.x2, s.y2, width_, height_);
        endAt = {s.x2, s.y2};
        rasterize(lines, s, a, end, inkTop_, inkBottom_);
    }
    flush();
    changed_ = {0, height_ - 1};
    ++generation_;
}

const std::uint32_t* PlotSurface::pixels() {
    flush();
    clearIfBlank();
    return pixels_.data();
}

int PlotSurface::width() const {
    return width_;
}

int PlotSurface::height() const {
    return height_;
}

double PlotSurface::pixel_ratio() const {
    return ratio_;
}

std::uint64_t PlotSurface::generation() const {
    return generation_;
}

PlotSurface::RowSpan PlotSurface::take_changed_rows() {
    const RowSpan rows = changed_;
    changed_ = {0, -1};
    return rows;
}

void PlotSurface::Scale(float x1, float y1, float x2, float y2) {
    // Waiting strokes are in the coordinates of the scale they were drawn in.
    flush();
    scale_.x1 = x1;
    scale_.y1 = y1;
    scale_.x2 = x2;
    scale_.y2 = y2;
}

// Every component redraw clears the sum plot too, so Cls often comes
// several times before anything is drawn: the pixels are filled once, when
// next needed.
void PlotSurface::Cls() {
    strokes_.clear();
    drawn_ = 0;
    blank_ = true;
    ++generation_;
}

// Only the rows drawn on since the last clearing need it: a wave of small
// amplitude leaves most of the plot untouched.
void PlotSurface::clearIfBlank() {
    if (!blank_) {
        return;
    }
    blank_ = false;
    if (inkTop_ <= inkBottom_) {
        widenChanged(inkTop_, inkBottom_);
        const auto row = [this](int r) {
            return static_cast<std::size_t>(r) * static_cast<std::size_t>(width_);
        };
        fill_pixels(pixels_.data() + row(inkTop_), row(inkBottom_ + 1) - row(inkTop_),
                    to_pixel(background_));
    }
    inkTop_ = height_;
    inkBottom_ = -1;
}

void PlotSurface::DrawStyle(LineStyle style) {
    style_ = style;
}

void PlotSurface::ForeColor(Colour colour) {
    colour_ = colour;
}

void PlotSurface::Line(float x1, float y1, float x2, float y2) {
    addStroke(x1, y1, x2, y2, false);
}

void PlotSurface::Line(float x2, float y2) {
    addStroke(current_.x, current_.y, x2, y2, false);
}

void PlotSurface::PSet(float x, float y) {
    addStroke(x, y, x, y, true);
}

// A wave: the strokes PSet and Line would record, drawn as they are
// recorded, in the pass flush() would make over them later. Each point is
// worked out once, by the same sums as there, so the pixels are the same.
void PlotSurface::Polyline(const float* xs, const float* ys, std::size_t n) {
    if (n == 0 || style_ != LineStyle::Solid) {
        PictureBox::Polyline(xs, ys, n);
        return;
    }
    // What came before is drawn first, as it would have been.
    flush();
    const Pass at = pass();
    int inkTop = inkTop_;
    int inkBottom = inkBottom_;
    PixelLines lines = target();
    UserPoint from = at.fraction(xs[0], ys[0]);
    PixelPoint a = at.pixel(from);
    strokes_.push_back({from.x, from.y, from.x, from.y, colour_, style_, true});
    rasterize(lines, strokes_.back(), a, a, inkTop, inkBottom);
    for (std::size_t i = 1; i < n; ++i) {
        const UserPoint to = at.fraction(xs[i], ys[i]);
        const PixelPoint b = at.pixel(to);
        strokes_.push_back({from.x, from.y, to.x, to.y, colour_, style_, false});
        rasterize(lines, strokes_.back(), a, b, inkTop, inkBottom);
        from = to;
        a = b;
    }
    current_ = {xs[n - 1], ys[n - 1]};
    endPass(inkTop, inkBottom);
    ++generation_;
}

int PlotSurface::PixelColumns() const {
    return width_;
}

// A wave arrives one sample at a time between computations of the next; it
// is drawn in one tight pass when the pixels are next looked at, which keeps
// the drawing out of the way of the arithmetic and costs less.
void PlotSurface::addStroke(double x1, double y1, double x2, double y2, bool point) {
    strokes_.push_back({x1, y1, x2, y2, colour_, style_, point});
    current_ = {x2, y2};
    ++generation_;
}

void PlotSurface::flush() {
    if (drawn_ == strokes_.size()) {
        return;
    }
    const Pass at = pass();
    int inkTop = inkTop_;
    int inkBottom = inkBottom_;
    PixelLines lines = target();
    // A wave's segments chain end to start: each end is worked out once,
    // and the same sum on the same numbers gives the same fraction and pixel.
    UserPoint endAt{kNone, kNone};
    UserPoint endFraction{0, 0};
    PixelPoint end{0, 0};
    ColumnRun run;
    for (std::size_t i = drawn_; i < strokes_.size(); ++i) {
        Stroke& s = strokes_[i];
        const UserPoint to = at.fraction(s.x2, s.y2);
        UserPoint from = to;
        PixelPoint a{0, 0};
        if (s.x1 == endAt.x && s.y1 == endAt.y) {
            from = endFraction;
            a = end;
        } else {
            if (!s.point) {
                from = at.fraction(s.x1, s.y1);
            }
            a = at.pixel(from);
        }
        const PixelPoint b = s.point ? a : at.pixel(to);
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
        run.draw(lines);
        if (run.start(s, a, b)) {
            widenInk(a, b, at.rows, inkTop, inkBottom);
            continue;
        }
        rasterize(lines, s, a, b, inkTop, inkBottom);
    }
    run.draw(lines);
    endPass(inkTop, inkBottom);
}

PlotSurface::Pass PlotSurface::pass() const {
    return {scale_.x1, scale_.y1, scale_.x2 - scale_.x1, scale_.y2 - scale_.y1, width_, height_};
}

void PlotSurface::endPass(int inkTop, int inkBottom) {
    inkTop_ = inkTop;
    inkBottom_ = inkBottom;
    drawn_ = strokes_.size();
    if (inkTop <= inkBottom) {
        widenChanged(inkTop, inkBottom);
    }
}

void PlotSurface::widenChanged(int first, int last) {
    if (changed_.first > changed_.last) {
        changed_ = {first, last};
    } else {
        changed_ = {std::min(changed_.first, first), std::max(changed_.last, last)};
    }
}

PixelLines PlotSurface::target() {
    clearIfBlank();
    return {pixels_.data(), width_, width_, height_};
}

bool PlotSurface::ColumnRun::joins(const Stroke& s, PixelPoint a, PixelPoint b) {
    return s.style == LineStyle::Dotted && !s.point && a.col == b.col && a.row != b.row;
}

bool PlotSurface::ColumnRun::start(const Stroke& s, PixelPoint a, PixelPoint b) {
    if (!joins(s, a, b)) {
        return false;
    }
    *this = {a.col, a.col, a.row, b.row, s.colour};
    return true;
}

bool PlotSurface::ColumnRun::extend(const Stroke& s, PixelPoint a, PixelPoint b) {
    if (right < left || !joins(s, a, b) || a.col != right + 1 || a.row != row1 || b.row != row2 ||
        s.colour != colour) {
        return false;
    }
    right = a.col;
    return true;
}

void PlotSurface::ColumnRun::draw(PixelLines& lines) {
    if (left <= right) {
        lines.dottedColumns(left, right, row1, row2, to_pixel(colour));
        right = left - 1;
    }
}

} // namespace wave
