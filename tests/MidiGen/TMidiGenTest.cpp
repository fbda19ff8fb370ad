// The player against the real stream service, on the built-in synthesizer in silent mode:
// events are still timed, nothing is heard.

#include "TMidiGen.h"

#include "BuiltinSynth.h"
#include "MidiDevices.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <string>

using midi::StreamNotice;

namespace {

// Runs the event loop until `condition` holds; a guard against hanging, not a timing check.
bool pumpUntil(const std::function<bool()>& condition) {
    QDeadlineTimer guard(60000);
    QTimer wake;
    wake.start(50);
    while (!condition()) {
        if (guard.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

std::string letter(StreamNotice notice) {
    switch (notice) {
    case StreamNotice::Open:
        return "O";
    case StreamNotice::Position:
        return "P";
    case StreamNotice::Done:
        return "D";
    case StreamNotice::Close:
        return "C";
    }
    return "?";
}

// Records what a player reports: its notices as letters, and its playing changes.
struct Recorder : QObject {
    explicit Recorder(TMidiGen& player) {
        connect(&player, &TMidiGen::streamNotice, this,
                [this](StreamNotice n) { notices += letter(n); });
        connect(&player, &TMidiGen::playingChanged, this,
                [this](bool playing) { changes += playing ? "+" : "-"; });
    }
    size_t count(char c) const {
        return static_cast<size_t>(std::count(notices.begin(), notices.end(), c));
    }
    bool closed() const { return !notices.empty() && notices.back() == 'C'; }
    std::string notices;
    std::string changes;
};

class TMidiGenTest : public ::testing::Test {
protected:
    void TearDown() override {
        // Every test leaves the service idle.
        player.reset();
    }
    std::unique_ptr<TMidiGen> player = std::make_unique<TMidiGen>();
};

} // namespace

TEST(TMidiGenProperties, DefaultsAndClamping) {
    TMidiGen player;
    EXPECT_EQ(player.Volume(), 100);
    EXPECT_EQ(player.Pan(), 0);
    EXPECT_EQ(player.Reverb(), 0);
    EXPECT_EQ(player.Chorus(), 0);
    EXPECT_FALSE(player.Sustain());
    EXPECT_EQ(player.Modulation(), 0);
    EXPECT_EQ(player.PitchBend(), 0);
    EXPECT_EQ(player.PBDelay(), 0);
    EXPECT_EQ(player.PBDuration(), 100);
    EXPECT_EQ(player.Duration(), 50u);
    EXPECT_EQ(player.Note(), mgC);
    EXPECT_EQ(player.Octave(), 4);
    EXPECT_EQ(player.Instrument(), mgAcousticGrandPiano);
    EXPECT_EQ(player.Channel(), mgCh01);
    EXPECT_EQ(player.Loops(), 1u);
    EXPECT_FALSE(player.IsPlaying());

    player.SetVolume(101);
    player.SetPan(-101);
    player.SetReverb(-1);
    player.SetChorus(1000);
    player.SetModulation(55);
    player.SetPitchBend(-500);
    player.SetPBDelay(200);
    player.SetPBDuration(-3);
    player.SetNote(12);
    player.SetOctave(-1);
    player.SetInstrument(175);
    player.SetChannel(mgCh10);
    EXPECT_EQ(player.Volume(), 100);
    EXPECT_EQ(player.Pan(), -100);
    EXPECT_EQ(player.Reverb(), 0);
    EXPECT_EQ(player.Chorus(), 100);
    EXPECT_EQ(player.Modulation(), 55);
    EXPECT_EQ(player.PitchBend(), -120);
    EXPECT_EQ(player.PBDelay(), 100);
    EXPECT_EQ(player.PBDuration(), 0);
    EXPECT_EQ(player.Note(), mgB);
    EXPECT_EQ(player.Octave(), 0);
    EXPECT_EQ(player.Instrument(), mgOpenTriangle);
    EXPECT_EQ(player.Channel(), mgCh10);
    player.SetChannel(-4);
    EXPECT_EQ(player.Channel(), mgCh01);
}

TEST(TMidiGenNames, InstrumentNames) {
    EXPECT_EQ(midigen::instrumentName(mgAcousticGrandPiano), "mgAcousticGrandPiano");
    EXPECT_EQ(midigen::instrumentName(mgGunshot), "mgGunshot");
    EXPECT_EQ(mgGunshot, 127);
    EXPECT_EQ(mgAcousticBassDrum, 128);
    EXPECT_EQ(mgHandClap, 132);
    EXPECT_EQ(mgOpenTriangle, 174);
    EXPECT_EQ(midigen::instrumentName(174), "mgOpenTriangle");
    EXPECT_EQ(midigen::instrumentName(175), "");
    EXPECT_EQ(midigen::instrumentByName("handclap"), 132);
    EXPECT_EQ(midigen::instrumentByName("mgSynthFXSciFi"), mgSynthFXSciFi);
    EXPECT_FALSE(midigen::instrumentByName("kazoo").has_value());
}

TEST_F(TMidiGenTest, PlaysAStringToItsEnd) {
    Recorder recorder(*player);
    player->SetChannel(mgCh10);
    ASSERT_TRUE(player->PlayString("N64;5"));
    // The request returns as soon as the stream is open and playing.
    EXPECT_TRUE(player->IsPlaying());
    EXPECT_EQ(recorder.notices, "O");
    ASSERT_TRUE(pumpUntil([&] { return recorder.closed(); }));
    EXPECT_EQ(recorder.notices, "OPDC");
    EXPECT_EQ(recorder.changes, "+-");
    EXPECT_FALSE(player->IsPlaying());
}

TEST_F(TMidiGenTest, RequestBeforeTheFirstEventIsRefused) {
    Recorder recorder(*player);
    ASSERT_TRUE(player->PlayString("C;5"));
    EXPECT_FALSE(player->PlayString("D;5"));
    EXPECT_FALSE(player->PlayNote(60));
    ASSERT_TRUE(pumpUntil([&] { return recorder.count('P') == 1; }));
    // Once it has started, a new request replaces it.
    EXPECT_TRUE(player->PlayString("E;5"));
    ASSERT_TRUE(pumpUntil([&] { return recorder.count('C') == 2; }));
    EXPECT_EQ(recorder.notices, "OPDCOPDC");
}

TEST_F(TMidiGenTest, LoopsPlayTheBufferBackToBack) {
    Recorder recorder(*player);
    player->SetLoops(3);
    ASSERT_TRUE(player->PlayString("N60;2"));
    ASSERT_TRUE(pumpUntil([&] { return recorder.closed(); }));
    EXPECT_EQ(recorder.notices, "OPDPDPDC");
    EXPECT_EQ(recorder.changes, "+-");
}

TEST_F(TMidiGenTest, EndlessLoopsRunUntilStop) {
    Recorder recorder(*player);
    player->SetLoops(0);
    ASSERT_TRUE(player->PlayString("N60;2"));
    ASSERT_TRUE(pumpUntil([&] { return recorder.count('D') == 4; }));
    EXPECT_TRUE(player->IsPlaying());
    EXPECT_EQ(recorder.changes, "+");
    player->Stop();
    ASSERT_TRUE(pumpUntil([&] { return recorder.closed(); }));
    EXPECT_FALSE(player->IsPlaying());
    EXPECT_EQ(recorder.changes, "+-");
}

TEST_F(TMidiGenTest, StopEndsAPlayingStream) {
    Recorder recorder(*player);
    ASSERT_TRUE(player->PlayString("C;3000")); // thirty seconds
    ASSERT_TRUE(pumpUntil([&] { return recorder.count('P') == 1; }));
    player->Stop();
    ASSERT_TRUE(pumpUntil([&] { return recorder.closed(); }));
    EXPECT_EQ(recorder.notices, "OPDC");
    EXPECT_FALSE(player->IsPlaying());
    // Stopping an idle player does nothing.
    player->Stop();
    EXPECT_TRUE(player->PlayString("C;5"));
}

TEST_F(TMidiGenTest, StopBeforeTheFirstEventOnlyEndsLooping) {
    Recorder recorder(*player);
    player->SetLoops(0);
    ASSERT_TRUE(player->PlayString("N60;2"));
    player->Stop();
    ASSERT_TRUE(pumpUntil([&] { return recorder.closed(); }));
    EXPECT_EQ(recorder.notices, "OPDC");
}

TEST_F(TMidiGenTest, AStringWithoutEventsStopsAndFails) {
    Recorder recorder(*player);
    ASSERT_TRUE(player->PlayString("C;3000"));
    ASSERT_TRUE(pumpUntil([&] { return recorder.count('P') == 1; }));
    EXPECT_FALSE(player->PlayString(" , ,, "));
    // The running stream has been stopped and closed before the request returned.
    EXPECT_EQ(recorder.notices, "OPDC");
    EXPECT_FALSE(player->IsPlaying());
    EXPECT_FALSE(player->PlayString("H4,30"));
    // The player stays usable.
    EXPECT_TRUE(player->PlayString("C;5"));
    ASSERT_TRUE(pumpUntil([&] { return recorder.count('C') == 2; }));
}

TEST_F(TMidiGenTest, AllNotesOffStringsSilenceWithoutAStream) {
    Recorder recorder(*player);
    player->SetChannel(mgCh10);
    ASSERT_TRUE(player->PlayString("N64;3000"));
    ASSERT_TRUE(pumpUntil([&] { return recorder.count('P') == 1; }));
    for (int key = 0; key <= 126; ++key) {
        EXPECT_TRUE(player->PlayString(QStringLiteral("00;N%1;00, ").arg(key))) << key;
        EXPECT_FALSE(player->IsPlaying());
    }
    // The first one stopped the question; none opened a stream of its own.
    EXPECT_EQ(recorder.notices, "OPDC");
    EXPECT_TRUE(player->PlayString("N64;5"));
}

TEST_F(TMidiGenTest, PlayNoteAndPlay) {
    Recorder recorder(*player);
    player->SetDuration(3);
    player->SetPitchBend(120);
    ASSERT_TRUE(player->PlayNote(300));
    ASSERT_TRUE(pumpUntil([&] { return recorder.closed(); }));
    player->SetInstrument(mgHandClap);
    ASSERT_TRUE(player->Play());
    ASSERT_TRUE(pumpUntil([&] { return recorder.count('C') == 2; }));
    EXPECT_EQ(recorder.notices, "OPDCOPDC");
}

TEST_F(TMidiGenTest, OnlyTheOwnerOfTheOutputPlays) {
    Recorder recorder(*player);
    ASSERT_TRUE(player->PlayString("C;5"));
    ASSERT_TRUE(pumpUntil([&] { return recorder.closed(); }));

    auto other = std::make_unique<TMidiGen>();
    Recorder otherRecorder(*other);
    EXPECT_FALSE(other->PlayString("C;5"));
    EXPECT_FALSE(other->PlayNote(60));
    EXPECT_EQ(otherRecorder.notices, "");
    // The owner still plays; once it is gone, the other player may.
    EXPECT_TRUE(player->PlayString("C;5"));
    player.reset();
    EXPECT_TRUE(other->PlayString("C;5"));
    ASSERT_TRUE(pumpUntil([&] { return otherRecorder.closed(); }));
}

TEST_F(TMidiGenTest, DevicesAndAvailability) {
    EXPECT_TRUE(player->MidiAvailable());
    EXPECT_TRUE(player->SetDevice(-1));
    EXPECT_TRUE(player->SetDevice(midi::BuiltinDevice));
    const int missing = midi::deviceCount();
    EXPECT_FALSE(player->SetDevice(missing));
    EXPECT_FALSE(player->MidiAvailable());
    EXPECT_FALSE(player->PlayString("C;5"));
    EXPECT_TRUE(player->SetDevice(-1));
    Recorder recorder(*player);
    EXPECT_TRUE(player->PlayString("C;5"));
    EXPECT_TRUE(player->MidiAvailable());
    ASSERT_TRUE(pumpUntil([&] { return recorder.closed(); }));
}

TEST_F(TMidiGenTest, DestructionStopsTheStreamAndFreesTheOutput) {
    bool closed = false;
    QObject context;
    QObject::connect(player.get(), &TMidiGen::playingChanged, &context,
                     [&](bool playing) { closed = !playing; });
    player->SetLoops(0);
    ASSERT_TRUE(player->PlayString("C;3000"));
    player.reset(); // even before the stream has reached its first event
    EXPECT_TRUE(closed);
    player = std::make_unique<TMidiGen>();
    Recorder recorder(*player);
    EXPECT_TRUE(player->PlayString("C;5"));
    ASSERT_TRUE(pumpUntil([&] { return recorder.closed(); }));
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    midi::SynthOptions silent;
    silent.output = midi::AudioOutput::Silent;
    midi::configureBuiltinSynth(silent);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
