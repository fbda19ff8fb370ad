#include "PitchTrainer.h"

#include "Dialogs.h"
#include "MusicKeys.h"

namespace tonewise {

PitchTrainer::PitchTrainer(Dialogs& dialogs, TMidiOutput& output, Random& random, Clock& clock,
                           TimerFactory& timers, const scores::ScoreStore& scoreStore)
    : dialogs_(dialogs), scoreFile_(scoreStore, dialogs), parts_{*this, state_, displays_, dialogs},
      output_(parts_, output), staff_(parts_), cycle_(parts_, output_, staff_, random, timers),
      check_(parts_, output_, staff_, cycle_), keys_(parts_, output_), practice_(parts_, output_),
      progression_(parts_, random), quiz_(parts_, output_, staff_, clock, scoreFile_) {
    scoreFile_.onAppended([this](const QString& path, const QString& line) {
        displays_.scoreLineAppended(path, line);
    });
    if (KeyControl* middleC = state_.keyControl(u"C3"))
        middleC->hint = MiddleCHint;
}

PitchTrainer::~PitchTrainer() = default;

// ---------------------------------------------------------------------------------------------
// Start-up

void PitchTrainer::FormCreate() {
    state_.NumQuestions = QStringLiteral("0");
    state_.naming = NoteNaming::Letters;
    state_.QuestionStep = 0;
    state_.PreviousStep = 2;
    output_.listDevices();
    SignatureSubmenuClick(0);
    dialogs_.information(
        tr("When Tonewise Opens, Please Click Help Menu, Select \"Help Topics\", then Select and "
           "Read HOW TO USE TONEWISE \"Question Content and Order.\" Thanks, - Orin Vascombe"));
}

void PitchTrainer::Initial() {
    state_.QuestionStep = 0;
    state_.StepList.clear();
    SetDefaultKeyTable(state_.QuestList);
    displays_.setAnsShow(tr("Select Key and scale-steps from Menu or click middle C."));
    displays_.setScore(startScoreText());
    state_.AdvanceCount = QStringLiteral("40");
    state_.AdvancePercent = QStringLiteral("90");
    FormPaint();
    Level0Click();
}

void PitchTrainer::Exit1Click() {
    cycle_.stopAll();
    state_.StepList.clear();
    output_.closeForExit();
}

// ---------------------------------------------------------------------------------------------
// Keys: each item of the "Key" menu selects its key.

void PitchTrainer::CMajorClick() {
    SelectKey(0);
}
void PitchTrainer::AMinorClick() {
    SelectKey(1);
}
void PitchTrainer::FMajorClick() {
    SelectKey(2);
}
void PitchTrainer::DMinorClick() {
    SelectKey(3);
}
void PitchTrainer::GMajorClick() {
    SelectKey(4);
}
void PitchTrainer::EMinorClick() {
    SelectKey(5);
}
void PitchTrainer::BbMajorClick() {
    SelectKey(6);
}
void PitchTrainer::GMinorClick() {
    SelectKey(7);
}
void PitchTrainer::DMajorClick() {
    SelectKey(8);
}
void PitchTrainer::BMinorClick() {
    SelectKey(9);
}
void PitchTrainer::EbMajorClick() {
    SelectKey(10);
}
void PitchTrainer::CMinorClick() {
    SelectKey(11);
}
void PitchTrainer::AMajorClick() {
    SelectKey(12);
}
void PitchTrainer::FsharpMinorClick() {
    SelectKey(13);
}
void PitchTrainer::AbMajorClick() {
    SelectKey(14);
}
void PitchTrainer::FMinorClick() {
    SelectKey(15);
}
void PitchTrainer::EMajorClick() {
    SelectKey(16);
}
void PitchTrainer::CsharpMinorClick() {
    SelectKey(CsharpMinorIndex);
}
void PitchTrainer::DbMajorClick() {
    SelectKey(DbMajorIndex);
}
void PitchTrainer::GbMajorClick() {
    SelectKey(GbMajorIndex);
}
void PitchTrainer::BMajorClick() {
    SelectKey(20);
}
void PitchTrainer::FsharpMajorClick() {
    SelectKey(FsharpMajorIndex);
}
void PitchTrainer::BbMinorClick() {
    SelectKey(22);
}
void PitchTrainer::EbMinorClick() {
    SelectKey(23);
}

// ---------------------------------------------------------------------------------------------
// Levels: each item of the "Scale Steps" menu selects its level, in menu order.

void PitchTrainer::Level0Click() {
    LevelClick(0);
}
void PitchTrainer::Level1Click() {
    LevelClick(1);
}
void PitchTrainer::Level2Click() {
    LevelClick(2);
}
void PitchTrainer::Level6Click() {
    LevelClick(3);
}
void PitchTrainer::Level3Click() {
    LevelClick(4);
}
void PitchTrainer::Level5Click() {
    LevelClick(5);
}
void PitchTrainer::Level8Click() {
    LevelClick(6);
}
void PitchTrainer::Level4Click() {
    LevelClick(7);
}
void PitchTrainer::Level7Click() {
    LevelClick(8);
}
void PitchTrainer::Level9Click() {
    LevelClick(9);
}
void PitchTrainer::Level95Click() {
    LevelClick(10);
}
void PitchTrainer::Level10Click() {
    LevelClick(11);
}
void PitchTrainer::Level11Click() {
    LevelClick(12);
}
void PitchTrainer::Level12Click() {
    LevelClick(13);
}
void PitchTrainer::Level13Click() {
    LevelClick(14);
}
void PitchTrainer::Mixed0Click() {
    LevelClick(15);
}
void PitchTrainer::Mixed1Click() {
    LevelClick(16);
}
void PitchTrainer::Mixed2Click() {
    LevelClick(17);
}
void PitchTrainer::Mixed3Click() {
    LevelClick(18);
}
void PitchTrainer::Mixed4Click() {
    LevelClick(19);
}
void PitchTrainer::Mixed5Click() {
    LevelClick(20);
}

} // namespace tonewise
