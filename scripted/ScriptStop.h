#pragma once

#include <QString>

// Ends a script run: a line the runner cannot carry out, or a box the script gives no answer
// for. It is no failure of the trainer's, so it is no std::exception: it passes through every
// event boundary to the runner, which reports it with the line's number.
class ScriptStop {
public:
    explicit ScriptStop(QString text) : text_(std::move(text)) {}

    const QString& text() const { return text_; }

private:
    QString text_;
};

// A line of a script that cannot be carried out: an unknown command, a button that is off, a
// menu item that does not exist, a line too long.
class ScriptError : public ScriptStop {
public:
    using ScriptStop::ScriptStop;
};
