// SPDX-License-Identifier: MIT
#pragma once

#include "form/wave_settings.h"
#include "frontend/wave_synth.h"

#include <emscripten/val.h>

#include <functional>
#include <memory>
#include <vector>

namespace web {

// The sum played through Web Audio. The samples come from the core's
// synthesiser, a block at a time, on the page's own thread, from the window's
// settings as they stand: a script processor of 512 frames asks for the next
// block about 11 ms ahead at 48 kHz, so a press is heard two blocks later at
// most, with the synthesiser's ramp in between.
class Sound {
public:
    // failed is told when the browser has no way to play.
    Sound(const wave::WaveSettings& settings, std::function<void()> failed);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Only from a user's action: browsers start sound for nothing else.
    void play();
    // Fades out, then lets the device go.
    void stop();
    bool playing() const { return playing_; }

    // The next block, asked for by the script processor.
    void fill(const emscripten::val& event);

private:
    void started(const emscripten::val& context);
    void fail();

    const wave::WaveSettings& settings_;
    std::function<void()> failed_;
    emscripten::val context_ = emscripten::val::undefined();
    emscripten::val node_ = emscripten::val::undefined();
    std::unique_ptr<wave::WaveSynth> synth_;
    std::vector<float> block_;
    bool playing_ = false;  // asked to play
    bool starting_ = false; // the context is being made
    bool connected_ = false;
};

} // namespace web
