#include "ProgramModule.h"

#include <QFileInfo>
#include <QStringList>

#include <dlfcn.h>
#include <filesystem>
#include <system_error>

namespace ports {

namespace {

QStringList candidates(const ModuleLocation& location) {
    if (!location.chosenPath.isEmpty())
        return {location.chosenPath};
    QStringList paths;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        paths << QString::fromStdString(
            (program.parent_path() / ".." / location.installDir / location.fileName)
                .lexically_normal()
                .string());
    }
    paths << QString::fromLocal8Bit(location.buildPath);
    return paths;
}

} // namespace

void* loadModuleEntry(const ModuleLocation& location, const char* entrySymbol, const QString& what,
                      QString* error) {
    QStringList failures;
    for (const QString& candidate : candidates(location)) {
        if (!QFileInfo::exists(candidate))
            continue;
        void* handle = dlopen(candidate.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            failures << QString::fromLocal8Bit(dlerror());
            continue;
        }
        if (void* entry = dlsym(handle, entrySymbol))
            return entry;
        failures << QStringLiteral("%1 is not %2").arg(candidate, what);
    }
    if (error != nullptr)
        *error = failures.isEmpty() ? QStringLiteral("%1 %2 is not installed")
                                          .arg(what, QString::fromLocal8Bit(location.fileName))
                                    : failures.join(QStringLiteral("; "));
    return nullptr;
}

} // namespace ports
