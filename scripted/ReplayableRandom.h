#pragma once

#include "Random.h"

#include <QtGlobal>

#include <functional>
#include <random>

// Draws that follow a clock and still repeat from run to run: every reseed takes its seed from
// a fixed seed, the clock's time and the number of reseeds so far. On a virtual clock a run is
// repeatable, and draws reseeded at the same moment still differ.
class ReplayableRandom final : public Random {
public:
    ReplayableRandom(quint64 seed, std::function<qint64()> now);

    void reseedFromClock() override;
    int next(int n) override;

private:
    quint64 seed_;
    std::function<qint64()> now_;
    quint64 reseeds_ = 0;
    std::mt19937_64 engine_;
};
