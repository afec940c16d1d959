// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/wave_synth.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAudioSink;
class QIODevice;

namespace wave {
struct WaveSettings;
}

namespace desktop {

// The sum as sound: the core's synthesiser, rendered from the window's
// settings as they stand, written to Qt's audio sink a few milliseconds at a
// time, so a press is heard within the sink's short buffer.
class SoundOutput : public QObject {
    Q_OBJECT

public:
    // Plays only while `shown` says the window is on the screen.
    SoundOutput(const wave::WaveSettings& settings, std::function<bool()> shown,
                QObject* parent = nullptr);
    ~SoundOutput() override;

    // False when the machine has no sound device.
    bool start();
    // Fades out, then lets the device go.
    void stop();
    bool playing() const { return sink_ != nullptr && !stopping_; }

signals:
    // Stopped by itself, as when the window left the screen.
    void stoppedAlone();

private:
    void feed();
    void release();

    const wave::WaveSettings& settings_;
    std::function<bool()> shown_;
    std::unique_ptr<QAudioSink> sink_;
    QIODevice* device_ = nullptr;
    std::optional<wave::WaveSynth> synth_;
    std::vector<float> block_;
    QTimer ticks_;
    bool stopping_ = false;
};

} // namespace desktop
