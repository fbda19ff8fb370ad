// Sounds are loaded before anything selects them: the channels' programs followed through
// messages and streams, the commands that wait for their sounds, the sounds kept and let go,
// and the audio thread that never selects a sound not yet loaded. A synthesizer that only keeps
// a log stands in for the real one.
#include "FakeSynthCore.h"
#include "MidiStream.h"
#include "MidiTestSupport.h"
#include "internal/BlockRenderer.h"
#include "internal/MidiChannels.h"
#include "internal/PresetGate.h"
#include "internal/PresetKeeper.h"
#include "internal/PresetState.h"
#include "internal/StreamPlayer.h"
#include "internal/SynthDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <thread>

using midi::MidiChannels;
using midi::PlayerCommand;
using midi::PresetCatalogue;
using midi::PresetGate;
using midi::PresetId;
using midi::presetId;

namespace {

constexpr PresetId Piano = presetId(0, 0);
constexpr PresetId Organ = presetId(0, 19);
constexpr PresetId Violin = presetId(0, 40);
constexpr PresetId Agogo = presetId(0, 113);
constexpr PresetId Kit = presetId(128, 0);
constexpr PresetId Brushes = presetId(128, 40);

const std::vector<PresetId> soundFont{
    Piano,           Organ,           presetId(8, 19), presetId(0, 24), presetId(0, 41),
    presetId(0, 42), presetId(0, 43), Violin,          Agogo,           Kit,
    Brushes};

uint32_t message(uint32_t status, uint32_t data1, uint32_t data2 = 0) {
    return status | data1 << 8 | data2 << 16;
}

PlayerCommand shortMessage(uint32_t status, uint32_t data1, uint32_t data2 = 0) {
    return PlayerCommand{PlayerCommand::Kind::Message, 0, message(status, data1, data2)};
}

// The playing side's view: what reached the player, in order.
class Delivered final : public midi::MessageDevice {
public:
    std::vector<uint32_t> messages;
    void message(uint32_t m) override { messages.push_back(m); }
    void longMessage(const uint8_t*, std::size_t) override {}
    void resetOutput() override {}
};

std::vector<uint32_t> deliveredBy(midi::StreamPlayer& player) {
    Delivered delivered;
    player.process(0, INT64_MAX, delivered);
    return delivered.messages;
}

bool contains(const std::vector<PresetId>& presets, PresetId preset) {
    return std::find(presets.begin(), presets.end(), preset) != presets.end();
}

} // namespace

TEST(MidiChannels, ProgramChangesAndFirstNotesSelectWithTheGeneralMidiFallbacks) {
    const PresetCatalogue catalogue(soundFont);
    MidiChannels channels;
    const auto selects = [&](uint32_t m) { return channels.apply(m, catalogue).preset; };

    EXPECT_EQ(selects(message(0xC0, 19)), Organ);
    channels.apply(message(0xB0, 0, 8), catalogue); // bank 8
    EXPECT_EQ(selects(message(0xC0, 19)), presetId(8, 19));
    channels.apply(message(0xB0, 0, 9), catalogue); // no bank 9: bank 0
    EXPECT_EQ(selects(message(0xC0, 19)), Organ);
    EXPECT_EQ(selects(message(0xC0, 50)), Piano); // no such program: the first preset
    // The tenth channel plays kits, whatever bank is named; a missing kit is the standard one.
    channels.apply(message(0xB9, 0, 8), catalogue);
    EXPECT_EQ(selects(message(0xC9, 40)), Brushes);
    EXPECT_EQ(selects(message(0xC9, 41)), Kit);

    // A channel's first note takes the default sound; later notes select nothing.
    EXPECT_EQ(channels.apply(message(0x93, 60, 100), catalogue).effect,
              MidiChannels::Effect::Select);
    EXPECT_EQ(channels.selected(3), Piano);
    EXPECT_EQ(channels.apply(message(0x93, 62, 100), catalogue).effect, MidiChannels::Effect::None);
    EXPECT_EQ(channels.apply(message(0x94, 60, 0), catalogue).effect, MidiChannels::Effect::None);
    EXPECT_EQ(selects(message(0x9A, 60, 100)), Piano);
    EXPECT_EQ(selects(message(0x99, 76, 100)), std::nullopt); // no program on 9 was chosen...
    EXPECT_EQ(channels.selected(9), Kit);                     // ...but 41 fell back to the kit

    // A reset starts every channel afresh.
    EXPECT_EQ(channels.apply(0xFF, catalogue).effect, MidiChannels::Effect::Reset);
    EXPECT_EQ(channels.selected(3), std::nullopt);
    EXPECT_EQ(selects(message(0x93, 60, 100)), Piano);
    EXPECT_EQ(selects(message(0x99, 76, 100)), Kit);
}

