#include "SoundBackend.h"

#include <QFileInfo>
#include <QString>

#include <dlfcn.h>
#include <filesystem>
#include <mutex>
#include <system_error>

namespace midi {

namespace {

// Where the module is looked for: installed beside the programs
// (bin/../lib/beatwise-tonewise/modules), then where the build put it.
QStringList moduleCandidates() {
    QStringList candidates;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        candidates << QString::fromStdString(
            (program.parent_path() / ".." / MIDI_BACKEND_INSTALL_DIR / MIDI_BACKEND_FILE_NAME)
                .lexically_normal()
                .string());
    }
    candidates << QStringLiteral(MIDI_BACKEND_BUILD_PATH);
    return candidates;
}

struct LoadedBackend {
    SoundBackend* backend = nullptr;
    QString error;
};

LoadedBackend load() {
    LoadedBackend loaded;
    QStringList failures;
    for (const QString& candidate : moduleCandidates()) {
        if (!QFileInfo::exists(candidate))
            continue;
        // Kept for the whole run: the synthesizer lives until the program ends.
        void* handle = dlopen(candidate.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            failures << QString::fromLocal8Bit(dlerror());
            continue;
        }
        using Entry = SoundBackend* (*)();
        const auto entry = reinterpret_cast<Entry>(dlsym(handle, "beatwiseSoundBackend"));
        if (entry != nullptr && (loaded.backend = entry()) != nullptr)
            return loaded;
        failures << QStringLiteral("%1 is not the sound module").arg(candidate);
    }
    loaded.error = failures.isEmpty() ? QStringLiteral("the sound module %1 is not installed")
                                            .arg(QStringLiteral(MIDI_BACKEND_FILE_NAME))
                                      : failures.join(QStringLiteral("; "));
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
