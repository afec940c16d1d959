// SPDX-License-Identifier: MIT
#pragma once

#include "ui/controls.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace wave {

// The window's controls as data: one row per control, in an order where every
// container comes before what it holds. Geometry is in twips, relative to the
// container (15 twips to a logical pixel).

enum class ControlKind { Frame, Label, OptionButton, CommandButton, PictureBox, SpinButton };

enum class TextAlign { Left, Right, Centre };

enum class FontId {
    NoFont,
    Times,       // "Times New Roman" 9.75 pt
    TimesItalic, // "Times New Roman" 9.75 pt italic
    TimesSmall,  // "Times New Roman" 8.25 pt
    GothicP,     // "ＭＳ Ｐゴシック" 9.75 pt
    GothicBold,  // "ＭＳ ゴシック" 9.75 pt bold
};

struct ControlRef {
    std::string_view name; // empty: the window itself
    int index = -1;        // -1: not an array member
    bool operator==(const ControlRef&) const = default;
};

struct ControlRow {
    ControlRef ref;
    ControlKind kind;
    ControlRef container;
    std::string_view caption;
    int left, top, width, height;
    std::optional<Colour> back; // nullopt: the toolkit's default
    bool transparent;
    std::optional<Colour> fore; // nullopt: the toolkit's default
    FontId font;
    TextAlign align;
    bool selected; // option buttons selected at creation
    int tab;
};

std::span<const ControlRow> window_layout();

// "Labela(2)" for an array member, "Frame9" otherwise.
std::string object_name(const ControlRef& ref);

inline constexpr int kTwipsPerPixel = 15;

// A table length in whole logical pixels, rounded to the nearest.
int twips_to_pixels(int twips);

// The labels whose text is a number that changes: they fit it to their box.
bool shows_a_value(const ControlRef& ref);

} // namespace wave
