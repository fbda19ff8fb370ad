#pragma once

#include <QString>

namespace bench {

// What a running process holds in memory, read from /proc: its resident total, the part no file
// backs (heap, stacks, the window's pixels, the loaded samples), and the pages of the libraries
// the sound module brings with it, those the program itself does not link (the synthesizer
// library and everything it depends on). In megabytes; -1 where unknown.
struct ResidentMemory {
    double totalMb = -1;
    double anonymousMb = -1;
    double soundLibrariesMb = -1;
};

// `program` is the executable the process runs.
ResidentMemory residentMemoryOf(qint64 pid, const QString& program);

} // namespace bench
