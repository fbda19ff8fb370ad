#pragma once

#include "HeardNote.h"
#include "PitchFrame.h"
#include "SingingRules.h"

#include <optional>
#include <vector>

namespace listening {

// Turns the pitch frames of a singer into notes: a pitch held within the tolerance of one
// centre for the hold time is heard once. The same note is not heard again until the singer
// stops (a break of the stop time) or moves to another note; speech, a slide between notes and
// anything not sung never holds still long enough.
class SteadyNoteRecogniser {
public:
    explicit SteadyNoteRecogniser(const SingingRules& rules) : rules_(rules) {}

    // Starts afresh for frames `hopMs` apart, each of a window `windowMs` long.
    void restart(double hopMs, double windowMs);
    // The next frame, and whether it is sung; returns the note it completes, if any.
    std::optional<HeardNote> add(const PitchFrame& frame, bool sung);

private:
    struct Moment {
        double pitch;
        double levelDb;
        bool sung;
    };
    struct Held {
        int note;
        double centre;
    };
    std::optional<double> steadyCentre();
    bool sustained() const;
    double drift(double median) const;

    SingingRules rules_;
    double hopMs_ = 0;
    double windowMs_ = 0;
    std::size_t span_ = 1;       // frames that together cover the hold time
    std::vector<Moment> recent_; // the last `span_` frames, a ring
    std::size_t next_ = 0;
    std::size_t count_ = 0;
    double breakMs_ = 0;       // how long nothing has been sung
    std::optional<Held> held_; // the note last heard, while the singer holds it
    std::vector<double> scratch_;
};

} // namespace listening
