// midigen: the note-string player from the command line.
//   midigen events [options] STRING            the sorted event list
//   midigen stream [options] STRING            the stream buffer, one event a line
//   midigen render [options] STRING -o OUT.wav the stream rendered by the built-in synthesizer

#include "MidiResult.h"
#include "NoteStringParser.h"
#include "OfflineRender.h"
#include "StreamBuilder.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int NoEvent = 1;
constexpr int BadUsage = 2;

const char* const usageText =
    "Usage: midigen events [options] STRING\n"
    "       midigen stream [options] STRING\n"
    "       midigen render [options] STRING -o FILE.wav\n"
    "\n"
    "Turns a note string (TIME;SOUND;DURATION tokens separated by commas, ticks of 10 ms)\n"
    "into MIDI events.\n"
    "  events  prints the sorted events, one a line: TIME KIND VALUE CHANNEL\n"
    "          (KIND 6 program change, 8 note on, 9 note off; CHANNEL 0..15, 9 is\n"
    "          percussion), then whether a pitch bend may glide the string\n"
    "  stream  prints the stream buffer, one 12-byte event a line: DELTA STREAMID EVENT\n"
    "  render  renders the stream through the built-in synthesizer into a WAV file\n"
    "\n"
    "Options (values out of range are brought to the nearer bound):\n"
    "  --channel 1..16       MIDI channel (10 is percussion; default 1)\n"
    "  --instrument N        0..174 or a name such as mgHandClap (default 0, piano)\n"
    "  --octave 0..10        starting octave (default 4)\n"
    "  --duration N          note length in ticks when the string gives none (default 50)\n"
    "  --volume 0..100       (default 100)\n"
    "  --pan -100..100       (default 0)\n"
    "  --reverb 0..100       (default 0)\n"
    "  --chorus 0..100       (default 0)\n"
    "  --modulation 0..100   (default 0)\n"
    "  --sustain             sustain pedal down\n"
    "  --pitchbend -120..120 bend target in tenths of a semitone (default 0)\n"
    "  --pbdelay 0..100      percent of the note before the bend starts (default 0)\n"
    "  --pbduration 0..100   percent of the rest over which it glides (default 100)\n"
    "  --loops N             times the stream is played when rendered (default 1)\n"
    "  -o FILE.wav           where render writes (render only)\n";

struct Request {
    std::string command;
    std::string notes;
    std::string output;
    midigen::NoteStringContext context;
    midigen::StreamSettings settings;
    uint32_t loops = 1;
};

int usage() {
    std::fputs(usageText, stderr);
    return BadUsage;
}

std::optional<long long> readNumber(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    const char* end = text.data() + text.size();
    const char* begin = text.data();
    if (begin != end && *begin == '+')
        ++begin;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error == std::errc::result_out_of_range && stop == end)
        return text.front() == '-' ? LLONG_MIN : LLONG_MAX;
    if (error != std::errc() || stop != end || begin == end)
        return std::nullopt;
    return value;
}

template <typename T> T clampNumber(long long value, long long low, long long high) {
    return static_cast<T>(std::clamp(value, low, high));
}

