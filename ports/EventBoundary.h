#pragma once

#include <functional>

// Where a handler's failure ends. Every handler a window, a timer, an answer source or a script
// runs goes through one, so that a failure is met the same way wherever the handler started.
class EventBoundary {
public:
    virtual ~EventBoundary() = default;

    // Runs `handler`. A failure it throws is told to the student and goes no further.
    virtual void run(const std::function<void()>& handler) = 0;
};
