// Sung notes heard from recordings made for the tests: every voice in every range, the cents,
// the rules of a steady note, and nothing at all from what is not singing.
#include "HearingLog.h"
#include "OtherSounds.h"
#include "SoundMix.h"
#include "SynthChoir.h"
#include "SyntheticVoice.h"
#include "VoiceRanges.h"

#include <QCoreApplication>
#include <cmath>
#include <gtest/gtest.h>

using recordings::HearingLog;
using recordings::VoiceSettings;

namespace {

constexpr int Rate = 48000;

std::vector<float> sung(double pitch, double seconds, VoiceSettings settings = {},
                        char vowel = 'a') {
    settings.sampleRate = Rate;
    return recordings::SyntheticVoice(settings).note(pitch, vowel, seconds);
}

// `sounds` one after another, each after `gapSeconds` of silence.
std::vector<float> oneAfterAnother(const std::vector<std::vector<float>>& sounds,
                                   double gapSeconds = 0.5) {
    std::vector<float> out;
    for (const std::vector<float>& sound : sounds) {
        const std::vector<float> gap = recordings::silence(gapSeconds, Rate);
        out.insert(out.end(), gap.begin(), gap.end());
        out.insert(out.end(), sound.begin(), sound.end());
    }
    const std::vector<float> tail = recordings::silence(gapSeconds, Rate);
    out.insert(out.end(), tail.begin(), tail.end());
    return out;
}

std::vector<int> notesOf(const HearingLog& log) {
    std::vector<int> notes;
    for (const listening::HeardNote& n : log.notes)
        notes.push_back(n.note);
    return notes;
}

// Three notes of each range (its bottom, middle and top), a second each, two seconds apart.
struct RangeNotes {
    std::vector<int> notes;
    std::vector<double> cents;
};
RangeNotes threeOfEachRange() {
    RangeNotes r;
    const double detunes[] = {-18, 7, 22};
    for (const recordings::VoiceRange& range : recordings::VoiceRanges)
        for (int i = 0; i < 3; ++i) {
            r.notes.push_back(range.lowest + 1 + i * (range.highest - range.lowest - 2) / 2);
            r.cents.push_back(detunes[i]);
        }
    return r;
}

// Each note heard once, in order, no sooner than a steady note can be, and no later than
// `latestMs` after its start.
void expectHeardInOrder(const HearingLog& log, const RangeNotes& truth, double spacingMs,
                        double offsetMs, double latestMs) {
    ASSERT_EQ(notesOf(log), truth.notes);
    for (std::size_t i = 0; i < log.notes.size(); ++i) {
        const double startMs = offsetMs + spacingMs * double(i);
        EXPECT_GT(log.notes[i].timeMs, startMs + 150) << "note " << truth.notes[i];
        EXPECT_LT(log.notes[i].timeMs, startMs + latestMs) << "note " << truth.notes[i];
    }
}

} // namespace

TEST(SungNotes, TheSyntheticVoiceIsHeardInEveryRange) {
    const RangeNotes truth = threeOfEachRange();
    std::vector<std::vector<float>> sounds;
    for (std::size_t i = 0; i < truth.notes.size(); ++i) {
        VoiceSettings voice;
        voice.female = i >= 6;
        voice.vibratoCents = i % 2 ? 20 : 0;
        voice.seed = i + 1;
        sounds.push_back(sung(truth.notes[i] + truth.cents[i] / 100, 1.0, voice, "aeiou"[i % 5]));
    }
    const HearingLog log = recordings::hear(oneAfterAnother(sounds, 1.0), Rate);
    expectHeardInOrder(log, truth, 2000, 1000, 400);
    for (std::size_t i = 0; i < log.notes.size(); ++i)
        EXPECT_NEAR(log.notes[i].cents, truth.cents[i], 8) << "note " << truth.notes[i];
}

