#include "StreamBuilder.h"
#include "NoteStringParser.h"

#include <gtest/gtest.h>

#include <string>

using midigen::BuildStreamEvents;
using midigen::StreamSettings;

namespace {

struct Words {
    uint32_t delta;
    uint32_t event;
    friend bool operator==(const Words&, const Words&) = default;
};

std::ostream& operator<<(std::ostream& out, const Words& w) {
    return out << "{" << w.delta << ", " << w.event << "}";
}

std::vector<Words> wordsOf(const std::vector<midigen::BufferEvent>& stream, size_t from = 0) {
    std::vector<Words> words;
    for (size_t i = from; i < stream.size(); ++i) {
        EXPECT_EQ(stream[i].streamId, 0u);
        words.push_back({stream[i].delta, stream[i].event});
    }
    return words;
}

std::vector<midigen::BufferEvent> streamOf(const std::string& text, const StreamSettings& settings,
                                           int instrument = mgAcousticGrandPiano) {
    midigen::NoteStringContext context;
    context.channel = settings.channel;
    context.instrument = instrument;
    const auto parsed = midigen::ParseNoteString(text, context);
    StreamSettings withInstrument = settings;
    withInstrument.instrument = instrument;
    return BuildStreamEvents(parsed.events, withInstrument, parsed.bendEligible);
}

// The list PlayNote builds for key 60 on channel 0 with the default piano.
std::vector<TMGEvent> singleNote(int32_t length) {
    return {{0, TMGEvent::ProgramChange, 0, 0},
            {0, TMGEvent::NoteOn, 60, 0},
            {length, TMGEvent::NoteOff, 60, 0}};
}

} // namespace

TEST(StreamBuilder, PreludeWords) {
    StreamSettings settings;
    settings.channel = 2;
    settings.pan = 100;
    settings.volume = 50;
    settings.modulation = 100;
    settings.sustain = true;
    settings.reverb = 40;
    settings.chorus = 10;
    const auto stream = BuildStreamEvents({}, settings, true);
    EXPECT_EQ(wordsOf(stream), (std::vector<Words>{
                                   {0, 1073772978}, // reset controllers, with the position notice
                                   {0, 31161},      // reset controllers, percussion channel
                                   {0, 25778},      // parameter number 0, 0: bend range
                                   {0, 26034},
                                   {0, 788146},  // 12 semitones
                                   {0, 8348850}, // parameter number 127, 127: none
                                   {0, 8349106},
                                   {0, 8325810}, // pan 127
                                   {0, 8325817},
                                   {0, 8323506}, // modulation 127
                                   {0, 4130738}, // volume 63
                                   {0, 4130745},
                                   {0, 8339634}, // sustain on
                                   {0, 3300274}, // reverb 50
                                   {0, 810418},  // chorus 12
                               }));
}

TEST(StreamBuilder, PreludeValuesScaleAndClamp) {
    auto panOf = [](int pan) {
        StreamSettings settings;
        settings.pan = pan;
        return (BuildStreamEvents({}, settings, true)[7].event >> 16) & 127;
    };
    EXPECT_EQ(panOf(-100), 1u);
    EXPECT_EQ(panOf(0), 64u);
    EXPECT_EQ(panOf(100), 127u);
    EXPECT_EQ(panOf(-1), 64u); // truncated toward zero
    EXPECT_EQ(panOf(-1000), 1u);

    StreamSettings loud;
    loud.volume = 500;
    EXPECT_EQ((BuildStreamEvents({}, loud, true)[10].event >> 16) & 127, 127u);
}

TEST(StreamBuilder, PercussionOnMelodicChannelWords) {
    // A hand clap chosen on channel 1 (zero-based 0): channel 0 gets program 127, the notes
    // sound as key 39 on the percussion channel.
    const auto stream = streamOf("C,D", StreamSettings{}, mgHandClap);
    ASSERT_EQ(stream.size(), 20u);
    EXPECT_EQ(
        wordsOf(stream, 15),
        (std::vector<Words>{{0, 32704}, {0, 8333209}, {0, 8333209}, {50, 10137}, {0, 10137}}));
}

TEST(StreamBuilder, PercussionChannelKeysAndDeltas) {
    StreamSettings drums;
    drums.channel = 9;
    // The opening program goes to the stream's channel; keys are sent as they are.
    const auto stream = streamOf("N64;48,48;N64;24,24;N127;24", drums);
    EXPECT_EQ(wordsOf(stream, 15), (std::vector<Words>{{0, 201},
                                                       {0, 8339609},
                                                       {48, 16537},
                                                       {0, 8339609},
                                                       {24, 16537},
                                                       {0, 8355737},
                                                       {24, 32665}}));
}

