#pragma once

namespace listening {

// What counts as singing, and as a sung note.
struct SingingRules {
    // A sung window: periodic enough, loud enough, in a voice's range.
    double minConfidence = 0.8; // aubio's confidence, 0 to 1
    double marginDb = 6;        // above the room's noise
    double quietestDb = -60;    // below full scale: quieter than this is never singing
    double lowestPitch = 36;    // MIDI: C two octaves below middle C, under a bass's low E
    double highestPitch = 89;   // F above a soprano's high C

    // A note: one pitch held for a while.
    double holdMs = 230;                 // of sound at one pitch before it counts
    double toleranceCents = 40;          // how far the pitch may stray from its centre meanwhile
    double strayShare = 0.1;             // the share of moments that may stray (a crack, a breath)
    double stopMs = 100;                 // a break this long ends a held note
    double fadeDb = 10;                  // how far the sound may fade meanwhile
    double maxDriftCentsPerSecond = 250; // how fast the pitch may move on meanwhile
};

} // namespace listening