// Choir Aahs, Voice Oohs and Synth Voice of the built-in synthesizer, with vibrato from the
// modulation wheel or the pitch wheel, their own tuning measured apart and made up for. A
// synthesizer's voice is a recording of singers whose pitch settles only after the attack, and
// a choir is many voices never quite together: the note is what counts, and it may come late.
TEST(SungNotes, TheSynthesizersVoicesAreHeardInEveryRange) {
    const RangeNotes truth = threeOfEachRange();
    for (const int program :
         {recordings::ChoirAahs, recordings::VoiceOohs, recordings::SynthVoice}) {
        const std::vector<double> tuning = recordings::measuredTuning(program, truth.notes, Rate);
        if (tuning.empty())
            GTEST_SKIP() << "the built-in synthesizer has no General MIDI SoundFont";
        std::vector<recordings::SynthNote> notes;
        for (std::size_t i = 0; i < truth.notes.size(); ++i) {
            recordings::SynthNote n;
            n.note = truth.notes[i];
            n.startMs = 1000 + 2000 * double(i);
            n.lengthMs = 1000;
            n.detuneCents = truth.cents[i] - tuning[i];
            n.modulation = i % 3 == 1 ? 64 : 0;
            n.vibratoCents = i % 3 == 2 ? 15 : 0;
            notes.push_back(n);
        }
        const std::vector<float> sound =
            recordings::renderSynthChoir(program, notes, 2000.0 * double(notes.size()) + 500, Rate);
        SCOPED_TRACE(program);
        expectHeardInOrder(recordings::hear(sound, Rate), truth, 2000, 1000, 1000);
    }
}

TEST(SungNotes, TheCentsAreWithinAFewCentsOfTheTruth) {
    const double detunes[] = {-38, -24, -9, 0, 11, 26, 39};
    const int notes[] = {43, 50, 57, 62, 69, 74, 79};
    std::vector<std::vector<float>> sounds;
    for (int i = 0; i < 7; ++i) {
        VoiceSettings voice;
        voice.female = notes[i] > 60;
        voice.seed = 10 + i;
        sounds.push_back(sung(notes[i] + detunes[i] / 100, 0.8, voice, "aoiue"[i % 5]));
    }
    const HearingLog log = recordings::hear(oneAfterAnother(sounds), Rate);
    ASSERT_EQ(notesOf(log), std::vector<int>(std::begin(notes), std::end(notes)));
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(log.notes[i].cents, detunes[i], 3.0) << "note " << notes[i];
}

TEST(SteadyNote, APitchWanderingBeyondFortyCentsIsNoNote) {
    VoiceSettings wide;
    wide.vibratoCents = 70;
    wide.vibratoOnsetMs = 0;
    VoiceSettings gentle;
    gentle.vibratoCents = 25;
    gentle.vibratoOnsetMs = 0;
    EXPECT_TRUE(recordings::hear(oneAfterAnother({sung(57, 2.0, wide)}), Rate).notes.empty());
    EXPECT_EQ(notesOf(recordings::hear(oneAfterAnother({sung(57, 2.0, gentle)}), Rate)),
              std::vector<int>{57});
}

TEST(SteadyNote, ANoteMustBeHeldForAQuarterSecond) {
    for (const double seconds : {0.12, 0.18})
        EXPECT_TRUE(recordings::hear(oneAfterAnother({sung(60, seconds)}), Rate).notes.empty())
            << seconds << " s";
    for (const double seconds : {0.32, 0.4})
        EXPECT_EQ(notesOf(recordings::hear(oneAfterAnother({sung(60, seconds)}), Rate)),
                  std::vector<int>{60})
            << seconds << " s";
}

TEST(SteadyNote, AHeldNoteIsHeardOnceUntilTheSingerStopsOrMovesOn) {
    // Three seconds of one note.
    EXPECT_EQ(notesOf(recordings::hear(oneAfterAnother({sung(55, 3.0)}), Rate)),
              std::vector<int>{55});
    // The same note twice, with a breath between.
    EXPECT_EQ(notesOf(recordings::hear(oneAfterAnother({sung(55, 0.6), sung(55, 0.6)}, 0.3), Rate)),
              (std::vector<int>{55, 55}));
    // From one note to another without a break, and back.
    const recordings::SyntheticVoice voice(VoiceSettings{});
    const recordings::Vowel a = recordings::vowel('a', false);
    const std::vector<float> legato = voice.voice(
        2.4, [](double t) { return t < 0.8   ? 50.0
                                   : t < 1.6 ? 54.0
                                             : 50.0; },
        [a](double) { return a; }, [](double t) { return std::min(1.0, t / 0.04); });
    EXPECT_EQ(notesOf(recordings::hear(oneAfterAnother({legato}), Rate)),
              (std::vector<int>{50, 54, 50}));
    // A held note that drops out for 40 ms (the singer's voice cracks) is still one note.
    std::vector<float> cracked = sung(62, 1.5);
    std::fill(cracked.begin() + Rate * 7 / 10, cracked.begin() + Rate * 74 / 100, 0.0f);
    EXPECT_EQ(notesOf(recordings::hear(oneAfterAnother({cracked}), Rate)), std::vector<int>{62});
}

