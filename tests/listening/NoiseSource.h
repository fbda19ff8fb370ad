#pragma once

#include <cmath>
#include <cstdint>

namespace recordings {

// Random numbers that come out the same on every machine and with every standard library, so
// that a recording made for the tests is the same recording each time.
class NoiseSource {
public:
    explicit NoiseSource(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}

    // Uniform in [0, 1).
    double uniform() {
        // splitmix64
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return double(z >> 11) * 0x1.0p-53;
    }
    double between(double low, double high) { return low + (high - low) * uniform(); }
    // Standard normal, by Box and Muller.
    double gaussian() {
        if (haveSpare_) {
            haveSpare_ = false;
            return spare_;
        }
        const double u = std::max(uniform(), 1e-300), v = uniform();
        const double radius = std::sqrt(-2.0 * std::log(u));
        spare_ = radius * std::sin(2 * M_PI * v);
        haveSpare_ = true;
        return radius * std::cos(2 * M_PI * v);
    }

private:
    std::uint64_t state_;
    double spare_ = 0;
    bool haveSpare_ = false;
};

} // namespace recordings
