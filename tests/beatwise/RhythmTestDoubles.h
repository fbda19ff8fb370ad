#pragma once

#include "Clock.h"
#include "RhythmPlayer.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <stdexcept>

// The answers a test gives to the trainer's boxes, and what the boxes showed. Confirmations
// answer Yes and inputs and folder choices Cancel once their script is used up.
struct DialogScript {
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<std::optional<QString>> folderAnswers;

    QStringList informations;
    QStringList errors;
    QStringList confirmations;
    QStringList inputCaptions;

    bool nextConfirm(const QString& text) {
        confirmations.append(text);
        if (confirmAnswers.empty())
            return true;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }
    std::optional<QString> nextInput(const QString& caption) {
        inputCaptions.append(caption);
        return take(inputAnswers);
    }
    std::optional<QString> nextFolder() { return take(folderAnswers); }

private:
    static std::optional<QString> take(std::deque<std::optional<QString>>& script) {
        if (script.empty())
            return std::nullopt;
        const auto answer = script.front();
        script.pop_front();
        return answer;
    }
};

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
};
