#include "NoteStringParser.h"

#include <gtest/gtest.h>

#include <string>

using midigen::NoteStringContext;
using midigen::ParseNoteString;

namespace {

struct Note {
    int32_t start;
    int32_t end;
    int32_t value;
    uint8_t channel;
    friend bool operator==(const Note&, const Note&) = default;
};

std::ostream& operator<<(std::ostream& out, const Note& n) {
    return out << "{" << n.start << ".." << n.end << " value " << n.value << " ch "
               << int(n.channel) << "}";
}

// Pairs every note on with the first following note off of the same value and channel.
std::vector<Note> notesOf(const std::vector<TMGEvent>& events) {
    std::vector<Note> notes;
    std::vector<bool> used(events.size(), false);
    for (size_t i = 0; i < events.size(); ++i) {
        if (events[i].kind != TMGEvent::NoteOn)
            continue;
        for (size_t j = 0; j < events.size(); ++j) {
            const TMGEvent& off = events[j];
            if (!used[j] && off.kind == TMGEvent::NoteOff && off.value == events[i].value &&
                off.channel == events[i].channel && off.time >= events[i].time) {
                used[j] = true;
                notes.push_back({events[i].time, off.time, off.value, off.channel});
                break;
            }
        }
    }
    return notes;
}

std::vector<Note> notesOf(const std::string& text, NoteStringContext context = {}) {
    return notesOf(ParseNoteString(text, context).events);
}

NoteStringContext onChannel(int channel) {
    NoteStringContext context;
    context.channel = channel;
    return context;
}

std::vector<int32_t> keysOf(const std::string& text, NoteStringContext context = {}) {
    std::vector<int32_t> keys;
    for (const Note& note : notesOf(text, context))
        keys.push_back(note.value);
    return keys;
}

} // namespace

TEST(NoteStringParser, WorkedExamples) {
    const auto chord = ParseNoteString("C,E,G", {});
    EXPECT_EQ(notesOf(chord.events),
              (std::vector<Note>{{0, 50, 48, 0}, {0, 50, 52, 0}, {0, 50, 55, 0}}));
    EXPECT_TRUE(chord.bendEligible);

    EXPECT_EQ(notesOf("0;C5;25,25;D,E"),
              (std::vector<Note>{{0, 25, 60, 0}, {25, 50, 62, 0}, {50, 75, 64, 0}}));

    EXPECT_EQ(notesOf("N64;48,48;N64;24,24;N127;24", onChannel(9)),
              (std::vector<Note>{{0, 48, 64, 9}, {48, 72, 64, 9}, {72, 96, 127, 9}}));

    const auto program = ParseNoteString("I24,C", {});
    ASSERT_EQ(program.events.size(), 3u);
    EXPECT_EQ(program.events[0], (TMGEvent{0, TMGEvent::ProgramChange, 24, 0}));
    EXPECT_EQ(notesOf(program.events), (std::vector<Note>{{0, 50, 48, 0}}));

    const auto bareStep = ParseNoteString("30", {});
    EXPECT_TRUE(bareStep.events.empty());
    // The step it sets carries to the next token.
    EXPECT_EQ(notesOf("30,C;10"), (std::vector<Note>{{30, 40, 48, 0}}));
}

TEST(NoteStringParser, SpacesCaseAndControlCharactersAreIgnored) {
    EXPECT_EQ(keysOf("c#4"), std::vector<int32_t>{49});
    EXPECT_EQ(keysOf("C # 4"), std::vector<int32_t>{49});
    EXPECT_EQ(notesOf("N 6 4 ; 4 8"), notesOf("N64;48"));
    EXPECT_EQ(keysOf("\t\r\n C4 \x01\x1f"), std::vector<int32_t>{48});
    EXPECT_EQ(keysOf("C,\tD\t"), (std::vector<int32_t>{48, 50}));

    // Only ASCII letters change case: 0xE4 stays what it is and makes its token invalid.
    EXPECT_TRUE(ParseNoteString("\xe4", {}).events.empty());

    for (const char* nothing : {"", "   ", ",,, ,", "\t\n"})
        EXPECT_TRUE(ParseNoteString(nothing, {}).events.empty()) << nothing;
}

