// Feeds arbitrary bytes and settings to the note-string parser and the stream builder and
// checks what they promise about their results. Any broken promise aborts the run.

#include "NoteStringParser.h"
#include "StreamBuilder.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void checkEvents(const midigen::ParsedNoteString& parsed, int channel) {
    int64_t previousTime = 0;
    bool previousWasProgram = true;
    size_t noteOns = 0, noteOffs = 0;
    for (const TMGEvent& e : parsed.events) {
        require(e.time >= previousTime);
        require(e.time <= midigen::LatestEventTime);
        const bool isProgram = e.kind == TMGEvent::ProgramChange;
        if (e.time == previousTime && isProgram)
            require(previousWasProgram); // programs first at equal times
        require(isProgram || e.kind == TMGEvent::NoteOn || e.kind == TMGEvent::NoteOff);
        require(e.channel < midigen::ChannelCount);
        require(e.value >= 0 && e.value < midigen::InstrumentCount);
        if (isProgram)
            require(channel != midigen::PercussionChannel);
        noteOns += e.kind == TMGEvent::NoteOn;
        noteOffs += e.kind == TMGEvent::NoteOff;
        previousTime = e.time;
        previousWasProgram = isProgram;
    }
    require(noteOns == noteOffs);
    require(parsed.silentNotes >= 0);
}

void checkStream(const std::vector<midigen::BufferEvent>& stream) {
    require(stream.size() >= midigen::PreludeEventCount);
    require(stream.size() <= midigen::MaxStreamEvents);
    require(stream.size() * sizeof(midigen::BufferEvent) <= midigen::MaxStreamBytes);
    require((stream.front().event & midigen::EventCallback) != 0);
    for (size_t i = 0; i < stream.size(); ++i) {
        const midigen::BufferEvent& e = stream[i];
        require(e.streamId == 0);
        require((e.event & midigen::EventTypeMask) == 0);
        if (i > 0)
            require((e.event & midigen::EventCallback) == 0);
        const uint32_t status = e.event & 0xFF;
        require(status >= 0x90 && status <= 0xEF);
        require(((e.event >> 8) & 0xFF) < 128);
        require(((e.event >> 16) & 0xFF) < 128);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    midigen::NoteStringContext context;
    context.channel = input.ConsumeIntegralInRange<int>(-2, 17);
    context.octave = input.ConsumeIntegralInRange<int>(-2, 12);
    context.duration = input.ConsumeBool() ? input.ConsumeIntegral<uint32_t>()
                                           : input.ConsumeIntegralInRange<uint32_t>(0, 300);
    context.instrument = input.ConsumeIntegralInRange<int>(-2, 180);

    midigen::StreamSettings settings;
    settings.channel = context.channel;
    settings.instrument = context.instrument;
    settings.volume = input.ConsumeIntegralInRange<int>(-10, 110);
    settings.pan = input.ConsumeIntegralInRange<int>(-110, 110);
    settings.sustain = input.ConsumeBool();
    settings.pitchBend = input.ConsumeIntegralInRange<int>(-130, 130);
    settings.pbDelay = input.ConsumeIntegralInRange<int>(-10, 110);
    settings.pbDuration = input.ConsumeIntegralInRange<int>(-10, 110);
    const bool bendAllowed = input.ConsumeBool();

    const std::string text = input.ConsumeRemainingBytesAsString();
    const midigen::ParsedNoteString parsed = midigen::ParseNoteString(text, context);
    checkEvents(parsed, std::clamp(context.channel, 0, 15));
    const auto stream =
        midigen::BuildStreamEvents(parsed.events, settings, bendAllowed || parsed.bendEligible);
    checkStream(stream);
    return 0;
}
