#pragma once

#include "SoundServerRig.h"

#include <QList>

#include <functional>

#include <utility>
#include <vector>

namespace midi {
class OutputPort;
}

// A pitch-trainer session as Tonewise plays it through its MIDI output: a question note, then
// wrong answers, each answered with the error tone (its own program on the same channel) and
// the notes again in the instrument's program; now and then another instrument is chosen. A
// held organ note on another channel, hard left, shows every gap; the session's notes sound
// hard right.
namespace tone {

// Every note message of the benchmark goes through here: it is sent, and the time the call
// took on this (the UI) thread is kept.
class NoteCalls {
public:
    explicit NoteCalls(midi::OutputPort& port) : port_(port) {}
    bool send(uint32_t message);
    // Names the programs a channel is about to use, as the programs do.
    void prepare(int channel, const QList<int>& programs);
    double longestMs() const { return longestMs_; }
    int calls() const { return calls_; }

private:
    midi::OutputPort& port_;
    double longestMs_ = 0;
    int calls_ = 0;
};

struct SessionResult {
    int wrongAnswers = 0;
    int instrumentChanges = 0;
    int notes = 0;                        // note-ons asked for on the session's channel
    int onsetsFound = 0;                  // of those, found in the recording
    std::vector<double> requestToSoundMs; // each found note, from its request to its sound
    std::vector<std::pair<double, double>> gapTimes; // seconds into the session, ms long
    std::vector<std::pair<bench::SteadyClock::time_point, bench::SteadyClock::time_point>> gapSpans;
};

// `beforeEachStep` runs before every wrong answer and instrument change.
SessionResult runSession(NoteCalls& calls, const bench::MonitorRecorder& recording,
                         int wrongAnswers, const std::vector<int>& instruments,
                         const std::function<void()>& beforeEachStep);

} // namespace tone
