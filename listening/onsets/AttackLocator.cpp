#include "AttackLocator.h"

#include <algorithm>
#include <cmath>

namespace listening {

namespace {

constexpr float kBandLowHz = 400;
constexpr float kBandHighHz = 6000;
constexpr double kMinimumFloorMs = 10;
// What sounds in this stretch before a burst is its background.
constexpr double kBackgroundMs = 12;

std::int64_t framesOf(double ms, int sampleRate) {
    return static_cast<std::int64_t>(std::lround(ms * sampleRate / 1000.0));
}

} // namespace

AttackLocator::AttackLocator(int sampleRate, Settings settings)
    : settings_(settings), sampleRate_(sampleRate),
      before_(framesOf(settings.beforeMs, sampleRate)),
      burstBefore_(framesOf(settings.burstBeforeMs, sampleRate)),
      after_(framesOf(std::max(settings.afterMs, settings.bodyMs), sampleRate)),
      floor_(framesOf(settings.floorMs, sampleRate)),
      minimumFloor_(framesOf(kMinimumFloorMs, sampleRate)),
      cell_(std::max<std::int64_t>(1, framesOf(0.5, sampleRate))) {
    const auto span = static_cast<std::size_t>(before_ + after_ + floor_ + 1);
    steps_.resize(span);
    cells_.resize(span / static_cast<std::size_t>(cell_) + 1);
    sorted_.reserve(cells_.size());
}

std::size_t AttackLocator::cellsIn(double ms) const {
    return static_cast<std::size_t>(std::max<std::int64_t>(1, framesOf(ms, sampleRate_) / cell_));
}

// steps_[i] becomes the size of frame from_ + i + 1 in the band of a clap's crack, cells_ their
// maxima.
void AttackLocator::fillCells(const SampleHistory& history, std::size_t count) {
    history.copy(from_, std::span<float>(steps_.data(), count));
    // One pole each way: above the hum and the room's rumble, below the hiss.
    const float high = std::exp(-2.0f * 3.14159265f * kBandLowHz / sampleRate_);
    const float low = 1.0f - std::exp(-2.0f * 3.14159265f * kBandHighHz / sampleRate_);
    float previous = steps_[0], highPassed = 0, band = 0;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const float x = steps_[i + 1];
        highPassed = high * (highPassed + x - previous);
        previous = x;
        band += low * (highPassed - band);
        steps_[i] = std::fabs(band);
    }
    const auto cell = static_cast<std::size_t>(cell_);
    filled_ = (count - 1) / cell;
    for (std::size_t c = 0; c < filled_; ++c) {
        const auto begin = steps_.begin() + static_cast<std::ptrdiff_t>(c * cell);
        cells_[c] = *std::max_element(begin, begin + cell_);
    }
}

// What the quietest tenth of the cells before reach: claps in between, however many, leave
// some quiet moments, and steady noise is never far above this.
float AttackLocator::noiseBefore(std::size_t cells) {
    sorted_.assign(cells_.begin(), cells_.begin() + static_cast<std::ptrdiff_t>(cells));
    const auto tenth = sorted_.begin() + static_cast<std::ptrdiff_t>(cells / 10);
    std::nth_element(sorted_.begin(), tenth, sorted_.end());
    return *tenth;
}

// The middle of the cells shortly before `cell`.
float AttackLocator::middleBefore(std::size_t cell, std::size_t first) {
    const std::size_t from = std::max(first, cell - std::min(cell, cellsIn(kBackgroundMs)));
    const std::size_t to = std::max(from + 1, cell - std::min(cell - from, cellsIn(2)));
    sorted_.assign(cells_.begin() + static_cast<std::ptrdiff_t>(from),
                   cells_.begin() + static_cast<std::ptrdiff_t>(to));
    const auto middle = sorted_.begin() + static_cast<std::ptrdiff_t>(sorted_.size() / 2);
    std::nth_element(sorted_.begin(), middle, sorted_.end());
    return *middle;
}

