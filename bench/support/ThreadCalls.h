#pragma once

#include <atomic>

// Counts the allocations and lock calls one thread makes inside marked stretches of its work,
// such as the built-in synthesizer's audio thread inside its cycles. A program linking this
// defines the C library's allocation functions and the common lock functions itself, so every
// library of the process (the synthesizer's and the sound server's included) calls them here;
// each call is passed on to the real function, and counted when it comes from the watched
// thread inside a marked stretch.
namespace thread_calls {

struct Counts {
    long long allocations = 0; // malloc, calloc, realloc, free and the aligned ones
    long long locks = 0;       // mutexes, read-write locks and semaphores taken
};

// Counts calls from the thread whose system id `marker` holds while it holds it (0: none).
void watch(const std::atomic<int>& marker);
Counts counts();
void reset();

} // namespace thread_calls
