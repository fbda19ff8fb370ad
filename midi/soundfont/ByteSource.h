#pragma once

#include <cstdint>

namespace midi::sf2 {

// Bytes to be read at any offset: a file, or a buffer in memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual uint64_t size() const = 0;
    // Copies `count` bytes from `offset`; false when they are not all there.
    virtual bool read(uint64_t offset, void* buffer, uint64_t count) = 0;
};

} // namespace midi::sf2
