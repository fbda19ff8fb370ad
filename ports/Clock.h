#pragma once

#include <QString>

// The current date and time as the quiz line writes them.
class Clock {
public:
    virtual ~Clock() = default;

    // Today in the user's short date format.
    virtual QString shortDate() const = 0;
    // The time of day in the user's long time format.
    virtual QString longTime() const = 0;
};
