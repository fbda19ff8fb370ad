// One way a failure ends: the event boundary shows it, whether it comes from a click, a timer
// or an answer, and a script's stop passes through.

#include "AnswerSink.h"
#include "BoundTimers.h"
#include "Failure.h"
#include "ScriptStop.h"
#include "ScriptedDialogs.h"
#include "ShowingBoundary.h"
#include "VirtualClock.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(ShowingBoundary, ShowsAFailureAndThenWhatTheHandlerLeft) {
    ScriptedDialogs dialogs;
    int shown = 0;
    ShowingBoundary boundary(dialogs, [&shown] { ++shown; });
    QStringList done;

    boundary.run([&] {
        done << QStringLiteral("first half");
        throw Failure(QStringLiteral("MIDI Output device not open"));
    });
    boundary.run([] {
        throw std::runtime_error("Stra\xc3\x9f"
                                 "e");
    });
    boundary.run([&] { done << QStringLiteral("next"); });

    EXPECT_EQ(dialogs.errors, (QStringList{QStringLiteral("MIDI Output device not open"),
                                           QStringLiteral("Straße")}));
    EXPECT_EQ(done, (QStringList{QStringLiteral("first half"), QStringLiteral("next")}));
    EXPECT_EQ(shown, 3) << "the state is shown after every handler, failed or not";
    EXPECT_THROW(boundary.run([] { throw ScriptError(QStringLiteral("unknown line")); }),
                 ScriptStop);
}

TEST(BoundTimers, ATimersFailureIsMetAsAClicksIsAndTheOthersGoOn) {
    ScriptedDialogs dialogs;
    ShowingBoundary boundary(dialogs);
    VirtualClock clock;
    BoundTimers timers(clock, boundary);
    int ticks = 0;
    const auto failing = timers.createTimer([] { throw Failure(QStringLiteral("no device")); });
    const auto ticking = timers.createTimer([&ticks] { ++ticks; });
    failing->start(10);
    ticking->start(20);
    clock.advance(100);
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("no device")});
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(failing->isArmed());
}

struct Note {
    int midi = 0;
};

class Recorder final : public AnswerSink<Note> {
public:
    std::vector<int> heard;
    void answer(const Note& note) override {
        if (note.midi < 0)
            throw Failure(QStringLiteral("cannot answer"));
        heard.push_back(note.midi);
    }
};

TEST(BoundAnswers, AnswersGoThroughTheBoundaryWhileTheyAreTaken) {
    ScriptedDialogs dialogs;
    ShowingBoundary boundary(dialogs);
    Recorder trainer;
    bool taking = true;
    BoundAnswers<Note> window(trainer, boundary, [&taking] { return taking; });
    window.answer({60});
    taking = false; // a box waits for the student
    window.answer({62});
    taking = true;
    window.answer({-1});
    window.answer({64});
    EXPECT_EQ(trainer.heard, (std::vector<int>{60, 64}));
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("cannot answer")});
}

} // namespace
