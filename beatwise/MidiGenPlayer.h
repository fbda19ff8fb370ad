#pragma once

#include "RhythmPlayer.h"

class TMidiGen;

// The rhythm trainer's player on the note-string player TMidiGen.
class MidiGenPlayer final : public RhythmPlayer {
public:
    explicit MidiGenPlayer(TMidiGen& midiGen) : midiGen_(midiGen) {}

    bool IsPlaying() override;
    void Stop() override;
    void SetChannel(int channel) override;
    bool PlayString(const QString& notes) override;

private:
    TMidiGen& midiGen_;
};
