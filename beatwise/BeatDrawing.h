#pragma once

#include "Meter.h"

class Random;

// How the beats of a question are drawn. Two neighbouring beats never have the same pattern,
// and in simple meter a beat after one of the harder patterns (3..9, 11..14) is drawn from a
// reduced set of plainer ones that depends on the level.
class BeatDrawing {
public:
    // The first beat: any pattern of the level.
    static int first(int patternCount, Random& random);
    // The beat after a beat of pattern `previous`.
    static int next(Meter meter, int patternCount, int previous, Random& random);

private:
    static int nextSimple(int patternCount, int previous, Random& random);
    static int nextCompound(int patternCount, int previous, Random& random);
    static int reducedSimple(int patternCount, Random& random);
};
