#pragma once

#include <bitset>
#include <initializer_list>

namespace midi {

// A set of MIDI keys (0..127).
using KeySet = std::bitset<128>;

inline KeySet allKeys() {
    return KeySet().set();
}

inline KeySet keySet(std::initializer_list<int> keys) {
    KeySet set;
    for (int key : keys)
        if (key >= 0 && key < 128)
            set.set(static_cast<std::size_t>(key));
    return set;
}

inline KeySet keyRange(int low, int high) {
    KeySet set;
    for (int key = low < 0 ? 0 : low; key <= high && key < 128; ++key)
        set.set(static_cast<std::size_t>(key));
    return set;
}

// The keys a program can play on the built-in synthesizer, for melodic presets and for the
// percussion kits apart: a preset's sounds for the other keys are never loaded, and those keys
// stay silent. Every key by default.
struct KeyLimits {
    KeySet melodic = allKeys();
    KeySet percussion = allKeys();

    const KeySet& forBank(int bank) const { return bank == 128 ? percussion : melodic; }
};

} // namespace midi
