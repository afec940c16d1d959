// SPDX-License-Identifier: MIT
#pragma once

#include "form/form1.h"
#include "ui/controls.h"

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace wave {

// A stand-in for the window's controls that writes down every operation, in
// order, so tests can read back exactly what the logic did.

struct Op {
    std::string control; // "Grph(1)", "Gr", "Labela(0)", "window", ...
    std::string name;    // "Scale", "Cls", "DrawStyle", "ForeColor", "Line", "LineTo", "PSet", ...
    std::vector<float> args;
    std::string text;
};

inline std::ostream& operator<<(std::ostream& os, const Op& op) {
    os << op.control << '.' << op.name;
    for (float a : op.args) {
        os << ' ' << a;
    }
    if (!op.text.empty()) {
        os << " \"" << op.text << '"';
    }
    return os;
}

class RecordingPictureBox : public PictureBox {
public:
    RecordingPictureBox(std::vector<Op>& log, std::string name)
        : log_(log), name_(std::move(name)) {}
    void Scale(float x1, float y1, float x2, float y2) override { add("Scale", {x1, y1, x2, y2}); }
    void Cls() override { add("Cls", {}); }
    void DrawStyle(LineStyle s) override { add("DrawStyle", {static_cast<float>(s)}); }
    void ForeColor(Colour c) override { add("ForeColor", {static_cast<float>(c)}); }
    void Line(float x1, float y1, float x2, float y2) override { add("Line", {x1, y1, x2, y2}); }
    void Line(float x2, float y2) override { add("LineTo", {x2, y2}); }
    void PSet(float x, float y) override { add("PSet", {x, y}); }
    int PixelColumns() const override { return columns; }

    int columns = 301;

private:
    void add(const char* op, std::vector<float> args) {
        log_.push_back({name_, op, std::move(args), {}});
    }
    std::vector<Op>& log_;
    std::string name_;
};

class RecordingLabel : public Label {
public:
    RecordingLabel(std::vector<Op>& log, std::string name) : log_(log), name_(std::move(name)) {}
    void Caption(const std::string& t) override {
        text = t;
        log_.push_back({name_, "Caption", {}, t});
    }
    std::string text;

private:
    std::vector<Op>& log_;
    std::string name_;
};

class RecordingOption : public OptionButton {
public:
    RecordingOption(std::vector<Op>& log, std::string name) : log_(log), name_(std::move(name)) {}
    void Value(bool v) override {
        selected = v;
        log_.push_back({name_, "Value", {v ? 1.0f : 0.0f}, {}});
    }
    bool selected = false;

private:
    std::vector<Op>& log_;
    std::string name_;
};

class RecordingWindow : public Window {
public:
    explicit RecordingWindow(std::vector<Op>& log) : log_(log) {}
    float Width() const override { return width; }
    float Height() const override { return height; }
    void Width(float t) override { set("Width", width, t); }
    void Height(float t) override { set("Height", height, t); }
    void Left(float t) override { set("Left", left, t); }
    void Top(float t) override { set("Top", top, t); }
    float width = 0, height = 0, left = 0, top = 0;

private:
    void set(const char* what, float& field, float t) {
        field = t;
        log_.push_back({"window", what, {t}, {}});
    }
    std::vector<Op>& log_;
};

class FixedScreen : public Screen {
public:
    float Width() const override { return width; }
    float Height() const override { return height; }
    float AvailableLeft() const override { return available_left; }
    float AvailableTop() const override { return available_top; }
    float width = 15360, height = 11520;
    float available_left = 0, available_top = 0;
};

// A whole window's worth of recording controls around one Form1.
struct RecordedForm {
    std::vector<Op> log;
    std::array<RecordingPictureBox, 4> Grph{
        {{log, "Grph(0)"}, {log, "Grph(1)"}, {log, "Grph(2)"}, {log, "Grph(3)"}}};
    RecordingPictureBox Gr{log, "Gr"};
    std::array<RecordingLabel, 4> Labela{
        {{log, "Labela(0)"}, {log, "Labela(1)"}, {log, "Labela(2)"}, {log, "Labela(3)"}}};
    std::array<RecordingLabel, 4> Labelb{
        {{log, "Labelb(0)"}, {log, "Labelb(1)"}, {log, "Labelb(2)"}, {log, "Labelb(3)"}}};
    RecordingLabel labelt{log, "labelt"};
    RecordingLabel value_t{log, "value_t"};
    std::array<RecordingOption, 4> switch_c{
        {{log, "switch_c(0)"}, {log, "switch_c(1)"}, {log, "switch_c(2)"}, {log, "switch_c(3)"}}};
    std::array<RecordingOption, 4> switch_s{
        {{log, "switch_s(0)"}, {log, "switch_s(1)"}, {log, "switch_s(2)"}, {log, "switch_s(3)"}}};
    std::array<RecordingOption, 8> step_options{{{log, "Option1"},
                                                 {log, "Option2"},
                                                 {log, "Option3"},
                                                 {log, "Option4"},
                                                 {log, "Option5"},
                                                 {log, "Option6"},
                                                 {log, "Option7"},
                                                 {log, "Option8"}}};
    RecordingWindow window{log};
    FixedScreen screen;
    Form1 form{controls()};

    // Start-up already run, log emptied: the state every handler test begins from.
    static std::unique_ptr<RecordedForm> loaded() {
        auto f = std::make_unique<RecordedForm>();
        f->form.Form_Load();
        f->log.clear();
        return f;
    }

    std::vector<Op> ops_on(const std::string& control) const {
        std::vector<Op> out;
        for (const Op& op : log) {
            if (op.control == control) {
                out.push_back(op);
            }
        }
        return out;
    }

    FormControls controls() {
        FormControls c;
        for (std::size_t i = 0; i < 4; ++i) {
            c.Grph[i] = &Grph[i];
            c.Labela[i] = &Labela[i];
            c.Labelb[i] = &Labelb[i];
            c.switch_c[i] = &switch_c[i];
            c.switch_s[i] = &switch_s[i];
        }
        for (std::size_t i = 0; i < step_options.size(); ++i) {
            c.step_options[i] = &step_options[i];
        }
        c.Gr = &Gr;
        c.labelt = &labelt;
        c.value_t = &value_t;
        c.window = &window;
        c.screen = &screen;
        return c;
    }
};

} // namespace wave
