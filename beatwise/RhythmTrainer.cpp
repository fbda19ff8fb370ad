#include "RhythmTrainer.h"

#include "PatternAnswers.h"
#include "RhythmTapping.h"

RhythmTrainer::RhythmTrainer(Dialogs& dialogs, RhythmPlayer& player, Random& random, Clock& clock,
                             const scores::ScoreStore& scoreStore)
    : scoreFile_(scoreStore, dialogs), parts_{*this, state_, dialogs},
      question_(parts_, player, random), meterAndLevel_(parts_, question_), progression_(parts_),
      quiz_(parts_, question_, clock, scoreFile_), answerRow_(parts_, question_, quiz_),
      player_(player), clock_(clock) {
    scoreFile_.onAppended([this](const QString& path, const QString& line) {
        if (listener_)
            listener_->scoreLineAppended(path, line);
    });
    // The window as it is designed, before FormCreate: simple captions, every button shown,
    // "Quiz in Progress" disabled.
    meterAndLevel_.showDesignedCaptions();
}

RhythmTrainer::~RhythmTrainer() = default;

// ---------------------------------------------------------------------------------------------
// Start-up

void RhythmTrainer::FormCreate() {
    state_.LevelLabel = QStringLiteral("Simple/3");
    LevelXClick();
    state_.AdvanceProgress = -1;
    state_.MarkedColumn = 0;
    state_.AdvanceAnswers = QStringLiteral("20");
    state_.AdvanceScore = QStringLiteral("90");
    state_.StartButton.enabled = true;
    state_.PlayParts.clear();
    state_.TotalBeats = 0;
    state_.CorrectBeats = 0;
    state_.Score.clear();
    state_.PatternCount = 3;
    state_.QuestionCount = 0;
    SimpleClick();
}

// ---------------------------------------------------------------------------------------------
// Levels: each item selects its number of patterns. The items of 8 patterns and more exist in
// the simple meter only; their handlers always write the simple label.

void RhythmTrainer::LevelXClick() {
    meterAndLevel_.selectLevel(3, false);
}
void RhythmTrainer::Level0Click() {
    meterAndLevel_.selectLevel(4, false);
}
void RhythmTrainer::Level1Click() {
    meterAndLevel_.selectLevel(5, false);
}
void RhythmTrainer::Level2Click() {
    meterAndLevel_.selectLevel(6, false);
}
void RhythmTrainer::Level3Click() {
    meterAndLevel_.selectLevel(7, false);
}
void RhythmTrainer::Level4Click() {
    meterAndLevel_.selectLevel(8, true);
}
void RhythmTrainer::Level5Click() {
    meterAndLevel_.selectLevel(9, true);
}
void RhythmTrainer::Level6Click() {
    meterAndLevel_.selectLevel(10, true);
}
void RhythmTrainer::Level7Click() {
    meterAndLevel_.selectLevel(11, true);
}
void RhythmTrainer::Level8Click() {
    meterAndLevel_.selectLevel(12, true);
}
void RhythmTrainer::Level9Click() {
    meterAndLevel_.selectLevel(13, true);
}
void RhythmTrainer::Level10Click() {
    meterAndLevel_.selectLevel(14, true);
}
void RhythmTrainer::Level11Click() {
    meterAndLevel_.selectLevel(15, true);
}

void RhythmTrainer::LevelClick(int level) {
    using Handler = void (RhythmTrainer::*)();
    static constexpr Handler handlers[] = {
        &RhythmTrainer::LevelXClick, &RhythmTrainer::Level0Click, &RhythmTrainer::Level1Click,
        &RhythmTrainer::Level2Click, &RhythmTrainer::Level3Click, &RhythmTrainer::Level4Click,
        &RhythmTrainer::Level5Click, &RhythmTrainer::Level6Click, &RhythmTrainer::Level7Click,
        &RhythmTrainer::Level8Click, &RhythmTrainer::Level9Click, &RhythmTrainer::Level10Click,
        &RhythmTrainer::Level11Click};
    if (level >= RhythmCatalogue::kLowestLevel && level <= RhythmCatalogue::kSimplePatterns)
        (this->*handlers[level - RhythmCatalogue::kLowestLevel])();
}

// ---------------------------------------------------------------------------------------------
// Answer entry: each pattern button enters its pattern.

void RhythmTrainer::qClick() {
    PatternClick(0);
}
void RhythmTrainer::wClick() {
    PatternClick(1);
}
void RhythmTrainer::uClick() {
    PatternClick(2);
}
void RhythmTrainer::oClick() {
    PatternClick(3);
}
void RhythmTrainer::lClick() {
    PatternClick(4);
}
void RhythmTrainer::sClick() {
    PatternClick(5);
}
void RhythmTrainer::kClick() {
    PatternClick(6);
}
void RhythmTrainer::mClick() {
    PatternClick(7);
}
void RhythmTrainer::jClick() {
    PatternClick(8);
}
void RhythmTrainer::iClick() {
    PatternClick(9);
}
void RhythmTrainer::hClick() {
    PatternClick(10);
}
void RhythmTrainer::yClick() {
    PatternClick(11);
}
void RhythmTrainer::nClick() {
    PatternClick(12);
}
void RhythmTrainer::bClick() {
    PatternClick(13);
}
void RhythmTrainer::rClick() {
    PatternClick(14);
}

// ---------------------------------------------------------------------------------------------
// Questions, checking and tapped answers

void RhythmTrainer::StartButtonClick() {
    question_.StartButtonClick();
    state_.TapRhythm.enabled = state_.TapRhythm.visible && !state_.PlayParts.isEmpty();
}

void RhythmTrainer::AnsDisplayClick() {
    if (tapping_)
        tapping_->finishForCheck();
    answerRow_.AnsDisplayClick();
}

void RhythmTrainer::showTapFeedback() {
    if (tapping_)
        tapping_->showFeedback();
}

void RhythmTrainer::RestScoreClick() {
    stopTapping();
    answerRow_.RestScoreClick();
}

void RhythmTrainer::enableTapping(TimerFactory& timers, TapClick& click) {
    tappedAnswers_ = std::make_unique<PatternAnswers>(*this);
    tapping_ =
        std::make_unique<RhythmTapping>(parts_, player_, clock_, timers, click, *tappedAnswers_);
    tapping_->onBeat([this](const TappedBeat& beat) {
        if (listener_)
            listener_->beatTapped(beat);
    });
    state_.TapRhythm.visible = true;
    state_.TapRhythm.enabled = !state_.PlayParts.isEmpty();
}

void RhythmTrainer::TapRhythmClick() {
    if (tapping_ && state_.TapRhythm.enabled)
        tapping_->TapRhythmClick();
}

void RhythmTrainer::tap() {
    if (tapping_)
        tapping_->tap();
}

void RhythmTrainer::tapHeard(double clockMs) {
    if (tapping_)
        tapping_->tapHeard(clockMs);
}

void RhythmTrainer::stopTapping() {
    if (tapping_)
        tapping_->stop();
}
