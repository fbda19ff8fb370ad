#include "FluidLog.h"

#include <atomic>
#include <cstring>
#include <fluidsynth.h>
#include <mutex>
#include <thread>

namespace midi {

namespace {

std::atomic_flag errorBusy = ATOMIC_FLAG_INIT;
char lastError[256] = {};

// Any thread: a message that finds the last one being written or read is left out.
void keepError(int, const char* message, void*) {
    if (errorBusy.test_and_set(std::memory_order_acquire))
        return;
    std::strncpy(lastError, message, sizeof lastError - 1);
    lastError[sizeof lastError - 1] = '\0';
    errorBusy.clear(std::memory_order_release);
}

} // namespace

void quietFluidLogging() {
    static std::once_flag once;
    std::call_once(once, [] {
        fluid_set_log_function(FLUID_PANIC, keepError, nullptr);
        fluid_set_log_function(FLUID_ERR, keepError, nullptr);
        fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
        fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
        fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    });
}

QString lastFluidError() {
    while (errorBusy.test_and_set(std::memory_order_acquire))
        std::this_thread::yield();
    const QString error = QString::fromUtf8(lastError);
    errorBusy.clear(std::memory_order_release);
    return error;
}

} // namespace midi