TEST(MidiChannels, TheGeneralMidiGsAndXgResetsAreKnownAndNothingElse) {
    const std::vector<std::vector<uint8_t>> resets{
        {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7},
        {0x7E, 0x10, 0x09, 0x03},
        {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7},
        {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}};
    for (const auto& reset : resets)
        EXPECT_TRUE(MidiChannels::isReset(reset.data(), reset.size()));
    const std::vector<std::vector<uint8_t>> others{
        {0xF0, 0x7E, 0x7F, 0x09, 0x02, 0xF7},                         // General MIDI off
        {0xF0, 0x7F, 0x7F, 0x08, 0x02, 0x00, 0x01, 0x45, 0x00, 0xF7}, // a tuning
        {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x19, 0x15, 0x02, 0x10, 0xF7},
        {0xF0, 0xF7},
        {}};
    for (const auto& other : others)
        EXPECT_FALSE(MidiChannels::isReset(other.data(), other.size()));
}

namespace {

struct GateRig {
    midi::StreamPlayer player{48000};
    midi::PinnedPresets pinned;
    PresetGate gate{player, pinned};
    PresetCatalogue catalogue{soundFont};

    void pin(PresetId preset) {
        pinned.set(preset, midi::PinnedPresets::Pinned);
        gate.pump();
    }
};

} // namespace

TEST(PresetGate, AProgramChangeWaitsForItsSoundAndWhatFollowsWaitsBehindIt) {
    GateRig rig;
    rig.gate.setCatalogue(&rig.catalogue);
    ASSERT_TRUE(rig.gate.send(shortMessage(0xB0, 7, 100)));
    ASSERT_TRUE(rig.gate.send(shortMessage(0xC0, 19)));
    ASSERT_TRUE(rig.gate.send(shortMessage(0x90, 60, 100)));
    ASSERT_TRUE(rig.gate.send(shortMessage(0xB1, 7, 90))); // another channel, but later
    EXPECT_EQ(deliveredBy(rig.player), std::vector<uint32_t>{message(0xB0, 7, 100)});
    EXPECT_EQ(rig.gate.wanted().front(), Organ);

    rig.pin(Organ);
    EXPECT_EQ(
        deliveredBy(rig.player),
        (std::vector<uint32_t>{message(0xC0, 19), message(0x90, 60, 100), message(0xB1, 7, 90)}));
    // Its sound loaded, the next program change to it goes at once.
    ASSERT_TRUE(rig.gate.send(shortMessage(0xC0, 19)));
    EXPECT_EQ(deliveredBy(rig.player), std::vector<uint32_t>{message(0xC0, 19)});
}

TEST(PresetGate, AChannelsFirstNoteWaitsForItsDefaultSound) {
    GateRig rig;
    rig.gate.setCatalogue(&rig.catalogue);
    ASSERT_TRUE(rig.gate.send(shortMessage(0x99, 76, 127)));
    EXPECT_TRUE(deliveredBy(rig.player).empty());
    EXPECT_TRUE(contains(rig.gate.wanted(), Kit));
    rig.pin(Kit);
    EXPECT_EQ(deliveredBy(rig.player), std::vector<uint32_t>{message(0x99, 76, 127)});
}

TEST(PresetGate, AStreamBufferWaitsForEverySoundItsEventsSelect) {
    GateRig rig;
    rig.gate.setCatalogue(&rig.catalogue);
    const std::vector<midi::StreamEvent> events{{0, 0, message(0xC0, 19)},
                                                {0, 0, message(0x90, 60, 90)},
                                                {50, 0, message(0xC0, 40)},
                                                {0, 0, message(0x90, 62, 90)}};
    PlayerCommand queue{PlayerCommand::Kind::Queue};
    queue.events = events.data();
    queue.count = events.size();
    ASSERT_TRUE(rig.gate.send(PlayerCommand{PlayerCommand::Kind::Open}));
    ASSERT_TRUE(rig.gate.send(queue));
    ASSERT_TRUE(rig.gate.send(PlayerCommand{PlayerCommand::Kind::Restart}));
    EXPECT_TRUE(deliveredBy(rig.player).empty());
    rig.pin(Organ);
    EXPECT_TRUE(deliveredBy(rig.player).empty()); // the violin is not loaded yet
    rig.pin(Violin);
    EXPECT_EQ(deliveredBy(rig.player).size(), events.size());
}