TEST(NoteStringParser, TokensSplitAtCommasAndEndAtBlankToken) {
    EXPECT_EQ(keysOf(",C,,D,"), (std::vector<int32_t>{48, 50}));
    // A token of control characters ends the string.
    EXPECT_EQ(keysOf("C,\t,D"), std::vector<int32_t>{48});
}

TEST(NoteStringParser, TimeAndDurationCarryOver) {
    // Tokens without a time repeat the previous one: a chord, not a melody.
    EXPECT_EQ(notesOf("C,D,E"),
              (std::vector<Note>{{0, 50, 48, 0}, {0, 50, 50, 0}, {0, 50, 52, 0}}));
    // A length of 0 keeps the previous length.
    EXPECT_EQ(notesOf("D4;30,C4;0"), (std::vector<Note>{{0, 30, 50, 0}, {0, 30, 48, 0}}));
    // A missing length is the default one until the string gives its own.
    NoteStringContext context;
    context.duration = 80;
    EXPECT_EQ(notesOf("C,10;D;20,10;E", context),
              (std::vector<Note>{{0, 80, 48, 0}, {10, 30, 50, 0}, {20, 40, 52, 0}}));
    // An unreadable time leaves the step as it was and the token gives nothing.
    EXPECT_EQ(notesOf("25;C;10,1X;D;10,E"), (std::vector<Note>{{25, 35, 48, 0}, {50, 60, 52, 0}}));
}

TEST(NoteStringParser, NoteNamesAndOctaves) {
    const std::vector<std::pair<std::string, int>> names = {
        {"C", 0},  {"C+", 1}, {"C#", 1},  {"D", 2},   {"D-", 1}, {"D+", 3}, {"D#", 3}, {"E", 4},
        {"E-", 3}, {"F", 5},  {"F+", 6},  {"F#", 6},  {"G", 7},  {"G-", 6}, {"G+", 8}, {"G#", 8},
        {"A", 9},  {"A-", 8}, {"A+", 10}, {"A#", 10}, {"B", 11}, {"B-", 10}};
    for (const auto& [name, semitone] : names)
        EXPECT_EQ(keysOf(name + "2"), std::vector<int32_t>{24 + semitone}) << name;
    for (const char* notName : {"E+", "E#", "F-", "C-", "B+", "B#", "H", "CB"})
        EXPECT_TRUE(keysOf(std::string(notName) + "4").empty()) << notName;

    EXPECT_EQ(keysOf("C4"), std::vector<int32_t>{48});
    EXPECT_EQ(keysOf("C10"), std::vector<int32_t>{120});
    EXPECT_EQ(keysOf("G10"), std::vector<int32_t>{127});
    EXPECT_EQ(keysOf("C0"), std::vector<int32_t>{0});
    EXPECT_TRUE(keysOf("C11").empty());
    // The octave carries to the following names; a key above 127 is dropped but its octave
    // still carries.
    EXPECT_EQ(keysOf("C6,D,E3,F"), (std::vector<int32_t>{72, 74, 40, 41}));
    EXPECT_EQ(keysOf("G#10,C"), std::vector<int32_t>{120});
    // An invalid name does not change the octave.
    EXPECT_EQ(keysOf("H7,C"), std::vector<int32_t>{48});
    // The starting octave comes from the context.
    NoteStringContext context;
    context.octave = 2;
    EXPECT_EQ(keysOf("C,B-", context), (std::vector<int32_t>{24, 34}));
}

TEST(NoteStringParser, InvalidTokensAreSkipped) {
    for (const char* bad : {"H4", "E#4", "G#10", "N128", "N-1", "I175", "0;C;50;1", "C;X", "N", "I",
                            ";;", "N6X", "C4X"})
        EXPECT_TRUE(ParseNoteString(bad, {}).events.empty()) << bad;
    // The other tokens of the string still play; skipped tokens do not advance the clock.
    EXPECT_EQ(notesOf("C;10,10;H4,10;D"), (std::vector<Note>{{0, 10, 48, 0}, {10, 20, 50, 0}}));
    EXPECT_EQ(keysOf("N60,N128,I175,N61"), (std::vector<int32_t>{60, 61}));
}

