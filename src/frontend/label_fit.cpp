// SPDX-License-Identifier: MIT
#include "frontend/label_fit.h"

#include <algorithm>
#include <optional>

namespace wave {

namespace {

// Below these the digits are blots; the text is left at this size.
constexpr double kMinPixels = 5;
constexpr double kPixelStep = 1;
constexpr double kMinPoints = 4;
constexpr double kPointStep = 0.5;

std::optional<double> smaller(double size, SizeUnit unit) {
    const double least = unit == SizeUnit::Pixels ? kMinPixels : kMinPoints;
    const double step = unit == SizeUnit::Pixels ? kPixelStep : kPointStep;
    if (size <= least) {
        return std::nullopt;
    }
    return std::max(least, size - step);
}

// The widest stretch that fits at this size, if any does. Widths shrink about
// in proportion to the stretch, but glyphs snap to whole pixels, so the
// proportional guess is checked and moved a step at a time.
std::optional<int> condensed(std::string_view text, double size, double room,
                             const MeasureText& measure) {
    const auto fits = [&](int stretch) { return measure(text, size, stretch).width() <= room; };
    const double natural = measure(text, size, 100).width();
    int stretch = std::clamp(static_cast<int>(100 * room / natural), kMinStretch, 100);
    while (stretch < 100 && fits(stretch + 1)) {
        ++stretch;
    }
    while (stretch >= kMinStretch && !fits(stretch)) {
        --stretch;
    }
    if (stretch < kMinStretch) {
        return std::nullopt;
    }
    return stretch;
}

} // namespace

LabelFit fit_label(std::string_view text, double room, FontSize set, const MeasureText& measure) {
    if (measure(text, set.value, 100).width() <= room) {
        return {set.value, 100, true};
    }
    double size = set.value;
    for (;;) {
        if (const std::optional<int> stretch = condensed(text, size, room, measure)) {
            return {size, *stretch, false};
        }
        const std::optional<double> next = smaller(size, set.unit);
        if (!next) {
            return {size, kMinStretch, false};
        }
        size = *next;
    }
}

double text_origin(double room, TextAlign align, const TextExtent& extent) {
    double start = 0;
    if (align == TextAlign::Right) {
        start = room - extent.width();
    } else if (align == TextAlign::Centre) {
        start = (room - extent.width()) / 2;
    }
    return start - extent.left();
}

std::optional<double> ink_origin(double room, TextAlign align, const TextExtent& extent,
                                 double placed, bool as_set) {
    if (as_set && placed + extent.left() >= 0 && placed + extent.right() <= room) {
        return std::nullopt;
    }
    return text_origin(room, align, extent);
}

} // namespace wave
