#pragma once

#include <QString>

namespace midi {

// Keeps the synthesizer library's messages off the terminal. Warnings, information and debug
// messages are not even formatted; errors are kept (the last one, for reports) by a handler that
// neither waits nor allocates, since the audio thread may be the one that meets them.
void quietFluidLogging();
QString lastFluidError();

} // namespace midi
