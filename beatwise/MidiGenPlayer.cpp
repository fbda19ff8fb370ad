#include "MidiGenPlayer.h"

#include "TMidiGen.h"

bool MidiGenPlayer::IsPlaying() {
    return midiGen_.IsPlaying();
}

void MidiGenPlayer::Stop() {
    midiGen_.Stop();
}

void MidiGenPlayer::SetChannel(int channel) {
    midiGen_.SetChannel(channel);
}

bool MidiGenPlayer::PlayString(const QString& notes) {
    return midiGen_.PlayString(notes);
}
