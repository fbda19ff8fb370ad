#include "BeatDrawing.h"

#include "Random.h"

int BeatDrawing::first(int patternCount, Random& random) {
    return random.next(patternCount);
}

int BeatDrawing::next(Meter meter, int patternCount, int previous, Random& random) {
    return meter == Meter::Simple ? nextSimple(patternCount, previous, random)
                                  : nextCompound(patternCount, previous, random);
}

int BeatDrawing::nextSimple(int patternCount, int previous, Random& random) {
    const bool plain = previous <= 2 || previous == 10;
    int beat = 0;
    do {
        beat = plain ? random.next(patternCount) : reducedSimple(patternCount, random);
    } while (beat == previous);
    return beat;
}

// After a harder pattern: 0..2 up to level 6, 0..4 up to level 9; from level 10 the dotted
// eighth (4) counts twice, and from level 11 the sixteenth-dotted-eighth (10) joins in.
int BeatDrawing::reducedSimple(int patternCount, Random& random) {
    if (patternCount <= 6)
        return random.next(3);
    if (patternCount <= 9)
        return random.next(5);
    if (patternCount == 10) {
        const int beat = random.next(6);
        return beat == 5 ? 4 : beat;
    }
    const int beat = random.next(7);
    if (beat == 5)
        return 4;
    if (beat == 6)
        return 10;
    return beat;
}

// After a rest pattern (4..6) the next beat is one of the four that begin with a note.
int BeatDrawing::nextCompound(int patternCount, int previous, Random& random) {
    int beat = (previous >= 4 && previous <= 6) ? random.next(4) : random.next(patternCount);
    while (beat == previous)
        beat = random.next(3);
    return beat;
}
