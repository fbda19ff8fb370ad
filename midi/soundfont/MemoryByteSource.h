#pragma once

#include "ByteSource.h"

#include <cstring>
#include <vector>

namespace midi::sf2 {

// Bytes held in memory (a view's preset data, a damaged file made up in a test).
class MemoryByteSource final : public ByteSource {
public:
    MemoryByteSource(const uint8_t* data, uint64_t size) : data_(data), size_(size) {}
    explicit MemoryByteSource(const std::vector<uint8_t>& bytes)
        : data_(bytes.data()), size_(bytes.size()) {}

    uint64_t size() const override { return size_; }
    bool read(uint64_t offset, void* buffer, uint64_t count) override {
        if (offset > size_ || count > size_ - offset)
            return false;
        if (count > 0)
            std::memcpy(buffer, data_ + offset, count);
        return true;
    }

private:
    const uint8_t* data_;
    uint64_t size_;
};

} // namespace midi::sf2
