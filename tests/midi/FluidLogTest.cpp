// The synthesizer library's messages: errors are kept for reports by a handler any thread may
// meet (the audio thread included), which neither waits nor allocates; a message that finds the
// last one being written or read is left out rather than waited for. Warnings and the rest are
// not kept.
#include "FluidLog.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

using midi::lastFluidError;
using midi::quietFluidLogging;

TEST(FluidLog, KeepsTheLastErrorAndNothingElse) {
    quietFluidLogging();
    fluid_log(FLUID_ERR, "cannot read %s", "piano.sf2");
    EXPECT_EQ(lastFluidError(), QStringLiteral("cannot read piano.sf2"));
    fluid_log(FLUID_WARN, "a warning");
    fluid_log(FLUID_INFO, "some information");
    fluid_log(FLUID_DBG, "a debug message");
    EXPECT_EQ(lastFluidError(), QStringLiteral("cannot read piano.sf2"));
    fluid_log(FLUID_PANIC, "out of memory");
    EXPECT_EQ(lastFluidError(), QStringLiteral("out of memory"));
}

TEST(FluidLog, ErrorsFromSeveralThreadsAreReadWhole) {
    quietFluidLogging();
    fluid_log(FLUID_ERR, "before the threads");
    std::atomic<bool> stop{false};
    std::vector<std::thread> writers;
    for (const char* text : {"first thread's error", "second thread's error"})
        writers.emplace_back([&stop, text] {
            while (!stop)
                fluid_log(FLUID_ERR, "%s", text);
        });
    // Reads go on until the writers' messages have been read a good many times (the threads
    // may start late on a busy machine); each read is one whole message.
    int read = 0;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (read < 2000 && std::chrono::steady_clock::now() < until) {
        const QString error = lastFluidError();
        if (error == QStringLiteral("first thread's error") ||
            error == QStringLiteral("second thread's error"))
            read += 1;
        else if (error != QStringLiteral("before the threads"))
            break; // read half written
    }
    stop = true;
    for (std::thread& writer : writers)
        writer.join();
    EXPECT_EQ(read, 2000) << "the last read: " << lastFluidError().toStdString();
}
