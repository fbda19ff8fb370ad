#include "NoteStringParser.h"

#include <algorithm>
#include <array>
#include <string>

namespace midigen {

namespace {

struct NoteName {
    std::string_view name;
    int semitone;
};

// "+" and "#" raise, "-" lowers; E+, E#, F-, C-, B+ and B# are not names.
constexpr std::array<NoteName, 22> noteNames = {{
    {"C", 0},  {"C+", 1}, {"C#", 1},  {"D", 2},   {"D-", 1}, {"D+", 3},  {"D#", 3}, {"E", 4},
    {"E-", 3}, {"F", 5},  {"F+", 6},  {"F#", 6},  {"G", 7},  {"G-", 6},  {"G+", 8}, {"G#", 8},
    {"A", 9},  {"A-", 8}, {"A+", 10}, {"A#", 10}, {"B", 11}, {"B-", 10},
}};

constexpr int HighestOctave = 10;
constexpr int HighestKey = 127;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Trimmed, upper case (ASCII letters only: the text is 8-bit), without any space.
std::string normalised(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : trimmed(text)) {
        if (c == ' ')
            continue;
        result.push_back((c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c);
    }
    return result;
}

std::optional<int> semitoneOf(std::string_view name) {
    for (const NoteName& entry : noteNames) {
        if (entry.name == name)
            return entry.semitone;
    }
    return std::nullopt;
}

int32_t readOrMinusOne(std::string_view text) {
    return readDecimal(text).value_or(-1);
}

int clampTo(int value, int low, int high) {
    return std::clamp(value, low, high);
}

// What SOUND names.
struct Sound {
    enum Kind { Invalid, Instrument, Key } kind = Invalid;
    int value = 0;
};

class Parser {
public:
    explicit Parser(const NoteStringContext& context)
        : channel_(static_cast<uint8_t>(clampTo(context.channel, 0, ChannelCount - 1))),
          octave_(clampTo(context.octave, 0, HighestOctave)), duration_(context.duration),
          percussionSound_(clampTo(context.instrument, 0, InstrumentCount - 1)) {
        eventChannel_ =
            (percussionSound_ >= FirstPercussionInstrument || channel_ == PercussionChannel)
                ? PercussionChannel
                : channel_;
    }

    ParsedNoteString parse(std::string_view text) {
        const std::string whole = normalised(text);
        std::string_view rest = whole;
        while (!rest.empty()) {
            const size_t comma = rest.find(',');
            const std::string_view token = rest.substr(0, comma);
            rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
            if (token.empty())
                continue;
            const std::string_view content = trimmed(token);
            if (content.empty())
                break; // a token of control characters ends the string
            handleToken(content);
        }
        std::stable_sort(
            result_.events.begin(), result_.events.end(), [](const TMGEvent& a, const TMGEvent& b) {
                if (a.time != b.time)
                    return a.time < b.time;
                return a.kind == TMGEvent::ProgramChange && b.kind != TMGEvent::ProgramChange;
            });
        return std::move(result_);
    }

private:
    // Completes a token to TIME ";" SOUND ";" DURATION with the sticky values.
    std::string completed(std::string_view content) {
        std::string token(content);
        if (!isDigit(token.front()) && token.front() != ';')
            token.insert(0, ";");
        if (token.front() == ';')
            token.insert(0, std::to_string(stickyDelta_));
        if (std::count(token.begin(), token.end(), ';') == 1)
            token.push_back(';');
        if (token.back() == ';') {
            if (!stickyDuration_)
                stickyDuration_ = duration_;
            token += std::to_string(*stickyDuration_);
        }
        return token;
    }

    void handleToken(std::string_view content) {
        const std::string token = completed(content);
        std::string_view rest = token;

        const size_t timeEnd = rest.find(';');
        const int32_t time = readOrMinusOne(rest.substr(0, timeEnd));
        rest = timeEnd == std::string_view::npos ? std::string_view{} : rest.substr(timeEnd + 1);
        if (time >= 0)
            stickyDelta_ = time;
        if (time != 0)
            result_.bendEligible = false;

        std::string_view soundText;
        const size_t soundEnd = rest.find(';');
        if (soundEnd != std::string_view::npos) {
            soundText = rest.substr(0, soundEnd);
            rest = rest.substr(soundEnd + 1);
        }
        const Sound sound = readSound(soundText);

        const int32_t duration = readOrMinusOne(rest);
        const bool lengthWasSet = stickyDuration_.has_value();
        if (duration > 0) {
            if (stickyDuration_ && *stickyDuration_ != duration)
                result_.bendEligible = false;
            stickyDuration_ = duration;
        }

        if (time < 0 || duration < 0 || sound.kind == Sound::Invalid)
            return;
        if (sound.kind == Sound::Instrument)
            addProgramChange(time, sound.value);
        else if (duration == 0 && !lengthWasSet)
            addSilentNote(time);
        else
            addNote(time, sound.value);
    }

