#pragma once

// The short click a tap sounds at once, so that the student hears their own taps.
class TapClick {
public:
    virtual ~TapClick() = default;
    virtual void sound() = 0;
};
