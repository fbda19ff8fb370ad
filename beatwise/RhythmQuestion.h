#pragma once

#include "Meter.h"
#include "RhythmParts.h"

#include <QCoreApplication>
#include <QString>

class Random;
class RhythmPlayer;

// The question and its sound: seven beats drawn by the level's rules between the count-in and
// the closing beat, written into the hidden question row and played as one note string; heard
// again, and rebuilt at another tempo.
class RhythmQuestion {
    Q_DECLARE_TR_FUNCTIONS(RhythmTrainer)

public:
    RhythmQuestion(RhythmParts parts, RhythmPlayer& player, Random& random)
        : parts_(parts), player_(player), random_(random) {}

    void StartButtonClick();
    void RepetirClick();
    void SpeedChange(int speed);
    void AllNotesOff1Click();
    void PatternGlyph();
    void AppendBeatNotes();

    void stopIfPlaying();
    void stop();

private:
    void startCounting();
    void drawQuestion();
    void computeDurations();
    void appendFrameParts(Meter meter);
    void appendBeatNotes(Meter meter);
    void buildBeat(Meter meter);
    QString joinedParts() const;

    RhythmParts parts_;
    RhythmPlayer& player_;
    Random& random_;
};
