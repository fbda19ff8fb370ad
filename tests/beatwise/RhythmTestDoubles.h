#pragma once

#include "Clock.h"
#include "RhythmPlayer.h"
#include "ScriptedDialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <stdexcept>

// Records the note strings instead of sounding them. A string "sounds" only while a test says
// so, and the player can be made to fail the way a MIDI output does, by throwing.
class RecordingPlayer final : public RhythmPlayer {
public:
    bool playing = false;
    int stops = 0;
    int channel = -1;
    QStringList played;
    QString failure; // thrown by PlayString when not empty

    bool IsPlaying() override { return playing; }
    void Stop() override {
        ++stops;
        playing = false;
    }
    void SetChannel(int c) override { channel = c; }
    bool PlayString(const QString& notes) override {
        if (!failure.isEmpty())
            throw std::runtime_error(failure.toStdString());
        played.append(notes);
        return true;
    }
};

class FixedClock final : public Clock {
public:
    QString shortDate() const override { return QStringLiteral("07/12/2026"); }
    QString longTime() const override { return QStringLiteral("10:15:30 AM"); }
    qint64 elapsedMs() const override { return ms; }
    qint64 ms = 0;
};
