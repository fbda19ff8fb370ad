#include "MersenneRandom.h"

#include <chrono>

MersenneRandom::MersenneRandom() : engine_(clockSeed()), followsClock_(true) {}

MersenneRandom::MersenneRandom(quint64 seed) : engine_(seed), followsClock_(false) {}

void MersenneRandom::seed(quint64 value) {
    engine_.seed(value);
}

void MersenneRandom::reseedFromClock() {
    if (followsClock_)
        engine_.seed(clockSeed());
}

int MersenneRandom::next(int n) {
    if (n <= 1)
        return 0;
    // Rejection keeps every value equally likely (a plain modulo would favour the low ones).
    const quint64 range = static_cast<quint64>(n);
    const quint64 threshold = (0 - range) % range;
    quint64 value = engine_();
    while (value < threshold)
        value = engine_();
    return static_cast<int>(value % range);
}

quint64 MersenneRandom::clockSeed() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<quint64>(wall) ^ (static_cast<quint64>(steady) * 0x9E3779B97F4A7C15ULL);
}
