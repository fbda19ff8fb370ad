// What the audio thread asks of the synthesizer (messages, program changes of pinned sounds,
// rendering) allocates nothing and takes no lock, in the library's code as in ours. Every
// allocation and lock call of this program passes through a counter that counts those of this
// thread while it plays the audio thread's part.
#include "BuiltinSynth.h"
#include "MidiTestSupport.h"
#include "ThreadCalls.h"
#include "internal/SoundBackend.h"
#include "internal/SynthCore.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <unistd.h>

using midi::PresetId;
using midi::presetId;

namespace {

constexpr PresetId Piano = presetId(0, 0);
constexpr PresetId Agogo = presetId(0, 113);
constexpr PresetId Kit = presetId(128, 0);

uint32_t message(uint32_t status, uint32_t data1, uint32_t data2) {
    return status | data1 << 8 | data2 << 16;
}

// The synthesizer as the built-in one makes it (no reverb or chorus), its sounds pinned as the
// loader thread pins them.
std::unique_ptr<midi::SynthCore> pinnedSynth() {
    midi::SoundBackend* backend = midi::soundBackend();
    if (backend == nullptr)
        return nullptr;
    std::unique_ptr<midi::SynthCore> synth = backend->createSynth(48000, false);
    QString error;
    if (!synth || !synth->loadSoundFont(midi::findGeneralMidiSoundFont(), &error))
        return nullptr;
    for (PresetId preset : {Piano, Agogo, Kit})
        if (!synth->pin(preset))
            return nullptr;
    return synth;
}

// A wrong answer's worth of the audio thread's work: the piano, the error tone and back, drums.
void playLikeTheAudioThread(midi::SynthCore& synth) {
    std::array<float, midi::SynthCore::BlockFrames> left{}, right{};
    synth.select(0, Piano);
    synth.select(9, Kit);
    for (int block = 0; block < 2000; ++block) {
        if (block % 100 == 0) {
            synth.message(message(0x90, 60 + block / 100 % 12, 100));
            synth.message(message(0x99, block % 200 == 0 ? 36 : 42, 110));
        }
        if (block % 100 == 50) {
            synth.message(message(0x80, 60 + block / 100 % 12, 0));
            synth.select(0, block % 500 == 50 ? Agogo : Piano);
        }
        left.fill(0);
        right.fill(0);
        synth.render(static_cast<int>(left.size()), left.data(), right.data());
    }
    synth.releaseAll();
    synth.reset();
}

} // namespace

TEST(AudioThreadCalls, PlayingAllocatesNothingAndTakesNoLock) {
    const std::unique_ptr<midi::SynthCore> synth = pinnedSynth();
    if (!synth)
        GTEST_SKIP() << "no General MIDI SoundFont or sound module here";
    std::atomic<int> marker{0};
    thread_calls::watch(marker);

    // The counter sees this thread's calls while the marker names it, and only then.
    const auto allocateAndFree = [] {
        void* volatile memory = std::malloc(64);
        std::free(memory);
    };
    thread_calls::reset();
    marker.store(static_cast<int>(gettid()));
    allocateAndFree();
    marker.store(0);
    allocateAndFree();
    ASSERT_EQ(thread_calls::counts().allocations, 2);

    thread_calls::reset();
    marker.store(static_cast<int>(gettid()));
    playLikeTheAudioThread(*synth);
    marker.store(0);
    EXPECT_EQ(thread_calls::counts().allocations, 0);
    EXPECT_EQ(thread_calls::counts().locks, 0);
}

MIDI_TEST_MAIN({})
