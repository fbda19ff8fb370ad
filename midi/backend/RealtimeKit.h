#pragma once

#include <sys/types.h>

namespace midi {

// The audio threads' real-time priority, where the system grants one.
constexpr int RealtimePriority = 20;

// Asks the desktop's real-time service (rtkit) to make thread `tid` of this process a
// real-time thread. It only grants that to a process whose real-time CPU time is limited.
bool askRealtimeKit(pid_t tid);

} // namespace midi