// Reads the options and the string; false when they do not make sense.
bool parseArguments(int argc, char* argv[], Request& request) {
    if (argc < 2)
        return false;
    request.command = argv[1];
    if (request.command != "events" && request.command != "stream" && request.command != "render")
        return false;
    bool haveNotes = false;
    bool optionsEnded = false;
    for (int i = 2; i < argc; ++i) {
        std::string argument = argv[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            if (haveNotes)
                return false;
            request.notes = argument;
            haveNotes = true;
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--sustain") {
            request.settings.sustain = true;
            continue;
        }
        std::string value;
        const size_t equals = argument.find('=');
        if (argument.starts_with("--") && equals != std::string::npos) {
            value = argument.substr(equals + 1);
            argument.resize(equals);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            return false;
        }
        if (argument == "-o") {
            if (request.command != "render" || value.empty())
                return false;
            request.output = value;
            continue;
        }
        if (argument == "--instrument") {
            if (const std::optional<int> named = midigen::instrumentByName(value)) {
                request.context.instrument = *named;
                request.settings.instrument = *named;
                continue;
            }
        }
        const std::optional<long long> number = readNumber(value);
        if (!number)
            return false;
        const long long n = *number;
        auto& s = request.settings;
        if (argument == "--channel") {
            request.context.channel = clampNumber<int>(n, 1, 16) - 1;
            s.channel = request.context.channel;
        } else if (argument == "--instrument") {
            request.context.instrument = clampNumber<int>(n, 0, midigen::InstrumentCount - 1);
            s.instrument = request.context.instrument;
        } else if (argument == "--octave") {
            request.context.octave = clampNumber<int>(n, 0, 10);
        } else if (argument == "--duration") {
            request.context.duration = clampNumber<uint32_t>(n, 0, UINT32_MAX);
        } else if (argument == "--volume") {
            s.volume = clampNumber<int>(n, 0, 100);
        } else if (argument == "--pan") {
            s.pan = clampNumber<int>(n, -100, 100);
        } else if (argument == "--reverb") {
            s.reverb = clampNumber<int>(n, 0, 100);
        } else if (argument == "--chorus") {
            s.chorus = clampNumber<int>(n, 0, 100);
        } else if (argument == "--modulation") {
            s.modulation = clampNumber<int>(n, 0, 100);
        } else if (argument == "--pitchbend") {
            s.pitchBend = clampNumber<int>(n, -120, 120);
        } else if (argument == "--pbdelay") {
            s.pbDelay = clampNumber<int>(n, 0, 100);
        } else if (argument == "--pbduration") {
            s.pbDuration = clampNumber<int>(n, 0, 100);
        } else if (argument == "--loops") {
            request.loops = clampNumber<uint32_t>(n, 0, UINT32_MAX);
        } else {
            return false;
        }
    }
    if (!haveNotes)
        return false;
    return request.command != "render" || !request.output.empty();
}

int render(const Request& request, const std::vector<midigen::BufferEvent>& buffer) {
    const auto stream = midigen::convertBuffer<midi::StreamEvent>(buffer);
    if (request.loops == 0) {
        std::fputs("midigen: --loops 0 repeats the stream endlessly; it cannot be rendered\n",
                   stderr);
        return BadUsage;
    }
    // Looping queues the same buffer again as soon as it has played.
    constexpr uint64_t MaxRenderedEvents = 10'000'000;
    if (static_cast<uint64_t>(stream.size()) * request.loops > MaxRenderedEvents) {
        std::fputs("midigen: the stream is too long to render\n", stderr);
        return 1;
    }
    std::vector<midi::StreamEvent> events;
    events.reserve(stream.size() * request.loops);
    for (uint32_t i = 0; i < request.loops; ++i)
        events.insert(events.end(), stream.begin(), stream.end());
    midi::RenderOptions options;
    options.ticksPerQuarter = midigen::TicksPerQuarter;
    QString error;
    const int result =
        midi::renderStreamToWav(events, QString::fromStdString(request.output), options, &error);
    if (result != midi::Ok) {
        std::fprintf(stderr, "midigen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    Request request;
    if (!parseArguments(argc, argv, request))
        return usage();

    const midigen::ParsedNoteString parsed =
        midigen::ParseNoteString(request.notes, request.context);
    if (parsed.events.empty()) {
        if (parsed.silentNotes > 0)
            std::fputs("midigen: the string gives no event (its notes have no length; played, it "
                       "only silences the output)\n",
                       stderr);
        else
            std::fputs("midigen: the string gives no event\n", stderr);
        return NoEvent;
    }

    if (request.command == "events") {
        for (const TMGEvent& e : parsed.events)
            std::printf("%d %d %d %d\n", e.time, e.kind, e.value, e.channel);
        std::printf("bend-eligible %s\n", parsed.bendEligible ? "true" : "false");
        return 0;
    }

    const std::vector<midigen::BufferEvent> stream =
        midigen::BuildStreamEvents(parsed.events, request.settings, parsed.bendEligible);
    if (request.command == "stream") {
        for (const midigen::BufferEvent& e : stream)
            std::printf("%u %u %u\n", e.delta, e.streamId, e.event);
        return 0;
    }
    return render(request, stream);
}
