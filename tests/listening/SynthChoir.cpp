#include "SynthChoir.h"

#include "MidiResult.h"
#include "OfflineRender.h"
#include "PitchEstimate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace recordings {

namespace {

class EventList {
public:
    void add(std::uint32_t tick, std::uint32_t status, std::uint32_t data1, std::uint32_t data2) {
        const std::uint32_t at = std::max(tick, last_);
        events_.push_back({at - last_, 0, status | data1 << 8 | data2 << 16});
        last_ = at;
    }
    void bend(std::uint32_t tick, double cents) {
        // The wheel spans two semitones either way.
        const long value = std::clamp(8192L + std::lround(cents / 200.0 * 8192.0), 0L, 16383L);
        add(tick, 0xE0, static_cast<std::uint32_t>(value & 0x7F),
            static_cast<std::uint32_t>(value >> 7));
    }
    std::vector<midi::StreamEvent> events() const { return events_; }

private:
    std::vector<midi::StreamEvent> events_;
    std::uint32_t last_ = 0;
};

} // namespace

std::vector<float> renderSynthChoir(int program, const std::vector<SynthNote>& notes,
                                    double lengthMs, int sampleRate, QString* error) {
    EventList list;
    list.add(0, 0xC0, static_cast<std::uint32_t>(program), 0);
    list.add(0, 0xB0, 7, 110);
    // No reverb or chorus: a room's echo would be a recording of its own.
    list.add(0, 0xB0, 91, 0);
    list.add(0, 0xB0, 93, 0);
    for (const SynthNote& n : notes) {
        const auto start = static_cast<std::uint32_t>(std::lround(n.startMs / 10.0));
        const auto end = static_cast<std::uint32_t>(std::lround((n.startMs + n.lengthMs) / 10.0));
        list.bend(start, n.detuneCents);
        list.add(start, 0xB0, 1, static_cast<std::uint32_t>(n.modulation));
        list.add(start, 0x90, static_cast<std::uint32_t>(n.note), 100);
        if (n.vibratoCents > 0)
            for (std::uint32_t tick = start + 1; tick < end; ++tick)
                list.bend(tick, n.detuneCents + n.vibratoCents * std::sin(2 * M_PI * 5.5 *
                                                                          (tick - start) / 100.0));
        list.add(end, 0x80, static_cast<std::uint32_t>(n.note), 0);
    }
    midi::RenderOptions options;
    options.sampleRate = sampleRate;
    options.tailSeconds = 0.5;
    std::vector<float> stereo;
    if (midi::renderStream(list.events(), options, stereo, error) != midi::Ok)
        return {};
    const auto frames = static_cast<std::size_t>(lengthMs * sampleRate / 1000.0);
    std::vector<float> mono(frames, 0.0f);
    for (std::size_t f = 0; f < frames && 2 * f + 1 < stereo.size(); ++f)
        mono[f] = 0.5f * (stereo[2 * f] + stereo[2 * f + 1]);
    return mono;
}

std::vector<double> measuredTuning(int program, const std::vector<int>& notes, int sampleRate) {
    constexpr double Spacing = 1500, Length = 1200;
    std::vector<SynthNote> plain;
    for (const int note : notes) {
        SynthNote n;
        n.note = note;
        n.startMs = Spacing * double(plain.size());
        n.lengthMs = Length;
        plain.push_back(n);
    }
    const std::vector<float> sound =
        renderSynthChoir(program, plain, Spacing * double(plain.size()), sampleRate);
    std::vector<double> tuning;
    if (sound.empty())
        return tuning;
    const auto frames = static_cast<std::size_t>(sampleRate / 10 + sampleRate / 50 + 1);
    for (const SynthNote& n : plain) {
        // The median over the first few tenths of a second, where a singer is answered: the
        // synthesizer's singers, like real ones, may start a little sharp and settle after.
        std::vector<double> cents;
        for (double at = 100; at <= 400; at += 25) {
            const auto from = static_cast<std::size_t>((n.startMs + at) * sampleRate / 1000);
            const std::vector<float> piece(sound.begin() + static_cast<std::ptrdiff_t>(from),
                                           sound.begin() +
                                               static_cast<std::ptrdiff_t>(from + frames));
            const double hertz = fundamentalFrequency(piece, sampleRate);
            // A choir's unsteady attack can mislead any estimator: only readings near the note
            // count.
            const double off = hertz > 0 ? centsFromNote(hertz, n.note) : 1e9;
            if (std::fabs(off) < 100)
                cents.push_back(off);
        }
        std::sort(cents.begin(), cents.end());
        tuning.push_back(cents.empty() ? 0.0 : cents[cents.size() / 2]);
    }
    return tuning;
}

} // namespace recordings
