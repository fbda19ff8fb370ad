#pragma once

#include "SampleHistory.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace listening {

// Where a sharp sound begins, found in the samples around a moment a detector pointed at.
//
// The sound is looked at in the band of a clap's crack (above hum and rumble, below hiss), as an
// envelope of half-millisecond cells. A hand clap may crack more than once within some tens of
// milliseconds, and the loudest crack need not be the first, so the attack is found by going
// back from the first strong burst near the moment for as long as the envelope stays above the
// noise (and above the ring of an earlier clap), across short dips, to the first cell that rises
// a tenth of the way to the peak; the attack is that cell's first sample above the level.
// A sound that stands out too little from the noise, or that swells rather than cracks, is no
// attack: a crack comes near its loudness within a few milliseconds and stands well above what
// sounded just before, while a spoken syllable grows pulse by pulse.
class AttackLocator {
public:
    struct Settings {
        double beforeMs = 30;     // how far back from the detector's moment the attack may lie
        double burstBeforeMs = 8; // how far back its first strong burst may lie
        double afterMs = 55;      // what must be heard after the moment to judge the sound
        double floorMs = 200;     // the stretch before, whose quiet tenth is the noise
        double minContrast = 6;   // peak over noise, at least (16 dB)
        double level = 0.1;       // the attack's level, as a share of the peak
        double burst = 0.3;       // what share of the peak a strong burst reaches
        double bridgeMs = 10;     // dips shorter than this do not end a sound
        double headMs = 4;        // a crack reaches, within this time of its attack,
        double headShare = 0.5;   // this share of its loudness in the
        double bodyMs = 50;       // time that follows,
        double jump = 3;          // and stands this much above
        double jumpOverMs = 10;   // what sounded in the time before
    };

    struct Attack {
        std::int64_t frame = 0;
        float peak = 0;  // the loudest cell, in the crack's band
        float noise = 0; // the quiet tenth of the cells before
    };

    AttackLocator(int sampleRate, Settings settings);

    // Frames the history must hold after `moment` before the attack around it can be found.
    std::int64_t framesAfter() const { return after_; }
    // The attack near `moment`, if the history holds the frames around it and there is one.
    std::optional<Attack> locate(const SampleHistory& history, std::int64_t moment);

private:
    std::size_t cellOf(std::int64_t frame) const {
        return static_cast<std::size_t>((frame - from_) / cell_);
    }
    std::size_t cellsIn(double ms) const;
    void fillCells(const SampleHistory& history, std::size_t count);
    float noiseBefore(std::size_t cells);
    float middleBefore(std::size_t cell, std::size_t first);
    std::optional<std::size_t> attackBefore(std::size_t burst, std::size_t first,
                                            float level) const;
    bool cracks(std::size_t attack) const;

    Settings settings_;
    int sampleRate_;
    std::int64_t before_, burstBefore_, after_, floor_, minimumFloor_, cell_;
    std::int64_t from_ = 0;  // the frame of the scratch space's start
    std::size_t filled_ = 0; // cells filled
    // Scratch space, sized once.
    std::vector<float> steps_;
    std::vector<float> cells_;
    std::vector<float> sorted_;
};

} // namespace listening
