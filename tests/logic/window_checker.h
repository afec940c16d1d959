// SPDX-License-Identifier: MIT
#pragma once

#include "logic/null_controls.h"
#include "logic/record_invariants.h"
#include "recording_controls.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace wave {

// Checks a recorded window after each press: the record is sound, every
// label shows its value, and every plot holds exactly its scale and what a
// second window drawing afresh from the record draws.

namespace window_check {

inline const std::array<std::string, 5> kPlots{"Grph(0)", "Grph(1)", "Grph(2)", "Grph(3)", "Gr"};

// A drawing operation in a few bytes, so whole plots compare cheaply.
struct Stroke {
    enum Kind : std::uint8_t { DrawStyle, ForeColor, Line, LineTo, PSet } kind;
    std::array<float, 4> args;
    bool operator==(const Stroke&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Stroke& s) {
    static constexpr const char* names[] = {"DrawStyle", "ForeColor", "Line", "LineTo", "PSet"};
    os << names[s.kind];
    for (float a : s.args) {
        os << ' ' << a;
    }
    return os;
}

// What a plot shows: its scale and what was drawn since its last Cls.
struct PlotTrace {
    std::vector<float> scale;
    std::vector<Stroke> drawing;
};

inline int plot_index(const std::string& control) {
    if (control == "Gr") {
        return 4;
    }
    if (control.size() == 7 && control.compare(0, 5, "Grph(") == 0) {
        return control[5] - '0';
    }
    return -1;
}

class PlotTraces {
public:
    // Follows the recorded log and reports which plots it touched.
    std::array<bool, 5> follow(const std::vector<Op>& log) {
        std::array<bool, 5> touched{};
        for (const Op& op : log) {
            const int p = plot_index(op.control);
            if (p < 0) {
                continue;
            }
            touched[static_cast<std::size_t>(p)] = true;
            PlotTrace& t = traces_[static_cast<std::size_t>(p)];
            if (op.name == "Scale") {
                t.scale = op.args;
            } else if (op.name == "Cls") {
                t.drawing.clear();
            } else {
                t.drawing.push_back(stroke(op));
            }
        }
        return touched;
    }

    const PlotTrace& operator[](std::size_t p) const { return traces_[p]; }

private:
    static Stroke stroke(const Op& op) {
        static const std::map<std::string, Stroke::Kind> kinds{{"DrawStyle", Stroke::DrawStyle},
                                                               {"ForeColor", Stroke::ForeColor},
                                                               {"Line", Stroke::Line},
                                                               {"LineTo", Stroke::LineTo},
                                                               {"PSet", Stroke::PSet}};
        Stroke s{kinds.at(op.name), {}};
        std::copy(op.args.begin(), op.args.end(), s.args.begin());
        return s;
    }

    std::array<PlotTrace, 5> traces_;
};

// A plot that keeps what was drawn since its last Cls, for a fresh window.
class FreshPlot : public PictureBox {
public:
    void Scale(float, float, float, float) override {}
    void Cls() override { drawing.clear(); }
    void DrawStyle(LineStyle s) override {
        drawing.push_back({Stroke::DrawStyle, {static_cast<float>(s)}});
    }
    void ForeColor(Colour c) override {
        drawing.push_back({Stroke::ForeColor, {static_cast<float>(c)}});
    }
    void Line(float x1, float y1, float x2, float y2) override {
        drawing.push_back({Stroke::Line, {x1, y1, x2, y2}});
    }
    void Line(float x2, float y2) override { drawing.push_back({Stroke::LineTo, {x2, y2}}); }
    void PSet(float x, float y) override { drawing.push_back({Stroke::PSet, {x, y}}); }
    int PixelColumns() const override { return columns; }

    std::vector<Stroke> drawing;
    int columns = 0;
};

// A second window built from nothing but the record, redrawing each plot.
class FreshWindow {
public:
    explicit FreshWindow(const RecordedForm& driven) {
        FormControls c = nulls_.controls();
        for (std::size_t i = 0; i < 4; ++i) {
            c.Grph[i] = &plots_[i];
            plots_[i].columns = driven.Grph[i].PixelColumns();
        }
        c.Gr = &plots_[4];
        plots_[4].columns = driven.Gr.PixelColumns();
        form_ = std::make_unique<Form1>(c);
    }

