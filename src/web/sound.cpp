// SPDX-License-Identifier: MIT
#include "web/sound.h"

#include "web/dom.h"
#include "web/events.h"

#include <emscripten/bind.h>

#include <utility>

namespace web {

using emscripten::val;

namespace {

constexpr int kBlockFrames = 512;

Sound* the_sound = nullptr;

void fill_block(val event) {
    if (the_sound != nullptr) {
        the_sound->fill(event);
    }
}

} // namespace

Sound::Sound(const wave::WaveSettings& settings, std::function<void()> failed)
    : settings_(settings), failed_(std::move(failed)) {
    the_sound = this;
}

Sound::~Sound() {
    the_sound = nullptr;
}

void Sound::play() {
    playing_ = true;
    if (starting_) {
        return;
    }
    if (context_.isUndefined()) {
        val type = browser_window()["AudioContext"];
        if (type.isUndefined()) {
            type = browser_window()["webkitAudioContext"];
        }
        if (type.isUndefined()) {
            fail();
            return;
        }
        // Made inside a promise, so a browser that cannot open a device
        // rejects it rather than throwing through the module.
        starting_ = true;
        const val reflect = val::global("Reflect");
        const val make = reflect["construct"].call<val>("bind", val::null(), type, val::array());
        static const val made = callback([](const val& context) { the_sound->started(context); });
        static const val refused = callback([](const val&) { the_sound->fail(); });
        val::global("Promise")
            .call<val>("resolve", type)
            .call<val>("then", make)
            .call<void>("then", made, refused);
        return;
    }
    started(context_);
}

void Sound::started(const val& context) {
    starting_ = false;
    if (context_.isUndefined()) {
        context_ = context;
        synth_ = std::make_unique<wave::WaveSynth>(context_["sampleRate"].as<int>());
        node_ = context_.call<val>("createScriptProcessor", kBlockFrames, 0, 1);
        node_.set("onaudioprocess", val::module_property("wave_sound_block"));
        static const val broken = callback([](const val&) { the_sound->fail(); });
        context_.call<void>("addEventListener", val("error"), broken);
    }
    if (!playing_) {
        return;
    }
    synth_->set(settings_);
    if (!connected_) {
        node_.call<void>("connect", context_["destination"]);
        connected_ = true;
    }
    static const val refused = callback([](const val&) { the_sound->fail(); });
    context_.call<val>("resume").call<void>("then", ignore_outcome(), refused);
}

void Sound::stop() {
    playing_ = false;
    if (synth_) {
        synth_->fade_out();
    }
}

void Sound::fill(const val& event) {
    const val out = event["outputBuffer"].call<val>("getChannelData", 0);
    const auto frames = out["length"].as<std::size_t>();
    block_.resize(frames);
    if (synth_) {
        if (playing_) {
            synth_->set(settings_);
        }
        synth_->render(block_);
    }
    out.call<void>("set", val(emscripten::typed_memory_view(frames, block_.data())));
    if (!playing_ && synth_ && synth_->silent() && connected_) {
        // Faded out: the device is let go until the next play.
        node_.call<void>("disconnect");
        connected_ = false;
        context_.call<val>("suspend").call<void>("then", ignore_outcome(), ignore_outcome());
    }
}

void Sound::fail() {
    starting_ = false;
    const bool asked = playing_;
    playing_ = false;
    if (asked && failed_) {
        failed_();
    }
}

} // namespace web

EMSCRIPTEN_BINDINGS(wave_sound) {
    emscripten::function("wave_sound_block", &web::fill_block);
}
