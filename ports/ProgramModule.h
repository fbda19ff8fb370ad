#pragma once

#include <QString>

namespace ports {

// Where a module of the programs (a shared library loaded when its part is first used, so that
// neither it nor its libraries stand between a program's start and its first window) is looked
// for: installed beside the programs (bin/../`installDir`/`fileName`), then where the build put
// it (`buildPath`); only at `chosenPath` when one is given.
struct ModuleLocation {
    const char* installDir;
    const char* fileName;
    const char* buildPath;
    QString chosenPath;
};

// The module's entry point, or null with the reasons in `error`. `what` names the module in
// them ("the sound module"). The module stays loaded for the whole run.
void* loadModuleEntry(const ModuleLocation& location, const char* entrySymbol, const QString& what,
                      QString* error);

} // namespace ports
