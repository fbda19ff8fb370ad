#pragma once

#include "Clock.h"
#include "Dialogs.h"
#include "MersenneRandom.h"
#include "RhythmPlayer.h"
#include "RhythmTestDoubles.h"
#include "RhythmTrainer.h"

#include "ScoreStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <vector>

// A trainer after start-up, with a score folder of its own.
class TrainerTest : public ::testing::Test {
protected:
    QTemporaryDir scoreRoot;
    scores::ScoreStore store{scoreRoot.path() + QStringLiteral("/Qor_Music")};
    ScriptedDialogs dialogs;
    RecordingPlayer player;
    MersenneRandom random{20240107};
    FixedClock clock;
    RhythmTrainer trainer{dialogs, player, random, clock, store};

    void SetUp() override { trainer.FormCreate(); }

    const RhythmState& state() const { return trainer.state(); }

    // The pattern buttons' handlers in pattern order: q w u o l s k m j i h y n b r.
    static constexpr std::array<void (RhythmTrainer::*)(), 15> kButtons = {
        &RhythmTrainer::qClick, &RhythmTrainer::wClick, &RhythmTrainer::uClick,
        &RhythmTrainer::oClick, &RhythmTrainer::lClick, &RhythmTrainer::sClick,
        &RhythmTrainer::kClick, &RhythmTrainer::mClick, &RhythmTrainer::jClick,
        &RhythmTrainer::iClick, &RhythmTrainer::hClick, &RhythmTrainer::yClick,
        &RhythmTrainer::nClick, &RhythmTrainer::bClick, &RhythmTrainer::rClick};

    void click(int pattern) { (trainer.*kButtons[static_cast<std::size_t>(pattern)])(); }

    // Enters the question's beats, the first `wrong` of them replaced by another pattern.
    void enterAnswer(int wrong = 0) {
        for (int beat = 0; beat < 7; ++beat) {
            const int right = state().QuestionPatterns[static_cast<std::size_t>(beat)];
            click(beat < wrong ? (right + 1) % state().PatternCount : right);
        }
    }

    // "Next Question", the answer, "Check Answer".
    void answerQuestion(int wrong = 0) {
        trainer.StartButtonClick();
        enterAnswer(wrong);
        trainer.AnsDisplayClick();
    }

    int visibleButtons() const {
        int n = 0;
        for (const ControlState& button : state().patternButtons)
            n += button.visible ? 1 : 0;
        return n;
    }
};
