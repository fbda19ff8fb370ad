#pragma once

#include "ResidentMemory.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

namespace bench {

// Lets the program run, events and all, for `ms` milliseconds.
void pause(int ms);

// Whether a window system is at hand; without one, programs are started offscreen.
bool hasDisplay();

// Starts `program --startup-probe` `runs` times: the milliseconds from starting the process to
// its first painted window, one figure per start that got that far. A start that prints nothing
// within `timeoutMs` is ended and gives no figure.
std::vector<double> startupToFirstPaintMs(const QString& program, int runs, int timeoutMs = 10000);

// One start of `program --startup-probe`: milliseconds to its first painted window, and from
// then to the end of the process (the probe quits at once, so this is how long the program
// takes to end just after its start). -1 where it did not get that far.
struct StartupRun {
    double firstPaintMs = -1;
    double exitMs = -1;
};
StartupRun startOnce(const QString& program, int timeoutMs = 10000,
                     const QStringList& arguments = {});

// Starts `program`, the empty window and the empty window with a line of text (`emptyWindow
// --text`) in turn, `runs` times each, so that all three meet the same load on a shared machine.
struct InterleavedStartup {
    std::vector<double> programMs, emptyWindowMs, textWindowMs, programExitMs;
};
InterleavedStartup interleavedStartup(const QString& program, const QString& emptyWindow, int runs);

// Starts `program` (as a student would, with sound), waits `firstPaintMs` and then `seconds`,
// and returns its resident memory (ResidentMemory.h); the program is then ended.
ResidentMemory residentAfter(const QString& program, double firstPaintMs, double seconds);

// The peak resident memory of this process, and of the largest child process it has waited
// for, in megabytes (-1 when unknown).
double peakRssMb();
double childrenPeakRssMb();

// Whether every sample of the `frames` frames before frame `end` of interleaved samples is at or
// below `threshold`.
bool silentBefore(const std::vector<float>& samples, int channels, std::size_t end,
                  std::size_t frames, float threshold);

struct Summary {
    double median = -1, min = -1, max = -1, mean = -1;
    std::size_t count = 0;
};
Summary summarise(std::vector<double> values);

} // namespace bench
