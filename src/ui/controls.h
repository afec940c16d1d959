// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace wave {

// The few control operations the logic uses. The Qt layer implements them with
// widgets; tests implement them with a recorder.

// Colours are 0x00BBGGRR.
using Colour = std::uint32_t;

enum class LineStyle : int { Solid = 0, Dotted = 2 };

class PictureBox {
public:
    virtual ~PictureBox() = default;
    // (x1, y1) is the upper-left corner, (x2, y2) the lower-right; the drawing is kept.
    virtual void Scale(float x1, float y1, float x2, float y2) = 0;
    virtual void Cls() = 0;
    virtual void DrawStyle(LineStyle style) = 0;
    virtual void ForeColor(Colour colour) = 0;
    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    // From the current point.
    virtual void Line(float x2, float y2) = 0;
    virtual void PSet(float x, float y) = 0;
    // PSet at the first of n points and Line to each of the others, in one
    // call: a plot's hundreds of samples need not cost a call each.
    virtual void Polyline(const float* xs, const float* ys, std::size_t n) {
        if (n == 0) {
            return;
        }
        PSet(xs[0], ys[0]);
        for (std::size_t i = 1; i < n; ++i) {
            Line(xs[i], ys[i]);
        }
    }
    // Columns of the drawing area, so a grid denser than the pixels can be thinned.
    virtual int PixelColumns() const = 0;
};

class Label {
public:
    virtual ~Label() = default;
    virtual void Caption(const std::string& text) = 0;
};

class OptionButton {
public:
    virtual ~OptionButton() = default;
    // True selects the button and clears the others of its container.
    virtual void Value(bool selected) = 0;
};

// Outer size and position of the window, in twips.
class Window {
public:
    virtual ~Window() = default;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual void Width(float twips) = 0;
    virtual void Height(float twips) = 0;
    virtual void Left(float twips) = 0;
    virtual void Top(float twips) = 0;
};

// The screen's size, in twips, and where the part of it that panels and docks
// leave free begins.
class Screen {
public:
    virtual ~Screen() = default;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual float AvailableLeft() const { return 0.0f; }
    virtual float AvailableTop() const { return 0.0f; }
};

} // namespace wave
