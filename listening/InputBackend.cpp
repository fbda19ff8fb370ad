#include "InputBackend.h"

#include "ProgramModule.h"

#include <QString>

#include <mutex>

namespace listening {

namespace {

QString& chosenPath() {
    static QString path;
    return path;
}

struct LoadedBackend {
    InputBackend* backend = nullptr;
    QString error;
};

// Kept for the whole run: a capture may be made again at any time.
LoadedBackend load() {
    LoadedBackend loaded;
    const ports::ModuleLocation location{LISTENING_BACKEND_INSTALL_DIR, LISTENING_BACKEND_FILE_NAME,
                                         LISTENING_BACKEND_BUILD_PATH, chosenPath()};
    using Entry = InputBackend* (*)();
    const auto entry = reinterpret_cast<Entry>(ports::loadModuleEntry(
        location, "beatwiseInputBackend", QStringLiteral("the microphone module"), &loaded.error));
    if (entry != nullptr && (loaded.backend = entry()) == nullptr)
        loaded.error = QStringLiteral("the microphone module could not be started");
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
