// The virtual clock and its timers, the replayable random draws and the scripted boxes: what
// the trainers are run and tested on without a window.
#include "ReplayableRandom.h"
#include "ScriptedDialogs.h"
#include "VirtualClock.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

TEST(VirtualClock, FiresDueTimersInTimeOrderEachAtItsOwnTime) {
    VirtualClock clock;
    std::vector<std::pair<char, qint64>> fired;
    auto a = clock.createTimer([&] { fired.push_back({'a', clock.now()}); });
    auto b = clock.createTimer([&] { fired.push_back({'b', clock.now()}); });
    auto c = clock.createTimer([&] { fired.push_back({'c', clock.now()}); });
    a->start(300);
    b->start(100);
    c->start(100); // due with b, armed after it
    EXPECT_TRUE(a->isArmed());
    clock.advance(250);
    EXPECT_EQ(fired, (std::vector<std::pair<char, qint64>>{{'b', 100}, {'c', 100}}));
    EXPECT_FALSE(b->isArmed()) << "a one-shot timer disarms itself when it fires";
    EXPECT_EQ(clock.now(), 250);
    clock.advance(50);
    EXPECT_EQ(fired.back(), std::make_pair('a', qint64(300)));
}

TEST(VirtualClock, ATimerArmedByAHandlerFiresWithinTheSameAdvance) {
    VirtualClock clock;
    std::vector<qint64> ticks;
    std::unique_ptr<Timer> tick;
    tick = clock.createTimer([&] {
        ticks.push_back(clock.now());
        if (ticks.size() < 3)
            tick->start(300);
    });
    auto stopped = clock.createTimer([&] { ticks.push_back(-1); });
    tick->start(10);
    stopped->start(20);
    stopped->stop();
    clock.advance(1000);
    EXPECT_EQ(ticks, (std::vector<qint64>{10, 310, 610}));
    // Starting an armed timer again moves it.
    tick->start(100);
    tick->start(400);
    clock.advance(399);
    EXPECT_EQ(ticks.size(), 3u);
    EXPECT_TRUE(clock.fireNext());
    EXPECT_EQ(ticks.back(), 1400);
    EXPECT_FALSE(clock.fireNext());
}

TEST(VirtualClock, DatesFollowTheVirtualTime) {
    VirtualClock clock(QDateTime(QDate(2026, 3, 9), QTime(23, 59, 59)));
    EXPECT_EQ(clock.shortDate(), "3/9/2026");
    EXPECT_EQ(clock.longTime(), "11:59:59 PM");
    clock.advance(1000);
    EXPECT_EQ(clock.shortDate(), "3/10/2026");
}

TEST(ReplayableRandom, RepeatsFromTheSameSeedAndVariesAtOneMoment) {
    qint64 now = 0;
    auto draws = [&now](quint64 seed) {
        ReplayableRandom random(seed, [&now] { return now; });
        std::vector<int> values;
        for (int i = 0; i < 40; ++i) {
            random.reseedFromClock(); // the clock stands still
            values.push_back(random.next(16));
        }
        return values;
    };
    const auto first = draws(7);
    EXPECT_EQ(first, draws(7));
    EXPECT_NE(first, draws(8));
    EXPECT_GT(std::set<int>(first.begin(), first.end()).size(), 8u)
        << "reseeding at the same moment still gives varied draws";
    for (int value : first)
        EXPECT_TRUE(value >= 0 && value < 16);
}

TEST(ScriptedDialogs, AnswersInOrderReportsEachBoxAndRefusesWhenTheScriptRunsOut) {
    ScriptedDialogs boxes(QStringLiteral("Tonewise"));
    QStringList shown;
    boxes.shown = [&shown](const QString& title, const QString& text, const QString& answer) {
        shown << title + " | " + text + " -> " + answer;
    };
    boxes.confirmAnswers = {false};
    boxes.inputAnswers = {QStringLiteral("Smith"), std::nullopt};
    boxes.information(QStringLiteral("Hello"));
    EXPECT_FALSE(boxes.confirm(QStringLiteral("Sure?")));
    EXPECT_EQ(boxes.input(QStringLiteral("Name"), QStringLiteral("Who?"), QStringLiteral("x")),
              QStringLiteral("Smith"));
    EXPECT_EQ(boxes.input(QStringLiteral("Name"), QStringLiteral("Who?"), QStringLiteral("x")),
              std::nullopt);
    EXPECT_EQ(shown, (QStringList{"Tonewise | Hello -> ok", "Tonewise | Sure? -> no",
                                  "Name | Who? -> Smith", "Name | Who? -> cancel"}));
    // By default an empty script says Yes and cancels; a strict one refuses.
    EXPECT_TRUE(boxes.confirm(QStringLiteral("Again?")));
    boxes.whenExhausted = DialogScript::WhenExhausted::Refuse;
    EXPECT_THROW(boxes.confirm(QStringLiteral("Again?")), UnansweredDialog);
    EXPECT_THROW(boxes.input(QStringLiteral("Name"), QStringLiteral("Who?"), QString()),
                 UnansweredDialog);
}
