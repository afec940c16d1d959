// SPDX-License-Identifier: MIT
#pragma once

#include "ui/layout.h"

#include <functional>
#include <optional>
#include <string_view>

namespace wave {

// A text as drawn from its origin: the advance, and the ink's left and right
// ends, which may overhang it (an italic's last stroke, a serif's foot).
struct TextExtent {
    double advance = 0;
    double ink_left = 0;
    double ink_right = 0;

    // The run the text takes: the advance, widened by any overhanging ink.
    double left() const { return ink_left < 0 ? ink_left : 0; }
    double right() const { return ink_right > advance ? ink_right : advance; }
    double width() const { return right() - left(); }
};

enum class SizeUnit { Pixels, Points };

// The font as the label sets it.
struct FontSize {
    double value;
    SizeUnit unit;
};

// The text's extent in the label's font at this size, condensed to this many
// percent of its normal width.
using MeasureText = std::function<TextExtent(std::string_view text, double size, int stretch)>;

struct LabelFit {
    double size;
    int stretch; // percent of the normal width
    bool as_set; // the font as set fits: nothing changes
};

// Narrower than this a serif digit is no longer read reliably.
inline constexpr int kMinStretch = 50;

// A label of fixed size shows its whole text: clipped, a right-aligned
// "10.5" would read ".5". A text too wide for the room is condensed first, and
// made smaller only when even the narrowest stretch is too wide: a narrower
// digit reads better than a tiny one. When nothing readable fits, the
// smallest size at the narrowest stretch.
LabelFit fit_label(std::string_view text, double room, FontSize set, const MeasureText& measure);

// Where the text's origin goes from the left of the room, so that its run,
// ink included, is aligned within the room.
double text_origin(double room, TextAlign align, const TextExtent& extent);

// A toolkit's label places a text by its advance, at `placed`. That stands
// while the font is as set and the ink stays within the room (nothing then);
// otherwise the ink is aligned, from this origin.
std::optional<double> ink_origin(double room, TextAlign align, const TextExtent& extent,
                                 double placed, bool as_set);

} // namespace wave
