#include "Tempo.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array<double, 12> kFactors = {2.0,   1.66,  1.43,  1.25,  1.111, 1.0,
                                             0.909, 0.833, 0.769, 0.714, 0.666, 0.625};

} // namespace

int Tempo::snapped(int speed) {
    const int clamped = std::clamp(speed, kMinimum, kMaximum);
    const int steps = (clamped - kMinimum + kStep / 2) / kStep;
    return kMinimum + steps * kStep;
}

bool Tempo::isMetronomeValue(int speed) {
    return speed >= kMinimum && speed <= kMaximum && (speed - kMinimum) % kStep == 0;
}

double Tempo::factor(int speed) {
    return kFactors[static_cast<std::size_t>((snapped(speed) - kMinimum) / kStep)];
}

int Tempo::scaled(int base, double factor) {
    // A double times a small integer fits in 64 mantissa bits, so extended arithmetic holds the
    // product exactly. The rounded double product plus its exact remainder (fma) gives the same
    // truncation on every processor.
    const double b = static_cast<double>(base);
    const double product = factor * b;
    const double remainder = std::fma(factor, b, -product);
    double whole = std::trunc(product);
    if (whole == product && remainder < 0.0)
        whole -= 1.0; // the exact product lies just below an integer
    return static_cast<int>(whole);
}

TempoDurations Tempo::durations(double factor) {
    TempoDurations d;
    d.Dur25 = QString::number(scaled(25, factor));
    d.Dur50 = QString::number(scaled(50, factor));
    d.Dur75 = QString::number(scaled(75, factor));
    d.Dur100 = QString::number(scaled(100, factor));
    d.Dur33 = QString::number(scaled(33, factor));
    d.Dur66 = QString::number(scaled(66, factor));
    d.Dur99 = QString::number(scaled(99, factor));
    return d;
}
