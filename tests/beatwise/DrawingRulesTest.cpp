#include "TrainerHarness.h"

#include <cmath>
#include <set>
#include <vector>

namespace {

// How likely each pattern is after a beat of pattern `previous`, from the drawing rules.
std::vector<double> expectedNext(Meter meter, int level, int previous) {
    std::vector<double> p(static_cast<std::size_t>(level), 0.0);
    auto at = [&](int x) -> double& { return p[static_cast<std::size_t>(x)]; };
    if (meter == Meter::Simple) {
        if (previous <= 2 || previous == 10) {
            for (int x = 0; x < level; ++x)
                at(x) = 1.0;
        } else if (level <= 6) {
            at(0) = at(1) = at(2) = 1.0;
        } else if (level <= 9) {
            for (int x = 0; x <= 4; ++x)
                at(x) = 1.0;
        } else {
            at(0) = at(1) = at(2) = at(3) = 1.0;
            at(4) = 2.0; // two draws of six or seven land on the dotted eighth
            if (level >= 11)
                at(10) = 1.0;
        }
        at(previous) = 0.0; // redrawn until it differs
    } else {
        // Random(4) after a rest pattern, else Random(level); an equal result is replaced by
        // Random(3) draws until one differs.
        const int n = previous >= 4 ? 4 : level;
        for (int x = 0; x < n; ++x)
            at(x) += 1.0 / n;
        if (previous < n) {
            at(previous) = 0.0;
            const int choices = previous <= 2 ? 2 : 3;
            for (int x = 0; x < 3; ++x) {
                if (x != previous)
                    at(x) += 1.0 / n / choices;
            }
        }
    }
    double total = 0.0;
    for (double w : p)
        total += w;
    for (double& w : p)
        w /= total;
    return p;
}

// Pearson's statistic, and a bound that a fair sample of this size stays far below.
void expectFits(const std::vector<long>& observed, const std::vector<double>& expected,
                const std::string& what) {
    long total = 0;
    for (long n : observed)
        total += n;
    double statistic = 0.0;
    int categories = 0;
    for (std::size_t x = 0; x < observed.size(); ++x) {
        if (expected[x] == 0.0) {
            EXPECT_EQ(observed[x], 0) << what << ": pattern " << x << " is never drawn here";
            continue;
        }
        const double e = expected[x] * static_cast<double>(total);
        statistic +=
            (static_cast<double>(observed[x]) - e) * (static_cast<double>(observed[x]) - e) / e;
        ++categories;
    }
    const double freedom = std::max(1, categories - 1);
    EXPECT_LT(statistic, freedom + 6.0 * std::sqrt(2.0 * freedom) + 6.0) << what;
}

class DrawingRulesTest : public TrainerTest {
protected:
    void checkLevel(Meter meter, int level, int questions) {
        trainer.Off1Click();
        if (meter == Meter::Compound)
            trainer.CompoundClick();
        else
            trainer.SimpleClick();
        trainer.LevelClick(level);
        random.seed(static_cast<quint64>(level) * 7919 + (meter == Meter::Simple ? 0 : 1));

        std::vector<long> first(static_cast<std::size_t>(level), 0);
        std::vector<std::vector<long>> after(static_cast<std::size_t>(level),
                                             std::vector<long>(static_cast<std::size_t>(level), 0));
        for (int q = 0; q < questions; ++q) {
            trainer.StartButtonClick();
            const auto& beats = state().QuestionPatterns;
            ++first[static_cast<std::size_t>(beats[0])];
            for (std::size_t i = 0; i < beats.size(); ++i) {
                ASSERT_GE(beats[i], 0);
                ASSERT_LT(beats[i], level);
                if (i > 0)
                    ++after[static_cast<std::size_t>(beats[i - 1])]
                           [static_cast<std::size_t>(beats[i])];
            }
        }
        const std::string name =
            (meter == Meter::Simple ? "simple/" : "compound/") + std::to_string(level);
        expectFits(first, std::vector<double>(static_cast<std::size_t>(level), 1.0 / level),
                   name + " first beat");
        for (int previous = 0; previous < level; ++previous) {
            const auto& observed = after[static_cast<std::size_t>(previous)];
            long total = 0;
            for (long n : observed)
                total += n;
            if (total == 0)
                continue;
            expectFits(observed, expectedNext(meter, level, previous),
                       name + " after " + std::to_string(previous));
        }
    }
};

} // namespace

TEST_F(DrawingRulesTest, SimpleLevelsFollowTheirRulesAndWeights) {
    for (int level = 3; level <= 15; ++level)
        checkLevel(Meter::Simple, level, 5000);
}

TEST_F(DrawingRulesTest, CompoundLevelsFollowTheirRulesAndWeights) {
    for (int level = 3; level <= 7; ++level)
        checkLevel(Meter::Compound, level, 5000);
}

TEST_F(DrawingRulesTest, EveryQuestionTakesANewSeedFromTheClockUnlessOneIsFixed) {
    MersenneRandom clockRandom;
    RhythmTrainer clocked(dialogs, player, clockRandom, clock, store);
    clocked.FormCreate();
    clocked.Level11Click();
    std::set<std::array<int, 7>> questions;
    for (int q = 0; q < 20; ++q) {
        clocked.StartButtonClick();
        questions.insert(clocked.state().QuestionPatterns);
    }
    EXPECT_GT(questions.size(), 15u);
}