TEST(StreamBuilder, ProgramChanges) {
    // A program change as the first event replaces the opening one; ordinals above 127 are
    // sent as 127 and percussion ordinals become their keys.
    const auto stream = streamOf("I130,C", StreamSettings{});
    EXPECT_EQ(wordsOf(stream, 15), (std::vector<Words>{{0, 32713}, {0, 8332697}, {50, 9625}}));
    const auto plain = streamOf("I24,C", StreamSettings{});
    EXPECT_EQ(wordsOf(plain, 15), (std::vector<Words>{{0, 6336}, {0, 8335504}, {50, 12432}}));
}

TEST(StreamBuilder, GlideToFullBend) {
    StreamSettings bend;
    bend.pitchBend = 120;
    const auto stream = BuildStreamEvents(singleNote(50), bend, true);
    ASSERT_EQ(stream.size(), 15u + 2 + 50 + 1);
    EXPECT_EQ(stream[15].event, 192u);
    EXPECT_EQ(stream[16].event, 8338576u);
    for (int k = 1; k <= 50; ++k) {
        const midigen::BufferEvent& e = stream[16 + static_cast<size_t>(k)];
        const uint32_t value = 8192 + 163 * static_cast<uint32_t>(k);
        EXPECT_EQ(e.delta, 1u);
        EXPECT_EQ(e.event, 224u | (value & 127) << 8 | (value >> 7) << 16) << k;
    }
    EXPECT_EQ(stream[17].event, 4269024u); // 8355
    EXPECT_EQ(stream[66].event, 8345312u); // 16342
    EXPECT_EQ(wordsOf(stream, 67), (std::vector<Words>{{50, 15504}}));
}

TEST(StreamBuilder, GlideWithDelayPartLengthAndDownward) {
    StreamSettings late;
    late.pitchBend = 120;
    late.pbDelay = 50;
    late.pbDuration = 50;
    const auto stream = BuildStreamEvents(singleNote(50), late, true);
    // 25 ticks' wait, then 12 steps of 682.
    ASSERT_EQ(stream.size(), 15u + 2 + 12 + 1);
    EXPECT_EQ(stream[17].delta, 26u);
    EXPECT_EQ(stream[18].delta, 1u);
    const uint32_t last = 8192 + 12 * 682;
    EXPECT_EQ(stream[28].event, 224u | (last & 127) << 8 | (last >> 7) << 16);

    StreamSettings down;
    down.pitchBend = -60;
    const auto lower = BuildStreamEvents(singleNote(50), down, true);
    const uint32_t lowest = 8192 - 50 * 81;
    EXPECT_EQ(lower[66].event, 224u | (lowest & 127) << 8 | (lowest >> 7) << 16);
}

TEST(StreamBuilder, NoGlide) {
    StreamSettings bend;
    bend.pitchBend = 120;
    const size_t plain = 15 + 3;
    EXPECT_EQ(BuildStreamEvents(singleNote(50), bend, false).size(), plain);
    EXPECT_EQ(BuildStreamEvents(singleNote(0), bend, true).size(), plain);
    EXPECT_EQ(BuildStreamEvents(singleNote(10000), bend, true).size(), plain); // > 8191 steps
    StreamSettings held = bend;
    held.pbDelay = 100;
    EXPECT_EQ(BuildStreamEvents(singleNote(50), held, true).size(), plain);
    StreamSettings none = bend;
    none.pbDuration = 0;
    EXPECT_EQ(BuildStreamEvents(singleNote(50), none, true).size(), plain);
    // Notes struck at different times are never bent.
    EXPECT_EQ(streamOf("C,10;D", bend).size(), 15u + 5);
}

TEST(StreamBuilder, BufferIsCutAt65535Bytes) {
    std::string notes = "N60;1";
    for (int i = 1; i < 6000; ++i)
        notes += ",1;N60";
    const auto stream = streamOf(notes, StreamSettings{});
    EXPECT_EQ(stream.size(), 5461u);
    EXPECT_LE(stream.size() * sizeof(midigen::BufferEvent), 65535u);
    EXPECT_EQ(stream[15].event, 192u); // the opening program is among the kept events
    EXPECT_EQ(stream.size() - midigen::PreludeEventCount, 5446u);
    EXPECT_EQ(stream.back().event & 0xFF, 144u);
}
