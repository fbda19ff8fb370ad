#pragma once

#include <QString>

// What the rhythm trainer needs of the note-string player: play one note string asynchronously,
// tell whether it still sounds, stop it, and choose the MIDI channel.
class RhythmPlayer {
public:
    static constexpr int kPercussionChannel = 9; // zero-based: MIDI channel 10

    virtual ~RhythmPlayer() = default;

    virtual bool IsPlaying() = 0;
    // Leaves the player idle.
    virtual void Stop() = 0;
    // Zero-based MIDI channel for the following strings.
    virtual void SetChannel(int channel) = 0;
    // Stops what sounds, then plays `notes` from its beginning; returns at once while it sounds.
    // False when nothing could be played.
    virtual bool PlayString(const QString& notes) = 0;
};
