#pragma once

#include <QString>

// The current date and time as the quiz line writes them, and the time that passes while the
// student plays (a tapped answer is timed on it).
class Clock {
public:
    virtual ~Clock() = default;

    // Today in the user's short date format.
    virtual QString shortDate() const = 0;
    // The time of day in the user's long time format.
    virtual QString longTime() const = 0;
    // Milliseconds on a steady clock that never goes back; only differences mean anything.
    virtual qint64 elapsedMs() const = 0;
};
