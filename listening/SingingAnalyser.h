#pragma once

#include "AudioAnalyser.h"
#include "HeardNote.h"
#include "PitchTracker.h"
#include "SingingRules.h"
#include "SteadyNoteRecogniser.h"
#include "Tuner.h"
#include "TunerReading.h"
#include "VoicingGate.h"

#include <QObject>

#include <atomic>
#include <memory>

namespace listening {

// Hears a singer: the pitch of the sound, the notes held steadily (heard) and a tuner's
// reading of the pitch sung now. Sound arrives on whichever thread feeds it, the microphone's
// worker or a recording read offline, and the signals are sent from that thread: a receiver on
// another thread gets them queued, one on the same thread at once. A block that does not follow
// the one before (another sample rate, or a gap in the frame count) starts afresh.
class SingingAnalyser final : public QObject, public AudioAnalyser {
    Q_OBJECT
public:
    explicit SingingAnalyser(const SingingRules& rules = {}, QObject* parent = nullptr);
    ~SingingAnalyser() override;

    void analyse(std::span<const float> samples, int sampleRate, std::int64_t firstFrame) override;
    QString unavailable() const override;

    // Tuner readings at most this many times a second of sound (a screen's refresh rate);
    // 60 unless set. May be called from any thread.
    void setTunerRate(double perSecond) { tunerRate_.store(perSecond); }

signals:
    void heard(listening::HeardNote note);
    void tunerReading(listening::TunerReading reading);

private:
    void restart(int sampleRate, std::int64_t firstFrame);
    void take(const PitchFrame& frame);

    SingingRules rules_;
    std::unique_ptr<PitchTracker> tracker_;
    PitchTracker::FrameHandler frameHandler_;
    VoicingGate gate_;
    SteadyNoteRecogniser recogniser_;
    Tuner tuner_;
    std::atomic<double> tunerRate_{60.0};
    std::int64_t expectedFrame_ = -1;
};

} // namespace listening