TEST(SteadyNote, NotesAreHeardInANoisyRoom) {
    std::vector<std::vector<float>> sounds;
    const int notes[] = {45, 52, 64, 71};
    for (int i = 0; i < 4; ++i) {
        VoiceSettings voice;
        voice.female = i >= 2;
        voice.seed = 30 + i;
        sounds.push_back(sung(notes[i], 0.9, voice));
    }
    const std::vector<float> clean = oneAfterAnother(sounds);
    const std::vector<float> room =
        recordings::roomNoise(double(clean.size()) / Rate, Rate, 0.01, 9);
    for (const double snr : {20.0, 10.0}) {
        const std::vector<float> noisy =
            recordings::withNoise(clean, VoiceSettings().rms, room, snr);
        EXPECT_EQ(notesOf(recordings::hear(noisy, Rate)),
                  std::vector<int>(std::begin(notes), std::end(notes)))
            << snr << " dB";
    }
}

// The room's noise is learnt: a steady tone that was there before anyone sang is part of the
// room, a note sung over it is heard; a quiet singer in a quiet room is heard too, but nothing
// near the bottom of what a microphone delivers.
TEST(SteadyNote, OnlyWhatStandsAboveTheRoomIsHeard) {
    VoiceSettings hum;
    hum.attackMs = 1;
    hum.rms = 0.01;
    std::vector<float> room = sung(47, 4.0, hum);
    recordings::mixInto(room, sung(59, 0.8), Rate * 2);
    EXPECT_EQ(notesOf(recordings::hear(room, Rate)), std::vector<int>{59});

    VoiceSettings quiet;
    quiet.rms = 0.005; // -46 dB below full scale
    const std::vector<float> quietRoom = recordings::roomNoise(3.0, Rate, 0.0003, 3);
    std::vector<float> soft = quietRoom;
    recordings::mixInto(soft, sung(64, 0.8, quiet), Rate);
    EXPECT_EQ(notesOf(recordings::hear(soft, Rate)), std::vector<int>{64});

    VoiceSettings faint;
    faint.rms = 0.0005; // -66 dB
    EXPECT_TRUE(recordings::hear(oneAfterAnother({sung(64, 0.8, faint)}), Rate).notes.empty());
}

TEST(NotSinging, NothingIsHeardFromSilenceNoiseSpeechBreathingClicksOrSlides) {
    EXPECT_TRUE(recordings::hear(recordings::silence(10, Rate), Rate).notes.empty());
    EXPECT_TRUE(recordings::hear(recordings::roomNoise(15, Rate, 0.01, 1), Rate).notes.empty());
    EXPECT_TRUE(recordings::hear(recordings::speech(15, Rate, false, 2), Rate).notes.empty());
    EXPECT_TRUE(recordings::hear(recordings::speech(15, Rate, true, 3), Rate).notes.empty());
    EXPECT_TRUE(recordings::hear(recordings::breathing(15, Rate, 4), Rate).notes.empty());
    EXPECT_TRUE(recordings::hear(recordings::clicks(15, Rate, 5), Rate).notes.empty());
    for (int i = 0; i < 8; ++i) {
        const double from = 43 + 4 * i;
        const double to = from + (i % 2 ? 2 : -3);
        const std::vector<float> glide =
            recordings::slide(from, to, 0.35 + 0.05 * (i % 4), Rate, i >= 4, 40 + i);
        EXPECT_TRUE(recordings::hear(oneAfterAnother({glide}), Rate).notes.empty())
            << from << " to " << to;
    }
}

TEST(NotSinging, NothingIsHeardFromSynthesizedSpeech) {
    const recordings::Spoken spoken = recordings::spokenByEspeak(QStringLiteral(
        "Good morning. Please sing the first note of the scale, then listen to the next "
        "example. Remember to breathe before each phrase, and keep your shoulders low."));
    if (spoken.samples.empty())
        GTEST_SKIP() << "espeak-ng is not installed (scripts/setup.sh --tests installs it)";
    EXPECT_GT(spoken.samples.size(), static_cast<std::size_t>(spoken.sampleRate * 5));
    EXPECT_TRUE(recordings::hear(spoken.samples, spoken.sampleRate).notes.empty());
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
