#pragma once

#include <QString>

#include <stdexcept>

// A failure the student or teacher is told about. A module reports what went wrong at its
// boundary by throwing a Failure (or a kind of it) whose text is the sentence a box shows. The
// event boundary that runs every handler (EventBoundary) catches it, shows the text and lets the
// program go on; what the handler did before the failure stays done. A handler that can still
// do something sensible after a failure catches it right where it can.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}

    const QString& text() const { return text_; }

private:
    QString text_;
};
