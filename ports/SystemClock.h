#pragma once

#include "Clock.h"

// The computer's clock, formatted by the user's locale.
class SystemClock final : public Clock {
public:
    QString shortDate() const override;
    QString longTime() const override;
};
