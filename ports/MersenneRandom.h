#pragma once

#include "Random.h"

#include <QtGlobal>

#include <random>

// A 64-bit Mersenne Twister. Built without a seed it takes a new seed from the clock before
// every question; built with a seed it gives one repeatable sequence for the whole run.
class MersenneRandom final : public Random {
public:
    MersenneRandom();
    explicit MersenneRandom(quint64 seed);

    void seed(quint64 value);
    void reseedFromClock() override;
    int next(int n) override;

    static quint64 clockSeed();

private:
    std::mt19937_64 engine_;
    bool followsClock_;
};
