#pragma once

#include <cmath>
#include <vector>

// The fundamental frequency of a mono signal by the normalised difference function: the first
// clear dip (so that strong overtones do not fool it), refined between samples by a parabola
// through the dip and its neighbours, so that it is good to a few cents. 0 when there is no
// clear period. `x` holds at least a tenth of a second plus the longest period (1/50 s).
inline double fundamentalFrequency(const std::vector<float>& x, int rate) {
    const int minLag = rate / 2000, maxLag = rate / 50;
    const std::size_t window = static_cast<std::size_t>(rate / 10);
    if (x.size() < window + static_cast<std::size_t>(maxLag) + 1)
        return 0;
    std::vector<double> d(static_cast<std::size_t>(maxLag) + 2, 0.0);
    for (int lag = 1; lag <= maxLag + 1; ++lag)
        for (std::size_t i = 0; i < window; ++i) {
            const double diff = x[i] - x[i + static_cast<std::size_t>(lag)];
            d[static_cast<std::size_t>(lag)] += diff * diff;
        }
    std::vector<double> normalised(d.size(), 1.0);
    double running = 0;
    for (int lag = 1; lag <= maxLag + 1; ++lag) {
        running += d[static_cast<std::size_t>(lag)];
        normalised[static_cast<std::size_t>(lag)] =
            running > 0 ? d[static_cast<std::size_t>(lag)] * lag / running : 1.0;
    }
    for (int lag = minLag; lag <= maxLag; ++lag) {
        if (normalised[static_cast<std::size_t>(lag)] >= 0.2)
            continue;
        while (lag < maxLag && normalised[static_cast<std::size_t>(lag) + 1] <
                                   normalised[static_cast<std::size_t>(lag)])
            ++lag;
        const double a = normalised[static_cast<std::size_t>(lag) - 1];
        const double b = normalised[static_cast<std::size_t>(lag)];
        const double c = normalised[static_cast<std::size_t>(lag) + 1];
        const double bend = a - 2 * b + c;
        const double offset = bend > 0 ? 0.5 * (a - c) / bend : 0.0;
        return double(rate) / (lag + offset);
    }
    return 0;
}

// How far `frequency` lies from MIDI note `note`, in cents.
inline double centsFromNote(double frequency, int note) {
    const double expected = 440.0 * std::pow(2.0, (note - 69) / 12.0);
    return 1200.0 * std::log2(frequency / expected);
}