TEST(NoteStringParser, HugeNumbersAreUnreadable) {
    // A time that is no 32-bit number counts as -1: the step stays, the flag clears.
    const auto huge = ParseNoteString("99999999999;C,D", {});
    EXPECT_EQ(notesOf(huge.events), (std::vector<Note>{{0, 50, 50, 0}}));
    EXPECT_FALSE(huge.bendEligible);
    EXPECT_TRUE(ParseNoteString("N99999999999999999999", {}).events.empty());
    EXPECT_TRUE(ParseNoteString("C;4294967346", {}).events.empty());
    // Nothing may lie beyond the latest time a stream can hold.
    EXPECT_TRUE(ParseNoteString("2147483647;C;1", {}).events.empty());
    EXPECT_EQ(notesOf("2147483646;C;1"), (std::vector<Note>{{2147483646, 2147483647, 48, 0}}));
    EXPECT_EQ(notesOf("2000000000;C;10,D"), (std::vector<Note>{{2000000000, 2000000010, 48, 0}}));
    // A default length that is no 32-bit number makes the tokens that rely on it invalid.
    NoteStringContext context;
    context.duration = 4000000000u;
    EXPECT_TRUE(ParseNoteString("C", context).events.empty());
    EXPECT_EQ(keysOf("C;10", context), std::vector<int32_t>{48});
}

TEST(NoteStringParser, ReadDecimal) {
    EXPECT_EQ(midigen::readDecimal("0"), 0);
    EXPECT_EQ(midigen::readDecimal("007"), 7);
    EXPECT_EQ(midigen::readDecimal("-12"), -12);
    EXPECT_EQ(midigen::readDecimal("+12"), 12);
    EXPECT_EQ(midigen::readDecimal("2147483647"), 2147483647);
    EXPECT_EQ(midigen::readDecimal("-2147483648"), INT32_MIN);
    for (const char* bad : {"", "-", "+", "2147483648", "-2147483649", "1 2", "12a", "$1F", "0x1F",
                            " 1", "99999999999999999999999"})
        EXPECT_FALSE(midigen::readDecimal(bad).has_value()) << bad;
}

TEST(NoteStringParser, PercussionChannel) {
    const NoteStringContext drums = onChannel(9);
    // Instrument tokens are ignored there, keys sound as the percussion keys they name.
    const auto parsed = ParseNoteString("I24,N64,I130;50,N63", drums);
    EXPECT_EQ(notesOf(parsed.events), (std::vector<Note>{{0, 50, 64, 9}, {0, 50, 63, 9}}));
    for (const TMGEvent& event : parsed.events)
        EXPECT_NE(event.kind, TMGEvent::ProgramChange);

    // The dropped change still takes its time step.
    EXPECT_EQ(notesOf("C,30;I5,40;D", drums),
              (std::vector<Note>{{0, 50, 48, 9}, {70, 120, 50, 9}}));
}

TEST(NoteStringParser, PercussionInstrumentOnMelodicChannel) {
    NoteStringContext clap;
    clap.instrument = mgHandClap;
    EXPECT_EQ(notesOf("C,D", clap), (std::vector<Note>{{0, 50, 132, 9}, {0, 50, 132, 9}}));

    // An instrument token switches between the percussion channel and the melodic one.
    const auto switching = ParseNoteString("I130,C,50;I5,E", {});
    ASSERT_EQ(switching.events.size(), 6u);
    EXPECT_EQ(switching.events[0], (TMGEvent{0, TMGEvent::ProgramChange, 130, 9}));
    EXPECT_EQ(switching.events[1], (TMGEvent{0, TMGEvent::NoteOn, 130, 9}));
    EXPECT_EQ(switching.events[2], (TMGEvent{50, TMGEvent::ProgramChange, 5, 0}));
    EXPECT_EQ(notesOf(switching.events), (std::vector<Note>{{0, 50, 130, 9}, {100, 150, 52, 0}}));

    // Other channels than 0 keep their own number.
    EXPECT_EQ(notesOf("C", onChannel(4)), (std::vector<Note>{{0, 50, 48, 4}}));
}

