#pragma once

#include "EventBoundary.h"

#include <functional>

// Where a student's answers go in, whatever gave them: a click or a key press on the window, a
// key of a MIDI keyboard, a line of a script, and a note sung into the microphone or beats
// tapped in time. Every source feeds a trainer's sink with that trainer's kind of answer; the
// sink turns it into the handler a click would run. A new way of answering is a new source
// (and, where its answers are of a new kind, a sink that turns them into answers of the old
// kind): no handler changes.
template <typename Answer> class AnswerSink {
public:
    virtual ~AnswerSink() = default;
    virtual void answer(const Answer& answer) = 0;
};

// A sink whose answers reach `inner` through an event boundary, while `accepting` holds (a
// window takes no answer while a box waits for the student).
template <typename Answer> class BoundAnswers final : public AnswerSink<Answer> {
public:
    BoundAnswers(AnswerSink<Answer>& inner, EventBoundary& boundary,
                 std::function<bool()> accepting = {})
        : inner_(inner), boundary_(boundary), accepting_(std::move(accepting)) {}

    void answer(const Answer& answer) override {
        if (accepting_ && !accepting_())
            return;
        boundary_.run([this, &answer] { inner_.answer(answer); });
    }

private:
    AnswerSink<Answer>& inner_;
    EventBoundary& boundary_;
    std::function<bool()> accepting_;
};
