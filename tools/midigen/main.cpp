// midigen: the note-string player from the command line.
//   midigen events [options] STRING            the sorted event list
//   midigen stream [options] STRING            the stream buffer, one event a line
//   midigen render [options] STRING -o OUT.wav the stream rendered by the built-in synthesizer

#include "CommandLine.h"
#include "MidiResult.h"
#include "NoteStringParser.h"
#include "OfflineRender.h"
#include "StreamBuilder.h"

#include <QString>
#include <QTextStream>

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

// What a note string is, and what each command prints.
const char* const aboutText =
    "Turns a note string (TIME;SOUND;DURATION tokens separated by commas, ticks of 10 ms) into "
    "MIDI events.";

struct NumberOption {
    const char* name;
    const char* valueName;
    const char* description;
};

// Values out of range are brought to the nearer bound.
const NumberOption numberOptions[] = {
    {"channel", "1..16", "MIDI channel (10 is percussion; default 1)."},
    {"instrument", "N", "0..174 or a name such as mgHandClap (default 0, piano)."},
    {"octave", "0..10", "Starting octave (default 4)."},
    {"duration", "N", "Note length in ticks when the string gives none (default 50)."},
    {"volume", "0..100", "Volume (default 100)."},
    {"pan", "-100..100", "Pan (default 0)."},
    {"reverb", "0..100", "Reverb (default 0)."},
    {"chorus", "0..100", "Chorus (default 0)."},
    {"modulation", "0..100", "Modulation (default 0)."},
    {"pitchbend", "-120..120", "Bend target in tenths of a semitone (default 0)."},
    {"pbdelay", "0..100", "Percent of the note before the bend starts (default 0)."},
    {"pbduration", "0..100", "Percent of the rest over which it glides (default 100)."},
    {"loops", "N", "Times the stream is played when rendered (default 1)."},
};

void describe(CommandLine& line) {
    line.addUsage(QStringLiteral("events [options] STRING"));
    line.addUsage(QStringLiteral("stream [options] STRING"));
    line.addUsage(QStringLiteral("render [options] STRING -o FILE.wav"));
    line.addParagraph(QStringLiteral("Values out of range are brought to the nearer bound."));
    line.addPositional(
        QStringLiteral("COMMAND"),
        QStringLiteral("events: print the sorted events, one a line: TIME KIND VALUE CHANNEL "
                       "(KIND 6 program change, 8 note on, 9 note off; CHANNEL 0..15, 9 is "
                       "percussion), then whether a pitch bend may glide the string.\n"
                       "stream: print the stream buffer, one 12-byte event a line: DELTA "
                       "STREAMID EVENT.\n"
                       "render: render the stream through the built-in synthesizer into a WAV "
                       "file."));
    line.addPositional(QStringLiteral("STRING"), QStringLiteral("The note string."));
    for (const NumberOption& option : numberOptions)
        line.addOption({QString::fromLatin1(option.name), QString::fromLatin1(option.description),
                        QString::fromLatin1(option.valueName)});
    line.addOption({QStringLiteral("sustain"), QStringLiteral("Sustain pedal down.")});
    line.addOption({QStringLiteral("o"), QStringLiteral("Where render writes (render only)."),
                    QStringLiteral("FILE.wav")});
    line.addExitStatus(0, QStringLiteral("Done."));
    line.addExitStatus(1, QStringLiteral("The string gives no event, or the WAV file could not "
                                         "be written."));
    line.addExitStatus(2, QStringLiteral("A wrong command line."));
}

struct Request {
    std::string command;
    std::string notes;
    std::string output;
    midigen::NoteStringContext context;
    midigen::StreamSettings settings;
    uint32_t loops = 1;
};

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

