#include "ThreadCalls.h"

#include <cstddef>
#include <dlfcn.h>
#include <pthread.h>
#include <semaphore.h>
#include <unistd.h>

// The C library's own entry points, which the definitions below pass calls on to.
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void __libc_free(void* pointer);
void* __libc_memalign(size_t alignment, size_t size);
}

namespace thread_calls {

namespace {

std::atomic<const std::atomic<int>*> watched{nullptr};
std::atomic<long long> allocations{0};
std::atomic<long long> locks{0};

// Whether the calling thread is the watched one inside a marked stretch. Nothing here
// allocates.
bool marked() {
    const std::atomic<int>* marker = watched.load(std::memory_order_relaxed);
    if (marker == nullptr)
        return false;
    const int thread = marker->load(std::memory_order_relaxed);
    if (thread == 0)
        return false;
    thread_local int self = 0;
    if (self == 0)
        self = static_cast<int>(gettid());
    return self == thread;
}

void countAllocation() {
    if (marked())
        allocations.fetch_add(1, std::memory_order_relaxed);
}

void countLock() {
    if (marked())
        locks.fetch_add(1, std::memory_order_relaxed);
}

// The next definition of a function after this program's (the C library's or GLib's), found
// on its first call. No guarded static here: a guard may itself take a lock.
template <typename Function> Function next(std::atomic<Function>& slot, const char* name) {
    Function function = slot.load(std::memory_order_relaxed);
    if (function == nullptr) {
        function = reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
        slot.store(function, std::memory_order_relaxed);
    }
    return function;
}

std::atomic<int (*)(pthread_mutex_t*)> mutexLock{nullptr};
std::atomic<int (*)(pthread_rwlock_t*)> readLock{nullptr};
std::atomic<int (*)(pthread_rwlock_t*)> writeLock{nullptr};
std::atomic<int (*)(sem_t*)> semaphoreWait{nullptr};
std::atomic<void (*)(void*)> glibMutexLock{nullptr};
std::atomic<void (*)(void*)> glibRecursiveLock{nullptr};

} // namespace

void watch(const std::atomic<int>& marker) {
    watched.store(&marker, std::memory_order_relaxed);
}

Counts counts() {
    return Counts{allocations.load(std::memory_order_relaxed),
                  locks.load(std::memory_order_relaxed)};
}

void reset() {
    allocations.store(0, std::memory_order_relaxed);
    locks.store(0, std::memory_order_relaxed);
}

} // namespace thread_calls

using thread_calls::countAllocation;
using thread_calls::countLock;
using thread_calls::next;

extern "C" {

void* malloc(size_t size) {
    countAllocation();
    return __libc_malloc(size);
}

void* calloc(size_t count, size_t size) {
    countAllocation();
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, size_t size) {
    countAllocation();
    return __libc_realloc(pointer, size);
}

void free(void* pointer) {
    if (pointer != nullptr)
        countAllocation();
    __libc_free(pointer);
}

void* memalign(size_t alignment, size_t size) {
    countAllocation();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(size_t alignment, size_t size) {
    countAllocation();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** pointer, size_t alignment, size_t size) {
    countAllocation();
    if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0)
        return 22; // EINVAL
    void* memory = __libc_memalign(alignment, size);
    if (memory == nullptr && size != 0)
        return 12; // ENOMEM
    *pointer = memory;
    return 0;
}

int pthread_mutex_lock(pthread_mutex_t* mutex) {
    countLock();
    return next(thread_calls::mutexLock, "pthread_mutex_lock")(mutex);
}

int pthread_rwlock_rdlock(pthread_rwlock_t* lock) {
    countLock();
    return next(thread_calls::readLock, "pthread_rwlock_rdlock")(lock);
}

int pthread_rwlock_wrlock(pthread_rwlock_t* lock) {
    countLock();
    return next(thread_calls::writeLock, "pthread_rwlock_wrlock")(lock);
}

int sem_wait(sem_t* semaphore) {
    countLock();
    return next(thread_calls::semaphoreWait, "sem_wait")(semaphore);
}

// GLib's locks, which the synthesizer's library uses.
void g_mutex_lock(void* mutex) {
    countLock();
    next(thread_calls::glibMutexLock, "g_mutex_lock")(mutex);
}

void g_rec_mutex_lock(void* mutex) {
    countLock();
    next(thread_calls::glibRecursiveLock, "g_rec_mutex_lock")(mutex);
}

} // extern "C"
