#include "SoundBackend.h"

#include "ProgramModule.h"

#include <QString>

#include <mutex>

namespace midi {

namespace {

struct LoadedBackend {
    SoundBackend* backend = nullptr;
    QString error;
};

// Kept for the whole run: the synthesizer lives until the program ends.
LoadedBackend load() {
    LoadedBackend loaded;
    const ports::ModuleLocation location{MIDI_BACKEND_INSTALL_DIR, MIDI_BACKEND_FILE_NAME,
                                         MIDI_BACKEND_BUILD_PATH, QString()};
    using Entry = SoundBackend* (*)();
    const auto entry = reinterpret_cast<Entry>(ports::loadModuleEntry(
        location, "beatwiseSoundBackend", QStringLiteral("the sound module"), &loaded.error));
    if (entry != nullptr && (loaded.backend = entry()) == nullptr)
        loaded.error = QStringLiteral("the sound module could not be started");
    return loaded;
}

} // namespace

SoundBackend* soundBackend(QString* error) {
    static std::once_flag once;
    static LoadedBackend loaded;
    std::call_once(once, [] { loaded = load(); });
    if (loaded.backend == nullptr && error != nullptr)
        *error = loaded.error;
    return loaded.backend;
}

} // namespace midi