// Sets the option `name` to the number `n`, brought into its range.
void setNumber(const QString& name, long long n, Request& request) {
    auto& s = request.settings;
    if (name == QLatin1String("channel")) {
        request.context.channel = clampNumber<int>(n, 1, 16) - 1;
        s.channel = request.context.channel;
    } else if (name == QLatin1String("instrument")) {
        request.context.instrument = clampNumber<int>(n, 0, midigen::InstrumentCount - 1);
        s.instrument = request.context.instrument;
    } else if (name == QLatin1String("octave")) {
        request.context.octave = clampNumber<int>(n, 0, 10);
    } else if (name == QLatin1String("duration")) {
        request.context.duration = clampNumber<uint32_t>(n, 0, UINT32_MAX);
    } else if (name == QLatin1String("volume")) {
        s.volume = clampNumber<int>(n, 0, 100);
    } else if (name == QLatin1String("pan")) {
        s.pan = clampNumber<int>(n, -100, 100);
    } else if (name == QLatin1String("reverb")) {
        s.reverb = clampNumber<int>(n, 0, 100);
    } else if (name == QLatin1String("chorus")) {
        s.chorus = clampNumber<int>(n, 0, 100);
    } else if (name == QLatin1String("modulation")) {
        s.modulation = clampNumber<int>(n, 0, 100);
    } else if (name == QLatin1String("pitchbend")) {
        s.pitchBend = clampNumber<int>(n, -120, 120);
    } else if (name == QLatin1String("pbdelay")) {
        s.pbDelay = clampNumber<int>(n, 0, 100);
    } else if (name == QLatin1String("pbduration")) {
        s.pbDuration = clampNumber<int>(n, 0, 100);
    } else if (name == QLatin1String("loops")) {
        request.loops = clampNumber<uint32_t>(n, 0, UINT32_MAX);
    }
}

// Reads the command, the options and the string; on a mistake, an empty request after writing
// why to `why`.
std::optional<Request> readRequest(const CommandLine& line, QString& why) {
    const QStringList positional = line.positionalArguments();
    Request request;
    request.command = positional.value(0).toStdString();
    if (request.command != "events" && request.command != "stream" && request.command != "render") {
        why = QStringLiteral("the command must be events, stream or render, not '%1'")
                  .arg(positional.value(0));
        return std::nullopt;
    }
    if (positional.size() < 2) {
        why = QStringLiteral("%1 needs the note string").arg(positional.value(0));
        return std::nullopt;
    }
    request.notes = positional.at(1).toStdString();
    request.settings.sustain = line.isSet(QStringLiteral("sustain"));
    for (const NumberOption& option : numberOptions) {
        const QString name = QString::fromLatin1(option.name);
        if (!line.isSet(name))
            continue;
        const QString value = line.value(name);
        if (name == QLatin1String("instrument")) {
            if (const std::optional<int> named = midigen::instrumentByName(value.toStdString())) {
                request.context.instrument = *named;
                request.settings.instrument = *named;
                continue;
            }
        }
        const std::optional<long long> number = readNumber(value.toStdString());
        if (!number) {
            why = QStringLiteral("--%1 needs a whole number, not '%2'").arg(name, value);
            return std::nullopt;
        }
        setNumber(name, *number, request);
    }
    request.output = line.value(QStringLiteral("o")).toStdString();
    if (request.command != "render" && line.isSet(QStringLiteral("o"))) {
        why = QStringLiteral("-o goes with render only");
        return std::nullopt;
    }
    if (request.command == "render" && request.output.empty()) {
        why = QStringLiteral("render needs -o FILE.wav");
        return std::nullopt;
    }
    return request;
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
    QTextStream out(stdout), err(stderr);
    CommandLine line(QStringLiteral("midigen"), QString::fromLatin1(aboutText));
    describe(line);
    if (argc < 2) {
        // Alone, it shows what it takes.
        err << line.helpText();
        return BadUsage;
    }
    if (const std::optional<int> status = line.parse(CommandLine::arguments(argc, argv), out, err))
        return *status;
    QString why;
    const std::optional<Request> read = readRequest(line, why);
    if (!read)
        return line.fail(err, why);
    const Request& request = *read;

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