TEST(PresetGate, BeforeTheSoundFontIsReadSoundsWaitAndTheRestGoesOn) {
    GateRig rig;
    ASSERT_TRUE(rig.gate.send(shortMessage(0xB0, 0, 8))); // bank 8, remembered
    ASSERT_TRUE(rig.gate.send(shortMessage(0xC0, 19)));
    ASSERT_TRUE(rig.gate.send(shortMessage(0xB0, 7, 100))); // behind a waiting command
    EXPECT_EQ(deliveredBy(rig.player), std::vector<uint32_t>{message(0xB0, 0, 8)});
    rig.gate.setCatalogue(&rig.catalogue);
    EXPECT_EQ(rig.gate.wanted().front(), presetId(8, 19));
    rig.pin(presetId(8, 19));
    EXPECT_EQ(deliveredBy(rig.player),
              (std::vector<uint32_t>{message(0xC0, 19), message(0xB0, 7, 100)}));
}

TEST(PresetGate, WithoutASynthesizerEverythingGoesStraightThrough) {
    GateRig rig;
    ASSERT_TRUE(rig.gate.send(shortMessage(0xC0, 19)));
    rig.gate.setCatalogue(nullptr);
    ASSERT_TRUE(rig.gate.send(shortMessage(0x90, 60, 100)));
    EXPECT_EQ(deliveredBy(rig.player),
              (std::vector<uint32_t>{message(0xC0, 19), message(0x90, 60, 100)}));
    EXPECT_TRUE(rig.gate.wanted().empty());
}

TEST(PresetGate, TheSoundsKeptAreThoseNamedAndTheLastThreeOfEachChannel) {
    GateRig rig;
    rig.gate.setCatalogue(&rig.catalogue);
    for (PresetId preset : soundFont)
        rig.pinned.set(preset, midi::PinnedPresets::Pinned);
    // An instrument and an error tone, named ahead.
    rig.gate.preparePrograms(0, {0, 113});
    EXPECT_TRUE(contains(rig.gate.wanted(), Piano));
    EXPECT_TRUE(contains(rig.gate.wanted(), Agogo));
    // Switching back and forth keeps both; on another channel only the last three stay.
    for (uint32_t program : {40u, 41u, 42u, 43u})
        ASSERT_TRUE(rig.gate.send(shortMessage(0xC1, program)));
    const std::vector<PresetId> wanted = rig.gate.wanted();
    EXPECT_FALSE(contains(wanted, Violin));
    EXPECT_TRUE(contains(wanted, presetId(0, 41)));
    EXPECT_TRUE(contains(wanted, presetId(0, 43)));
    // Another instrument chosen: the one before is let go, even though the channel played it.
    ASSERT_TRUE(rig.gate.send(shortMessage(0xC0, 0)));
    rig.gate.preparePrograms(0, {24, 113});
    EXPECT_FALSE(contains(rig.gate.wanted(), Piano));
    EXPECT_TRUE(contains(rig.gate.wanted(), presetId(0, 24)));
    EXPECT_TRUE(contains(rig.gate.wanted(), Agogo));
}

TEST(PresetGate, ACommandRefusedForAFullQueueLeavesTheChannelsAsTheyWere) {
    GateRig rig;
    rig.gate.setCatalogue(&rig.catalogue);
    rig.pinned.set(Organ, midi::PinnedPresets::Pinned);
    while (rig.gate.send(shortMessage(0xB0, 7, 100))) {
    }
    EXPECT_FALSE(rig.gate.send(shortMessage(0xC0, 19)));
    deliveredBy(rig.player);
    // The program change never happened: the channel's first note takes the default sound.
    ASSERT_TRUE(rig.gate.send(shortMessage(0x90, 60, 100)));
    EXPECT_TRUE(deliveredBy(rig.player).empty());
    EXPECT_EQ(rig.gate.wanted().front(), Piano);
}

