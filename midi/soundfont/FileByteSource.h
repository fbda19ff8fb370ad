#pragma once

#include "ByteSource.h"

#include <cstdio>
#include <string>

namespace midi::sf2 {

// The bytes of a file on disk, read where they are asked for.
class FileByteSource final : public ByteSource {
public:
    explicit FileByteSource(const std::string& path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    uint64_t size() const override { return size_; }
    bool read(uint64_t offset, void* buffer, uint64_t count) override;

private:
    std::FILE* file_ = nullptr;
    uint64_t size_ = 0;
    uint64_t position_ = 0;
};

} // namespace midi::sf2
