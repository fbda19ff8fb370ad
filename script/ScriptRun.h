#pragma once

#include <QString>

// One run of a trainer from a script: the trainer starts, then every line of the script is
// carried out in turn. A line that cannot be carried out throws a ScriptStop.
class ScriptRun {
public:
    virtual ~ScriptRun() = default;
    virtual void start() = 0;
    // A line that is neither blank nor a comment, trimmed.
    virtual void run(const QString& line) = 0;
};