namespace {

// The built-in synthesizer's parts around a synthesizer that keeps a log: a loader thread that
// keeps the presets, an audio thread that renders a block every fraction of a millisecond.
struct ThreadedRig {
    explicit ThreadedRig(std::chrono::milliseconds pinTime) : core(soundFont, pinTime) {
        gate.setCatalogue(&catalogue);
        keeper.setSynth(core);
        gate.onWork([this] { keeper.wake(); });
        loader = std::thread([this] { keeper.run(quit); });
        audio = std::thread([this] {
            while (!quit) {
                renderer.render(midi::SynthCore::BlockFrames, nullptr, nullptr);
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        });
    }
    ~ThreadedRig() {
        quit = true;
        keeper.wake();
        loader.join();
        audio.join();
    }
    bool waitForLog(std::size_t entries) const {
        for (int i = 0; i < 1000 && core.log().size() < entries; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return core.log().size() >= entries;
    }

    FakeSynthCore core;
    midi::StreamPlayer player{48000};
    midi::PinnedPresets pinned;
    midi::PresetsInUse inUse;
    PresetGate gate{player, pinned};
    PresetCatalogue catalogue{soundFont};
    midi::PresetKeeper keeper{gate, pinned, inUse};
    midi::SynthDevice device{core, catalogue, pinned, inUse};
    midi::BlockRenderer renderer{core, player, device, inUse};
    std::atomic<bool> quit{false};
    std::thread loader;
    std::thread audio;
};

} // namespace

// A pitch trainer's wrong answers: the error tone's program and back, on one channel, then
// another instrument; while each sound loads (slowly), the messages wait, in order.
TEST(PresetsOnTheAudioThread, AProgramChangeNeverReachesTheAudioThreadBeforeItsSoundIsLoaded) {
    ThreadedRig rig(std::chrono::milliseconds(30));
    const std::vector<uint32_t> sent{message(0xC0, 19),      message(0x90, 60, 100),
                                     message(0xC0, 113),     message(0x90, 81, 100),
                                     message(0x80, 81),      message(0xC0, 19),
                                     message(0x90, 62, 100), message(0xC0, 40),
                                     message(0x90, 64, 100), message(0x99, 76, 100)};
    for (uint32_t m : sent)
        ASSERT_TRUE(rig.gate.send(PlayerCommand{PlayerCommand::Kind::Message, 0, m}));
    // Four sounds pinned, four selections, the six messages that are not program changes.
    ASSERT_TRUE(rig.waitForLog(4 + 5 + 6));
    EXPECT_EQ(rig.core.selectedUnpinned(), 0);
    EXPECT_EQ(rig.device.missedSelections(), 0u);
    const std::vector<std::string> log = rig.core.log();
    const auto at = [&](const std::string& entry) {
        return std::find(log.begin(), log.end(), entry) - log.begin();
    };
    EXPECT_LT(at("pin " + std::to_string(Organ)), at("select 0 " + std::to_string(Organ)));
    EXPECT_LT(at("pin " + std::to_string(Agogo)), at("select 0 " + std::to_string(Agogo)));
    EXPECT_LT(at("select 0 " + std::to_string(Agogo)), at("message " + std::to_string(sent[3])));
    EXPECT_LT(at("pin " + std::to_string(Kit)), at("select 9 " + std::to_string(Kit)));
    // Every note after its own program, in the order sent.
    EXPECT_LT(at("message " + std::to_string(sent[6])), at("message " + std::to_string(sent[8])));
    // Only the loader thread read sounds.
    const std::set<std::thread::id> pinners = rig.core.pinThreads();
    ASSERT_EQ(pinners.size(), 1u);
    EXPECT_EQ(*pinners.begin(), rig.loader.get_id());
}

TEST(PresetsOnTheAudioThread, ASoundIsLetGoOnlyOnceNoChannelHasItAndAllIsQuiet) {
    ThreadedRig rig(std::chrono::milliseconds(0));
    rig.gate.preparePrograms(0, {19, 113});
    ASSERT_TRUE(rig.gate.send(shortMessage(0xC0, 19)));
    ASSERT_TRUE(rig.gate.send(shortMessage(0x90, 60, 100)));
    ASSERT_TRUE(rig.waitForLog(2 + 2));
    // Another instrument named: the organ is still selected and sounding, so it stays.
    rig.gate.preparePrograms(0, {40, 113});
    ASSERT_TRUE(rig.waitForLog(2 + 2 + 1));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::string letGo = "unpin " + std::to_string(Organ);
    auto log = rig.core.log();
    EXPECT_EQ(std::count(log.begin(), log.end(), letGo), 0);
    // Its program replaced and its note ended: now it goes.
    ASSERT_TRUE(rig.gate.send(shortMessage(0xC0, 40)));
    ASSERT_TRUE(rig.gate.send(shortMessage(0x80, 60)));
    for (int i = 0; i < 200; ++i) {
        log = rig.core.log();
        if (std::count(log.begin(), log.end(), letGo) > 0)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(std::count(log.begin(), log.end(), letGo), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "unpin " + std::to_string(Agogo)), 0);
}

MIDI_TEST_MAIN()
