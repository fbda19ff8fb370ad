#pragma once

#include <QString>
#include <cstddef>
#include <vector>

namespace bench {

// Lets the program run, events and all, for `ms` milliseconds.
void pause(int ms);

// Whether a window system is at hand; without one, programs are started offscreen.
bool hasDisplay();

// Starts `program --startup-probe` `runs` times: the milliseconds from starting the process to
// its first painted window, one figure per start that got that far.
std::vector<double> startupToFirstPaintMs(const QString& program, int runs);

struct Summary {
    double median = -1, min = -1, max = -1, mean = -1;
    std::size_t count = 0;
};
Summary summarise(std::vector<double> values);

} // namespace bench
