#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <type_traits>

namespace midi {

// A fixed-size queue between exactly one producer thread and one consumer thread. Neither
// side ever waits, allocates or calls the system: push() refuses when the queue is full and
// pop() when it is empty. The audio thread uses it in both directions.
template <typename T, std::size_t Capacity> class SpscQueue {
    static_assert(Capacity >= 2 && (Capacity & (Capacity - 1)) == 0,
                  "the capacity is a power of two");
    static_assert(std::is_trivially_copyable_v<T>, "items are copied as plain data");

public:
    static constexpr std::size_t capacity() { return Capacity; }

    // Producer: false when the queue is full (nothing is added).
    bool push(const T& item) {
        const std::size_t tail = tail_.load(std::memory_order_relaxed);
        if (tail - head_.load(std::memory_order_acquire) >= Capacity)
            return false;
        slots_[tail & (Capacity - 1)] = item;
        tail_.store(tail + 1, std::memory_order_release);
        return true;
    }

    // Producer: room for `count` more items.
    bool hasRoom(std::size_t count) const {
        return tail_.load(std::memory_order_relaxed) - head_.load(std::memory_order_acquire) +
                   count <=
               Capacity;
    }

    // Consumer: false when the queue is empty.
    bool pop(T& item) {
        const std::size_t head = head_.load(std::memory_order_relaxed);
        if (head == tail_.load(std::memory_order_acquire))
            return false;
        item = slots_[head & (Capacity - 1)];
        head_.store(head + 1, std::memory_order_release);
        return true;
    }

    // Either side; exact only when the other side is idle.
    bool empty() const {
        return head_.load(std::memory_order_acquire) == tail_.load(std::memory_order_acquire);
    }

private:
    alignas(64) std::atomic<std::size_t> head_{0}; // next item to pop
    alignas(64) std::atomic<std::size_t> tail_{0}; // next free slot
    alignas(64) std::array<T, Capacity> slots_{};
};

} // namespace midi
