#include "FileByteSource.h"

#include <limits>
#include <sys/types.h>

namespace midi::sf2 {

FileByteSource::FileByteSource(const std::string& path) {
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr)
        return;
    if (fseeko(file_, 0, SEEK_END) != 0) {
        std::fclose(file_);
        file_ = nullptr;
        return;
    }
    const off_t end = ftello(file_);
    size_ = end > 0 ? static_cast<uint64_t>(end) : 0;
    position_ = size_;
}

FileByteSource::~FileByteSource() {
    if (file_ != nullptr)
        std::fclose(file_);
}

bool FileByteSource::read(uint64_t offset, void* buffer, uint64_t count) {
    if (file_ == nullptr || offset > size_ || count > size_ - offset)
        return false;
    if (count == 0)
        return true;
    if (offset != position_) {
        if (offset > static_cast<uint64_t>(std::numeric_limits<off_t>::max()) ||
            fseeko(file_, static_cast<off_t>(offset), SEEK_SET) != 0)
            return false;
        position_ = offset;
    }
    const std::size_t got = std::fread(buffer, 1, count, file_);
    position_ += got;
    if (got != count) {
        // Read again from a known place next time.
        std::clearerr(file_);
        position_ = size_ + 1;
        return false;
    }
    return true;
}

} // namespace midi::sf2
