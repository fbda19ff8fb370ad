#include "InputBackend.h"

#include <QFileInfo>
#include <QStringList>

#include <dlfcn.h>
#include <filesystem>
#include <mutex>
#include <system_error>

namespace listening {

namespace {

QString& chosenPath() {
    static QString path;
    return path;
}

// Where the module is looked for: installed beside the programs
// (bin/../lib/beatwise-tonewise/modules), then where the build put it.
QStringList moduleCandidates() {
    if (!chosenPath().isEmpty())
        return {chosenPath()};
    QStringList candidates;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        candidates << QString::fromStdString(
            (program.parent_path() / ".." / LISTENING_BACKEND_INSTALL_DIR /
             LISTENING_BACKEND_FILE_NAME)
                .lexically_normal()
                .string());
    }
    candidates << QStringLiteral(LISTENING_BACKEND_BUILD_PATH);
    return candidates;
}

struct LoadedBackend {
    InputBackend* backend = nullptr;
    QString error;
};

LoadedBackend load() {
    LoadedBackend loaded;
    QStringList failures;
    for (const QString& candidate : moduleCandidates()) {
        if (!QFileInfo::exists(candidate))
            continue;
        // Kept for the whole run: a capture may be made again at any time.
        void* handle = dlopen(candidate.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            failures << QString::fromLocal8Bit(dlerror());
            continue;
        }
        using Entry = InputBackend* (*)();
        const auto entry = reinterpret_cast<Entry>(dlsym(handle, "beatwiseInputBackend"));
        if (entry != nullptr && (loaded.backend = entry()) != nullptr)
            return loaded;
        failures << QStringLiteral("%1 is not the microphone module").arg(candidate);
    }
    loaded.error = failures.isEmpty() ? QStringLiteral("the microphone module %1 is not installed")
                                            .arg(QStringLiteral(LISTENING_BACKEND_FILE_NAME))
                                      : failures.join(QStringLiteral("; "));
    return loaded;
}

} // namespace

InputBackend* inputBackend(QString* error) {
    static std::once_flag once;
    static LoadedBackend loaded;
    std::call_once(once, [] { loaded = load(); });
    if (loaded.backend == nullptr && error != nullptr)
        *error = loaded.error;
    return loaded.backend;
}

void useInputModule(const QString& path) {
    chosenPath() = path;
}

} // namespace listening
