#pragma once

#include <QtGlobal>

namespace scores {

// Whether a process of this computer with this number still runs. A process that runs but
// belongs to someone else counts as running.
bool processRuns(qint64 pid);

} // namespace scores
