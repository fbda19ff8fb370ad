#pragma once

// The random source of the questions.
class Random {
public:
    virtual ~Random() = default;

    // Called before every draw that the trainer reseeds: a source that follows the clock takes a
    // new seed from it.
    virtual void reseedFromClock() = 0;
    // Random(n): a uniformly distributed integer 0 .. n-1 (n >= 1).
    virtual int next(int n) = 0;
};