    const std::vector<Stroke>& draw(const WaveSettings& s, std::size_t plot) {
        form_->settings = s;
        if (plot < 4) {
            form_->get_curve(static_cast<std::int16_t>(plot));
        } else {
            // The component redraws clear the sum, which is then drawn alone.
            plots_[4].Cls();
            form_->get_curve2();
        }
        return plots_[plot].drawing;
    }

private:
    NullForm nulls_;
    std::array<FreshPlot, 5> plots_;
    std::unique_ptr<Form1> form_;
};

// Every plot runs from time 0 to the span, 10 up and down (20 for the sum).
inline std::vector<float> expected_scale(const WaveSettings& s, std::size_t plot) {
    const auto right = static_cast<float>(s.pi * static_cast<double>(2.0f * s.span_t));
    const auto y = static_cast<float>(plot == 4 ? 2 * s.y_range : s.y_range);
    return {0.0f, y, right, -y};
}

// What a plot's drawing depends on, to redraw the expectation only when needed.
inline std::vector<double> inputs_of(const WaveSettings& s, std::size_t plot) {
    std::vector<double> key{s.span_t, s.pi, static_cast<double>(s.y_range),
                            static_cast<double>(s.last_comp)};
    for (std::size_t i = 0; i < 4; ++i) {
        if (plot == 4 || plot == i) {
            key.insert(key.end(), {static_cast<double>(s.amp[i]), s.freq[i],
                                   static_cast<double>(s.is_cos[i])});
        }
    }
    return key;
}

inline std::string first_difference(const std::vector<Stroke>& drawn,
                                    const std::vector<Stroke>& expected) {
    std::ostringstream out;
    const std::size_t n = std::min(drawn.size(), expected.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!(drawn[i] == expected[i])) {
            out << "op " << i << ": drew " << drawn[i] << ", fresh " << expected[i];
            return out.str();
        }
    }
    out << drawn.size() << " ops drawn, " << expected.size() << " fresh";
    return out.str();
}

// Everything wrong with the window after a press; empty when all is well.
class Checker {
public:
    explicit Checker(const RecordedForm& f) : fresh_window_(f) {}

    void start(const RecordedForm& f) {
        traces_.follow(f.log);
        for (std::size_t p = 0; p < kPlots.size(); ++p) {
            inputs_[p] = inputs_of(f.form.settings, p);
            fresh_[p] = fresh_window_.draw(f.form.settings, p);
        }
    }

    // What each plot holds now, as followed from the log.
    const PlotTrace& trace(std::size_t plot) const { return traces_[plot]; }

    std::string check(RecordedForm& f) {
        const WaveSettings& s = f.form.settings;
        std::ostringstream out;
        for (const std::string& b : record_breaches(s)) {
            out << "\nrecord: " << b;
        }
        const auto touched = traces_.follow(f.log);
        f.log.clear();

        for (const LabelText& want : expected_labels(s)) {
            const std::string& shown = label(f, want.name);
            if (shown != want.text) {
                out << "\n"
                    << want.name << " shows \"" << shown << "\", record says \"" << want.text
                    << "\"";
            }
        }

        for (std::size_t p = 0; p < kPlots.size(); ++p) {
            auto key = inputs_of(s, p);
            const bool inputs_changed = key != inputs_[p];
            // Untouched, with the same inputs, a plot that matched still matches.
            if (!touched[p] && !inputs_changed) {
                continue;
            }
            if (inputs_changed) {
                fresh_[p] = fresh_window_.draw(s, p);
                inputs_[p] = std::move(key);
            }
            if (traces_[p].scale != expected_scale(s, p)) {
                out << "\n" << kPlots[p] << " has a stale scale";
            }
            if (traces_[p].drawing != fresh_[p]) {
                out << "\n"
                    << kPlots[p] << " differs from a fresh drawing: "
                    << first_difference(traces_[p].drawing, fresh_[p]);
            }
        }
        return out.str();
    }

private:
    static const std::string& label(const RecordedForm& f, const std::string& name) {
        const char index = name.size() == 9 ? name[7] : '-';
        if (index >= '0' && index <= '3') {
            const auto i = static_cast<std::size_t>(index - '0');
            return name.compare(0, 6, "Labela") == 0 ? f.Labela[i].text : f.Labelb[i].text;
        }
        return name == "labelt" ? f.labelt.text : f.value_t.text;
    }

    PlotTraces traces_;
    FreshWindow fresh_window_;
    std::array<std::vector<Stroke>, 5> fresh_;
    std::array<std::vector<double>, 5> inputs_;
};

} // namespace window_check

} // namespace wave
