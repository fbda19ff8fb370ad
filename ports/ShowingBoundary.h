#pragma once

#include "EventBoundary.h"

#include <functional>

class Dialogs;

// The event boundary of a trainer: a Failure's text (or the text of any other exception from a
// handler, as a last resort) is shown in an error box; then `after` runs, whether the handler
// failed or not, so that the window or transcript shows what the handler left behind.
class ShowingBoundary final : public EventBoundary {
public:
    explicit ShowingBoundary(Dialogs& dialogs, std::function<void()> after = {})
        : dialogs_(dialogs), after_(std::move(after)) {}

    void run(const std::function<void()>& handler) override;

private:
    Dialogs& dialogs_;
    std::function<void()> after_;
};
