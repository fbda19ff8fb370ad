// The player while the built-in synthesizer is not ready yet (it is still reading its
// SoundFont or reaching the sound server; here it is never started): a stream waits for it, and
// a player that goes away meanwhile lets go of its stream at once, so that a program whose
// window closes right after a question was asked ends without waiting for the synthesizer.

#include "TMidiGen.h"

#include "BuiltinSynth.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

namespace {

// Ends the test program when a step hangs, which is the fault this file is about.
class HangGuard {
public:
    explicit HangGuard(std::chrono::seconds limit) {
        thread_ = std::thread([this, limit] {
            const auto until = std::chrono::steady_clock::now() + limit;
            while (!done_ && std::chrono::steady_clock::now() < until)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (!done_) {
                std::fputs("the player waited for the synthesizer as it went away\n", stderr);
                std::_Exit(1);
            }
        });
    }
    ~HangGuard() {
        done_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> done_{false};
    std::thread thread_;
};

} // namespace

TEST(TMidiGenUnready, APlayerGoesAwayAtOnceWhileItsStreamWaitsForTheSynthesizer) {
    for (const char* notes : {"N64;5", "C;3000"}) {
        auto player = std::make_unique<TMidiGen>();
        player->SetChannel(mgCh10);
        bool stopped = false;
        QObject context;
        QObject::connect(player.get(), &TMidiGen::playingChanged, &context,
                         [&](bool playing) { stopped = !playing; });
        ASSERT_TRUE(player->PlayString(QString::fromLatin1(notes)));
        EXPECT_TRUE(player->IsPlaying());
        {
            HangGuard guard(std::chrono::seconds(10));
            player.reset(); // its first event is still waiting for the synthesizer
        }
        EXPECT_TRUE(stopped) << notes;
    }
    // The next player takes over the output and queues its own stream.
    HangGuard guard(std::chrono::seconds(10));
    TMidiGen next;
    EXPECT_TRUE(next.PlayString(QStringLiteral("D;5")));
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // The synthesizer would start only with warmUpBuiltinSynth(), which nothing calls here.
    midi::SynthOptions unstarted;
    unstarted.output = midi::AudioOutput::Silent;
    unstarted.startOnWarmUp = true;
    midi::configureBuiltinSynth(unstarted);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
