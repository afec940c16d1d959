// SPDX-License-Identifier: MIT
#include "arithmetic_floor.h"
#include "form/form1.h"
#include "logic/form_events.h"
#include "logic/null_controls.h"
#include "qt/main_window.h"
#include "qt/picture_box_widget.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <string>

using namespace wave;
using namespace desktop;

namespace {

// The five plots of a real window, so a press is timed until its strokes
// have reached the kept images. The window is shown, as the learner's is:
// a hidden one finds its screen the slow way at every look.
class Plots {
public:
    explicit Plots(MainWindow& window) {
        window.show();
        QCoreApplication::processEvents();
        for (std::size_t i = 0; i < 4; ++i) {
            const QString name = QStringLiteral("Grph(%1)").arg(i);
            plots_[i] = window.findChild<PictureBoxWidget*>(name);
        }
        plots_[4] = window.findChild<PictureBoxWidget*>(QStringLiteral("Gr"));
    }

    // As the window does after each event: the changed rows asked to repaint.
    void finish() {
        for (PictureBoxWidget* p : plots_) {
            p->present();
            benchmark::DoNotOptimize(p->image().constBits());
        }
    }

private:
    std::array<PictureBoxWidget*, 5> plots_{};
};

// Alternating keeps the amplitude of B at 5 and 6: every press is accepted.
void press_amplitude(Form1& form, bool& up) {
    if (up) {
        form.SpinButton3_SpinUp(1);
    } else {
        form.SpinButton3_SpinDown(1);
    }
    up = !up;
}

void AmplitudePress(benchmark::State& state) {
    MainWindow window;
    Plots plots(window);
    Form1& form = window.form();
    form.settings.amp[1] = 50;
    form.settings.freq[1] = 30;
    bool up = true;
    for (auto _ : state) {
        press_amplitude(form, up);
        plots.finish();
    }
}
BENCHMARK(AmplitudePress);

// The same press with nothing drawn or shown: the logic's share.
void AmplitudePressLogicOnly(benchmark::State& state) {
    auto window = std::make_unique<NullForm>();
    Form1& form = window->form;
    form.Form_Load();
    form.settings.amp[1] = 50;
    form.settings.freq[1] = 30;
    bool up = true;
    for (auto _ : state) {
        press_amplitude(form, up);
    }
}
BENCHMARK(AmplitudePressLogicOnly);

// The same arithmetic in this process, after the toolkit has run: beside the
// clean process's figure it shows what the toolkit's leftovers cost.
void ArithmeticFloor(benchmark::State& state) {
    arithmetic_floor(state);
}
BENCHMARK(ArithmeticFloor);

void SpanPress(benchmark::State& state) {
    MainWindow window;
    Plots plots(window);
    Form1& form = window.form();
    form.settings.span_t = static_cast<float>(state.range(0));
    bool up = true;
    for (auto _ : state) {
        if (up) {
            form.SpinButton1_SpinUp();
        } else {
            form.SpinButton1_SpinDown();
        }
        up = !up;
        plots.finish();
    }
}
BENCHMARK(SpanPress)->Arg(10)->Arg(1000000);

// Puts the record back where the event does its full work every time: a
// press that a limit refuses would only time the test of the limit.
std::function<void(WaveSettings&)> reset_for(const FormEvent& event) {
    const std::string control = event.control;
    const auto i = static_cast<std::size_t>(event.index);
    if (control == "SpinButton3") {
        return [i](WaveSettings& s) { s.amp[i] = 50; };
    }
    if (control == "SpinButton4") {
        return [i](WaveSettings& s) { s.freq[i] = 50.0f; };
    }
    if (control == "SpinButton1") {
        return [](WaveSettings& s) { s.span_t = 10.0f; };
    }
    return [](WaveSettings&) {};
}

void register_events() {
    for (const FormEvent& event : all_form_events()) {
        benchmark::RegisterBenchmark(
            ("Event/" + event.name()).c_str(), [event](benchmark::State& state) {
                MainWindow window;
                Plots plots(window);
                Form1& form = window.form();
                for (std::size_t i = 0; i < 4; ++i) {
                    form.settings.amp[i] = static_cast<std::int16_t>(10 * (i + 1));
                    form.settings.freq[i] = static_cast<float>(5 * (i + 1));
                }
                const auto reset = reset_for(event);
                for (auto _ : state) {
                    reset(form.settings);
                    event.apply(form);
                    plots.finish();
                }
            });
    }
}

[[maybe_unused]] const bool registered = (register_events(), true);

} // namespace