TEST(NoteStringParser, ProgramChangesSortFirstAtEqualTimes) {
    const auto parsed = ParseNoteString("C;50,50;D,0;I5", {});
    ASSERT_EQ(parsed.events.size(), 5u);
    EXPECT_EQ(parsed.events[0], (TMGEvent{0, TMGEvent::NoteOn, 48, 0}));
    EXPECT_EQ(parsed.events[1], (TMGEvent{50, TMGEvent::ProgramChange, 5, 0}));
    EXPECT_EQ(parsed.events[2].time, 50);
    EXPECT_EQ(parsed.events[4], (TMGEvent{100, TMGEvent::NoteOff, 50, 0}));
    // A repeated key releases before it strikes again.
    const auto repeated = ParseNoteString("N64;48,48;N64;24", onChannel(9));
    EXPECT_EQ(repeated.events[1].kind, TMGEvent::NoteOff);
    EXPECT_EQ(repeated.events[2].kind, TMGEvent::NoteOn);
}

TEST(NoteStringParser, BendEligibleOnlyForOneStrike) {
    EXPECT_TRUE(ParseNoteString("C", {}).bendEligible);
    EXPECT_TRUE(ParseNoteString("C;30,E;30,G", {}).bendEligible);
    EXPECT_FALSE(ParseNoteString("C,10;E", {}).bendEligible);
    EXPECT_FALSE(ParseNoteString("C;30,E;20", {}).bendEligible);
    // A bare step at the end already counts as a second time.
    EXPECT_FALSE(ParseNoteString("C,50", {}).bendEligible);
}

TEST(NoteStringParser, NotesWithoutAnyLengthSoundNothing) {
    const auto allNotesOff = ParseNoteString("00;N60;00, ", onChannel(9));
    EXPECT_TRUE(allNotesOff.events.empty());
    EXPECT_EQ(allNotesOff.silentNotes, 1);
    // Once a length is known, a length of 0 means that length.
    EXPECT_EQ(notesOf("C;30,0;N60;0"), (std::vector<Note>{{0, 30, 48, 0}, {0, 30, 60, 0}}));
    // The silent note keeps its place in time for what follows.
    EXPECT_EQ(notesOf("20;N60;0,D;10"), (std::vector<Note>{{40, 50, 50, 0}}));
    // A zero default length gives notes of length zero, not silence.
    NoteStringContext zero;
    zero.duration = 0;
    const auto instant = ParseNoteString("C", zero);
    EXPECT_EQ(notesOf(instant.events), (std::vector<Note>{{0, 0, 48, 0}}));
    EXPECT_EQ(instant.events[0].kind, TMGEvent::NoteOn);
}

TEST(NoteStringParser, RhythmQuestionAtTempo60) {
    // Count-in, seven quarter-note beats and the closing beat, as the rhythm trainer joins them.
    std::string question = "N50;50, 50;N50;50, 50;N65;100, 100;";
    for (int column = 2; column <= 8; ++column)
        question += column % 2 == 0 ? "N64;100,100;" : "N63;100,100;";
    question += "N48;100, 100;";
    const auto parsed = ParseNoteString(question, onChannel(9));
    std::vector<int32_t> starts, keys;
    for (const Note& note : notesOf(parsed.events)) {
        starts.push_back(note.start);
        keys.push_back(note.value);
        EXPECT_EQ(note.channel, 9);
    }
    EXPECT_EQ(starts, (std::vector<int32_t>{0, 50, 100, 200, 300, 400, 500, 600, 700, 800, 900}));
    EXPECT_EQ(keys, (std::vector<int32_t>{50, 50, 65, 64, 63, 64, 63, 64, 63, 64, 48}));
}
