#include "TapGrid.h"

#include "PatternOnsets.h"
#include "Tempo.h"

namespace {

constexpr double kTickMs = 10.0; // the player's time unit

} // namespace

TapGrid TapGrid::forQuestion(Meter meter, int tempo) {
    const TempoDurations d = Tempo::durations(Tempo::factor(tempo));
    TapGrid grid;
    grid.meter = meter;
    grid.subdivisions = PatternOnsets::subdivisions(meter);
    if (meter == Meter::Simple) {
        grid.beatMs = d.Dur100.toInt() * kTickMs;
        grid.firstBeatMs = (2 * d.Dur50.toInt() + d.Dur100.toInt()) * kTickMs;
    } else {
        grid.beatMs = d.Dur99.toInt() * kTickMs;
        grid.firstBeatMs = (3 * d.Dur33.toInt() + d.Dur99.toInt()) * kTickMs;
    }
    return grid;
}
