#include "ReplayableRandom.h"

ReplayableRandom::ReplayableRandom(quint64 seed, std::function<qint64()> now)
    : seed_(seed), now_(std::move(now)), engine_(seed) {}

void ReplayableRandom::reseedFromClock() {
    ++reseeds_;
    std::seed_seq sequence{static_cast<quint32>(seed_), static_cast<quint32>(seed_ >> 32),
                           static_cast<quint32>(now_()), static_cast<quint32>(reseeds_)};
    engine_.seed(sequence);
}

int ReplayableRandom::next(int n) {
    if (n <= 1)
        return 0;
    return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(engine_));
}
