// A short exercise heard through the built-in synthesizer and recorded into a WAV file: every
// question note sounds at its pitch, and a wrong answer sounds the error tone.
#include "BuiltinSynth.h"
#include "MersenneRandom.h"
#include "MidiOut.h"
#include "PitchEstimate.h"
#include "PitchSounds.h"
#include "PitchTrainer.h"
#include "QtTimers.h"
#include "ScoreStore.h"
#include "ScriptedDialogs.h"
#include "SoundTestSupport.h"
#include "SystemClock.h"
#include "WavFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>

using namespace tonewise;
using SteadyClock = std::chrono::steady_clock;

namespace {

// The system's MIDI output, noting when each message leaves.
class StampingPlatform final : public MidiOutputPlatform {
public:
    struct Sent {
        SteadyClock::time_point at;
        uint32_t message;
    };
    std::vector<Sent> sent;

    int deviceCount() override { return system().deviceCount(); }
    int deviceCaps(int id, midi::DeviceCaps& caps) override {
        return system().deviceCaps(id, caps);
    }
    std::unique_ptr<midi::OutputPort> open(int id, int& result) override {
        auto port = system().open(id, result);
        return port ? std::make_unique<Port>(std::move(port), sent) : nullptr;
    }
    std::optional<QString> errorText(int code) override { return system().errorText(code); }

private:
    struct Port final : midi::OutputPort {
        Port(std::unique_ptr<midi::OutputPort> inner, std::vector<Sent>& log)
            : inner_(std::move(inner)), log_(log) {}
        int sendShort(uint32_t message) override {
            log_.push_back({SteadyClock::now(), message});
            return inner_->sendShort(message);
        }
        int sendLong(const QByteArray& data, std::function<void()> done) override {
            return inner_->sendLong(data, std::move(done));
        }
        int reset() override { return inner_->reset(); }
        int deviceId() const override { return inner_->deviceId(); }
        std::unique_ptr<midi::OutputPort> inner_;
        std::vector<Sent>& log_;
    };
};

struct Recording {
    midi::WavData wav;
    double startSeconds = 0; // steady-clock time of the file's first frame

    std::vector<float> mono(double from, double seconds) const {
        std::vector<float> out;
        const auto first =
            static_cast<std::size_t>(std::max(0.0, from - startSeconds) * wav.sampleRate);
        const auto count = static_cast<std::size_t>(seconds * wav.sampleRate);
        for (std::size_t i = first; i < first + count && i < wav.frames(); ++i)
            out.push_back(float(wav.samples[2 * i]) + float(wav.samples[2 * i + 1]));
        return out;
    }
    // The loudness of the signal's changes from sample to sample: high partials, such as a
    // bell's, weigh far more than an ocarina's near-pure tone.
    double brightness(double from, double seconds) const {
        const auto x = mono(from, seconds);
        double sum = 0;
        for (std::size_t i = 1; i < x.size(); ++i)
            sum += double(x[i] - x[i - 1]) * (x[i] - x[i - 1]);
        return x.size() < 2 ? 0 : std::sqrt(sum / double(x.size() - 1));
    }
};

double seconds(SteadyClock::time_point t) {
    return std::chrono::duration<double>(t.time_since_epoch()).count();
}

} // namespace

TEST(TonewiseSound, QuestionNotesSoundAtTheirPitchAndAWrongAnswerSoundsTheErrorTone) {
    ASSERT_TRUE(midi::waitForBuiltinSynth(std::chrono::seconds(30)));
    QTemporaryDir folder;
    scores::ScoreStore store(folder.path());
    ScriptedDialogs dialogs;
    StampingPlatform platform;
    TMidiOutput output(nullptr, &platform);
    MersenneRandom random(7);
    SystemClock clock;
    QtTimers timers;
    PitchTrainer trainer(dialogs, output, random, clock, timers, store);
    trainer.FormCreate();
    trainer.Initial();
    trainer.Level10Click(); // the whole octave, for a range of pitches
    // An ocarina: a steady tone without vibrato, nearly a pure fundamental, where a piano's
    // strings are stretched a little sharp of equal temperament and a flute wavers.
    dialogs.inputAnswers.push_back(QStringLiteral("79"));
    trainer.MIDIInstr1Click();

    auto keyOfQuestion = [&trainer] {
        return keyboardKeyForMidi(trainer.state().QuestionPitch)->name;
    };
    // Each answer once the question has sounded and the trainer waits, then time for the
    // note to ring on its own.
    auto answer = [&trainer](const std::function<QString()>& key) {
        QElapsedTimer waited;
        waited.start();
        while ((trainer.timer1Armed() || trainer.timer2Armed()) && waited.elapsed() < 10000)
            soundtest::pause(5);
        soundtest::pause(400);
        trainer.KeyClick(key());
    };
    for (int question = 0; question < 5; ++question)
        answer(keyOfQuestion);
    // A wrong answer, then the replay and the right answer.
    answer([&trainer] {
        return trainer.state().QuestionPitch == 83 ? QStringLiteral("F1") : QStringLiteral("B4");
    });
    answer(keyOfQuestion);
    soundtest::pause(800);
    trainer.Exit1Click();
    soundtest::pause(200);

    Recording recording;
    ASSERT_TRUE(
        midi::readWav(soundtest::audioPath(QStringLiteral("tonewise-sound")), recording.wav));
    ASSERT_EQ(recording.wav.channels, 2);
    recording.startSeconds = seconds(midi::builtinSynthClockStart());

    // Every note-on that rings alone for a while is heard at its own pitch.
    int checked = 0;
    const auto& sent = platform.sent;
    for (std::size_t i = 0; i < sent.size(); ++i) {
        const uint32_t m = sent[i].message;
        const int status = int(m & 0xFF), note = int((m >> 8) & 0x7F);
        if (status != 0x90 || note == 81)
            continue;
        const double onset = seconds(sent[i].at);
        double next = onset + 10;
        for (std::size_t j = i + 1; j < sent.size(); ++j)
            if ((sent[j].message & 0xFF) == 0x90) {
                next = seconds(sent[j].at);
                break;
            }
        if (next - onset < 0.3)
            continue;
        const double f =
            fundamentalFrequency(recording.mono(onset + 0.12, 0.15), recording.wav.sampleRate);
        EXPECT_NEAR(centsFromNote(f, note), 0.0, 5.0) << "note " << note << " heard at " << f;
        ++checked;
    }
    EXPECT_GE(checked, 5);

    // The error tone: program 113, note 81, heard right after the wrong answer.
    std::size_t tone = 0;
    while (tone < sent.size() && (sent[tone].message & 0xFFFF) != (0x90 | 81 << 8))
        ++tone;
    ASSERT_LT(tone, sent.size());
    ASSERT_GT(tone, 0u);
    EXPECT_EQ(sent[tone - 1].message & 0xFFFF, 0xC0u | 113u << 8);
    const double at = seconds(sent[tone].at);
    // The bell's bright attack stands out against the note before it.
    EXPECT_GT(recording.brightness(at, 0.05), 3 * recording.brightness(at - 0.1, 0.05));
    QFile::remove(soundtest::audioPath(QStringLiteral("tonewise-sound")));
}

int main(int argc, char** argv) {
    // With the program's own choice of sounds: every note it plays must sound.
    return soundtest::runRecording(argc, argv, QStringLiteral("tonewise-sound"),
                                   PitchSounds::keyLimits());
}