    Sound readSound(std::string_view text) {
        if (text.size() >= 2 && text.front() == 'I') {
            const int32_t ordinal = readOrMinusOne(text.substr(1));
            if (ordinal >= 0 && ordinal < InstrumentCount)
                return {Sound::Instrument, ordinal};
            return {};
        }
        if (text.size() >= 2 && text.front() == 'N') {
            const int32_t key = readOrMinusOne(text.substr(1));
            if (key >= 0 && key <= HighestKey)
                return {Sound::Key, key};
            return {};
        }
        std::string spelled(text);
        if (spelled.size() < 2 || !isDigit(spelled.back()))
            spelled += std::to_string(octave_);
        std::string_view name, octaveText;
        if (spelled.size() >= 2 && isDigit(spelled[1])) {
            name = std::string_view(spelled).substr(0, 1);
            octaveText = std::string_view(spelled).substr(1);
        } else {
            name = std::string_view(spelled).substr(0, 2);
            octaveText = spelled.size() > 2 ? std::string_view(spelled).substr(2) : "";
        }
        const int32_t octave = readOrMinusOne(octaveText);
        const std::optional<int> semitone = semitoneOf(name);
        if (octave < 0 || octave > HighestOctave || !semitone)
            return {};
        octave_ = octave; // the octave carries over even when the key is out of range
        const int key = octave * 12 + *semitone;
        if (key > HighestKey)
            return {};
        return {Sound::Key, key};
    }

    // The start of an event-producing token, or nothing when it would lie beyond the
    // latest time a stream can hold.
    std::optional<int32_t> startAfter(int32_t delta, int64_t length) const {
        const int64_t start = static_cast<int64_t>(clock_) + delta;
        if (start + length > LatestEventTime)
            return std::nullopt;
        return static_cast<int32_t>(start);
    }

    void addProgramChange(int32_t delta, int ordinal) {
        const std::optional<int32_t> start = startAfter(delta, 0);
        if (!start)
            return;
        clock_ = *start;
        // The percussion channel has no programs: the change is dropped there, but its time step
        // has passed like any other token's.
        if (channel_ == PercussionChannel)
            return;
        if (ordinal < FirstPercussionInstrument) {
            eventChannel_ = channel_;
        } else {
            eventChannel_ = PercussionChannel;
            percussionSound_ = ordinal;
        }
        result_.events.push_back({clock_, TMGEvent::ProgramChange, ordinal, eventChannel_});
    }

    void addNote(int32_t delta, int key) {
        const int64_t length = *stickyDuration_;
        const std::optional<int32_t> start = startAfter(delta, length);
        if (!start)
            return;
        clock_ = *start;
        // A percussion instrument chosen on a melodic channel: the note only gives the time.
        const bool percussionOnMelodic =
            eventChannel_ == PercussionChannel && channel_ != PercussionChannel;
        const int32_t value = percussionOnMelodic ? percussionSound_ : key;
        result_.events.push_back({clock_, TMGEvent::NoteOn, value, eventChannel_});
        result_.events.push_back(
            {static_cast<int32_t>(clock_ + length), TMGEvent::NoteOff, value, eventChannel_});
    }

    // A note of length zero before any length was set: it keeps its place in time but
    // sounds nothing.
    void addSilentNote(int32_t delta) {
        const std::optional<int32_t> start = startAfter(delta, 0);
        if (!start)
            return;
        clock_ = *start;
        ++result_.silentNotes;
    }

    const uint8_t channel_;
    int octave_;
    const uint32_t duration_;
    int percussionSound_;
    uint8_t eventChannel_ = 0;

    int32_t clock_ = 0;
    int32_t stickyDelta_ = 0;
    std::optional<int64_t> stickyDuration_;
    ParsedNoteString result_;
};

} // namespace

std::optional<int32_t> readDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    int64_t magnitude = 0;
    const int64_t limit = negative ? -static_cast<int64_t>(INT32_MIN) : INT32_MAX;
    for (char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

ParsedNoteString ParseNoteString(std::string_view text, const NoteStringContext& context) {
    return Parser(context).parse(text);
}

} // namespace midigen
