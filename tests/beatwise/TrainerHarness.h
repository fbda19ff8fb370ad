#pragma once

#include "Clock.h"
#include "Dialogs.h"
#include "MersenneRandom.h"
#include "RhythmPlayer.h"
#include "RhythmTrainer.h"

#include "ScoreStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <vector>

// Answers the trainer's boxes from a script and records everything it shows.
class ScriptedDialogs final : public Dialogs {
public:
    struct Asked {
        QString caption;
        QString prompt;
        QString defaultText;
    };

    std::deque<bool> confirmAnswers;                  // Yes when the script is used up
    std::deque<std::optional<QString>> inputAnswers;  // Cancel when the script is used up
    std::deque<std::optional<QString>> folderAnswers; // Cancel when the script is used up

    QStringList informations;
    QStringList errors;
    QStringList confirmations;
    std::vector<Asked> inputsAsked;
    std::vector<QStringList> scoresShown;

    void information(const QString& text) override { informations.append(text); }
    void error(const QString& text) override { errors.append(text); }
    bool confirm(const QString& text) override {
        confirmations.append(text);
        if (confirmAnswers.empty())
            return true;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }
    std::optional<QString> input(const QString& caption, const QString& prompt,
                                 const QString& defaultText) override {
        inputsAsked.push_back({caption, prompt, defaultText});
        if (inputAnswers.empty())
            return std::nullopt;
        const auto answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }
    void showScores(const QStringList& lines) override { scoresShown.push_back(lines); }
    std::optional<QString> chooseFolder(const QString&, const QString&) override {
        if (folderAnswers.empty())
            return std::nullopt;
        const auto answer = folderAnswers.front();
        folderAnswers.pop_front();
        return answer;
    }
};

// Records the note strings instead of sounding them. A string "sounds" only while a test says so.
class RecordingPlayer final : public RhythmPlayer {
public:
    bool playing = false;
    int stops = 0;
    int channel = -1;
    QStringList played;

    bool IsPlaying() override { return playing; }
    void Stop() override {
        ++stops;
        playing = false;
    }
    void SetChannel(int c) override { channel = c; }
    bool PlayString(const QString& notes) override {
        played.append(notes);
        return true;
    }
};

class FixedClock final : public Clock {
public:
    QString shortDate() const override { return QStringLiteral("07/12/2026"); }
    QString longTime() const override { return QStringLiteral("10:15:30 AM"); }
};

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