// Back from the burst while the envelope stays above the level, across dips shorter than the
// bridge (a voice's pulses come a few milliseconds apart, and its swell must be seen whole).
// Nothing when the sound was already going at `first`.
std::optional<std::size_t> AttackLocator::attackBefore(std::size_t burst, std::size_t first,
                                                       float level) const {
    const std::size_t bridge = cellsIn(settings_.bridgeMs);
    std::size_t attack = burst;
    for (std::size_t back = burst; back > first;) {
        --back;
        if (cells_[back] >= level)
            attack = back;
        else if (attack - back > bridge)
            return attack;
    }
    return std::nullopt;
}

// A crack comes near its loudness at once; a swell takes its time.
bool AttackLocator::cracks(std::size_t attack) const {
    const auto start = cells_.begin() + static_cast<std::ptrdiff_t>(attack);
    const auto upTo = [&](double ms) {
        return cells_.begin() +
               static_cast<std::ptrdiff_t>(std::min(filled_, attack + cellsIn(ms)));
    };
    const float head = *std::max_element(start, upTo(settings_.headMs));
    const float body = *std::max_element(start, upTo(settings_.bodyMs));
    // What sounded just before: a voice's earlier pulses are nearly as loud as the next.
    const std::size_t before = cellsIn(settings_.jumpOverMs);
    const auto earlier =
        cells_.begin() + static_cast<std::ptrdiff_t>(attack - std::min(attack, before));
    const float ahead = earlier < start ? *std::max_element(earlier, start) : 0.0f;
    return head >= static_cast<float>(settings_.headShare) * body &&
           head >= static_cast<float>(settings_.jump) * ahead;
}

std::optional<AttackLocator::Attack> AttackLocator::locate(const SampleHistory& history,
                                                           std::int64_t moment) {
    // Soon after listening began, the noise is judged on what there is.
    from_ = std::max(moment - before_ - floor_ - 1, history.oldestFrame());
    const std::int64_t to = moment + after_;
    if (from_ > moment - before_ - minimumFloor_ || !history.holds(from_, to))
        return std::nullopt;
    fillCells(history, static_cast<std::size_t>(to - from_));

    const std::size_t windowStart = cellOf(moment - before_);
    const auto burstFrom =
        cells_.begin() + static_cast<std::ptrdiff_t>(cellOf(moment - burstBefore_));
    const auto burstTo = cells_.begin() + static_cast<std::ptrdiff_t>(
                                              cellOf(moment) + cellsIn(settings_.afterMs / 2));
    const float peak = *std::max_element(burstFrom, burstTo);
    const float noise = noiseBefore(windowStart);
    if (peak <= 1e-6f || peak < noise * static_cast<float>(settings_.minContrast))
        return std::nullopt;
    const float burstLevel = static_cast<float>(settings_.burst) * peak;
    const auto burst = std::find_if(burstFrom, burstTo, [&](float c) { return c >= burstLevel; });
    const auto burstCell = static_cast<std::size_t>(burst - cells_.begin());
    // Steady noise stays below three times its quiet tenth; the ring of an earlier clap just
    // before this one below twice its middle.
    float level = std::max({noise * 3.0f, static_cast<float>(settings_.level) * peak,
                            2.0f * middleBefore(burstCell, windowStart)});
    std::optional<std::size_t> attack = attackBefore(burstCell, windowStart, level);
    if (!attack) {
        // Out of the ring of an earlier sound: the attack is where the burst rose above it.
        level = std::max(level, 0.5f * cells_[burstCell]);
        attack = burstCell;
        while (*attack > windowStart && cells_[*attack - 1] >= level)
            --*attack;
    }
    if (!cracks(*attack)) {
        // Noise near the level just before may have drawn the attack back too far: the
        // burst's own rise is the other reading.
        std::size_t rise = burstCell;
        while (rise > windowStart && cells_[rise - 1] >= level)
            --rise;
        if (rise == *attack || !cracks(rise))
            return std::nullopt;
        attack = rise;
    }
    std::size_t step = *attack * static_cast<std::size_t>(cell_);
    while (steps_[step] < level)
        ++step;
    return Attack{from_ + static_cast<std::int64_t>(step) + 1, peak, noise};
}

} // namespace listening
