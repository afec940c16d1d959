// SPDX-License-Identifier: MIT
#include "qt/sound_output.h"

#include "form/wave_settings.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace desktop {

namespace {
// What the sink holds ahead of the speaker, and how often it is topped up:
// a press is heard after at most their sum and the glide, inside 50 ms.
constexpr double kBufferSeconds = 0.035;
constexpr int kTickMs = 5;
} // namespace

SoundOutput::SoundOutput(const wave::WaveSettings& settings, std::function<bool()> shown,
                         QObject* parent)
    : QObject(parent), settings_(settings), shown_(std::move(shown)) {
    ticks_.setTimerType(Qt::PreciseTimer);
    connect(&ticks_, &QTimer::timeout, this, &SoundOutput::feed);
}

SoundOutput::~SoundOutput() {
    release();
}

bool SoundOutput::start() {
    if (sink_ != nullptr) {
        stopping_ = false;
        return true;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(48000);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Float);
    synth_.emplace(format.sampleRate());
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(static_cast<qsizetype>(format.sampleRate() * kBufferSeconds) *
                         static_cast<qsizetype>(sizeof(float)));
    device_ = sink_->start();
    if (device_ == nullptr || sink_->error() != QAudio::NoError) {
        release();
        return false;
    }
    stopping_ = false;
    feed();
    ticks_.start(kTickMs);
    return true;
}

void SoundOutput::stop() {
    if (sink_ != nullptr && !stopping_) {
        stopping_ = true;
        synth_->fade_out();
    }
}

void SoundOutput::release() {
    ticks_.stop();
    if (sink_ != nullptr) {
        sink_->stop();
        sink_.reset();
    }
    device_ = nullptr;
    synth_.reset();
    stopping_ = false;
}

void SoundOutput::feed() {
    if (sink_ == nullptr) {
        return;
    }
    // A window minimised, or taken off the screen, sends no event a widget
    // sees, so the window is asked as the sound goes on.
    if (!stopping_ && !shown_()) {
        stop();
        emit stoppedAlone();
    }
    if (stopping_ && synth_->silent()) {
        release();
        return;
    }
    const auto room = static_cast<std::size_t>(sink_->bytesFree()) / sizeof(float);
    if (room == 0) {
        return;
    }
    if (!stopping_) {
        synth_->set(settings_);
    }
    block_.resize(room);
    synth_->render(block_);
    device_->write(reinterpret_cast<const char*>(block_.data()),
                   static_cast<qint64>(room * sizeof(float)));
}

} // namespace desktop
