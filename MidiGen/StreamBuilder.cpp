#include "StreamBuilder.h"

#include <algorithm>

namespace midigen {

namespace {

constexpr uint32_t NoteOnStatus = 144;
constexpr uint32_t ControllerStatus = 176;
constexpr uint32_t ProgramStatus = 192;
constexpr uint32_t PitchBendStatus = 224;

constexpr uint32_t ResetAllControllers = 121;
constexpr uint32_t ParameterLow = 100;
constexpr uint32_t ParameterHigh = 101;
constexpr uint32_t DataEntry = 6;
constexpr uint32_t PanController = 10;
constexpr uint32_t ModulationController = 1;
constexpr uint32_t VolumeController = 7;
constexpr uint32_t SustainController = 64;
constexpr uint32_t ReverbController = 91;
constexpr uint32_t ChorusController = 93;

constexpr int32_t BendCentre = 8192;
constexpr int32_t BendSpan = 8191;
constexpr int32_t BendLimit = 120; // tenths of a semitone
constexpr int64_t MaxGlideSteps = 8191;

uint32_t dataByte(int64_t value) {
    return static_cast<uint32_t>(std::clamp<int64_t>(value, 0, 127));
}

class BufferWriter {
public:
    BufferWriter() { buffer_.reserve(64); }

    // An event that would take the buffer past its limit is left out.
    void append(uint32_t delta, uint32_t event) {
        if (buffer_.size() >= MaxStreamEvents)
            return;
        buffer_.push_back({delta, 0, event});
    }

    std::vector<BufferEvent> take() { return std::move(buffer_); }

private:
    std::vector<BufferEvent> buffer_;
};

StreamSettings clamped(StreamSettings s) {
    s.channel = std::clamp(s.channel, 0, ChannelCount - 1);
    s.instrument = std::clamp(s.instrument, 0, InstrumentCount - 1);
    s.volume = std::clamp(s.volume, 0, 100);
    s.pan = std::clamp(s.pan, -100, 100);
    s.reverb = std::clamp(s.reverb, 0, 100);
    s.chorus = std::clamp(s.chorus, 0, 100);
    s.modulation = std::clamp(s.modulation, 0, 100);
    s.pitchBend = std::clamp(s.pitchBend, -BendLimit, BendLimit);
    s.pbDelay = std::clamp(s.pbDelay, 0, 100);
    s.pbDuration = std::clamp(s.pbDuration, 0, 100);
    return s;
}

void appendPrelude(BufferWriter& out, const StreamSettings& s) {
    const uint32_t ch = static_cast<uint32_t>(s.channel);
    const uint32_t drums = PercussionChannel;
    auto controller = [&](uint32_t channel, uint32_t number, int64_t value) {
        out.append(0, shortMessage(ControllerStatus + channel, number, dataByte(value)));
    };
    // The first event raises the position notice: the stream has begun to play.
    out.append(0, shortMessage(ControllerStatus + ch, ResetAllControllers, 0) | EventCallback);
    controller(drums, ResetAllControllers, 0);
    controller(ch, ParameterLow, 0);
    controller(ch, ParameterHigh, 0);
    controller(ch, DataEntry, BendRangeSemitones);
    controller(ch, ParameterLow, 127);
    controller(ch, ParameterHigh, 127);
    const int64_t pan = 64 + s.pan * 63 / 100;
    controller(ch, PanController, pan);
    controller(drums, PanController, pan);
    controller(ch, ModulationController, s.modulation * 127 / 100);
    const int64_t volume = s.volume * 127 / 100;
    controller(ch, VolumeController, volume);
    controller(drums, VolumeController, volume);
    controller(ch, SustainController, s.sustain ? 127 : 0);
    controller(ch, ReverbController, s.reverb * 127 / 100);
    controller(ch, ChorusController, s.chorus * 127 / 100);
}

// The bend glides from the centre to the target over part of the note's time `length`;
// the release that follows keeps its own delta.
void appendGlide(BufferWriter& out, uint32_t channel, uint32_t length, const StreamSettings& s) {
    if (length == 0 || s.pbDuration == 0 || s.pbDelay == 100 || s.pitchBend == 0)
        return;
    const int64_t wait = static_cast<int64_t>(length) * s.pbDelay / 100;
    const int64_t steps = s.pbDuration * (static_cast<int64_t>(length) - wait) / 100;
    if (steps == 0 || steps > MaxGlideSteps)
        return;
    const int64_t step = (s.pitchBend * BendSpan / BendLimit) / steps;
    for (int64_t k = 1; k <= steps; ++k) {
        const int64_t value = BendCentre + k * step;
        const uint32_t delta = k == 1 ? static_cast<uint32_t>(wait + 1) : 1;
        out.append(delta,
                   shortMessage(PitchBendStatus + channel, static_cast<uint32_t>(value & 127),
                                static_cast<uint32_t>((value >> 7) & 127)));
    }
}

} // namespace

std::vector<BufferEvent> BuildStreamEvents(const std::vector<TMGEvent>& events,
                                           const StreamSettings& requested, bool bendAllowed) {
    const StreamSettings s = clamped(requested);
    const bool bending = s.pitchBend != 0 && bendAllowed;
    const uint32_t current = static_cast<uint32_t>(s.channel);

    BufferWriter out;
    appendPrelude(out, s);

    uint32_t previous = 0;
    bool first = true;
    bool glided = false;
    for (const TMGEvent& event : events) {
        const uint32_t delta = static_cast<uint32_t>(event.time) - previous;
        if (first && event.kind != TMGEvent::ProgramChange) {
            out.append(0, shortMessage(ProgramStatus + current, dataByte(s.instrument), 0));
        }
        first = false;
        const uint32_t channel = event.channel & 0x0F;
        if (event.kind == TMGEvent::ProgramChange) {
            out.append(delta, shortMessage(ProgramStatus + channel, dataByte(event.value), 0));
        } else {
            const uint32_t velocity = event.kind == TMGEvent::NoteOn ? 127 : 0;
            if (event.kind == TMGEvent::NoteOff && bending && !glided) {
                glided = true;
                appendGlide(out, channel, delta, s);
            }
            if (channel == PercussionChannel && current != PercussionChannel) {
                // A percussion ordinal: its General MIDI key.
                const int64_t key =
                    std::clamp<int64_t>(static_cast<int64_t>(event.value) - PercussionKeyOffset,
                                        LowestPercussionKey, HighestPercussionKey);
                out.append(delta, shortMessage(NoteOnStatus + PercussionChannel,
                                               static_cast<uint32_t>(key), velocity));
            } else {
                out.append(delta,
                           shortMessage(NoteOnStatus + channel, dataByte(event.value), velocity));
            }
        }
        previous = static_cast<uint32_t>(event.time);
    }
    return out.take();
}

} // namespace midigen
