#pragma once

#include "SoundFontView.h"

#include <memory>
#include <string>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace midi {

// The SoundFont views as files the synthesizer opens by name: each view added gets a name of
// its own, and the synthesizer's file functions (on a loader of its own) read the view, its
// header and samples from the whole SoundFont at the same places. The synthesizer opens a view
// when it loads it and again whenever it loads the view's samples, so a view stays until it is
// removed, after the synthesizer that loaded it is gone.
class SoundFontViewFiles {
public:
    // Gives `synth` the loader that opens views; before it loads any SoundFont.
    static bool install(_fluid_synth_t* synth, _fluid_hashtable_t* settings);
    // The name to load the view under; `wholeFile` is the path of the SoundFont it comes from.
    static std::string add(std::shared_ptr<const sf2::SoundFontView> view,
                           const std::string& wholeFile);
    static void remove(const std::string& name);
};

} // namespace midi
