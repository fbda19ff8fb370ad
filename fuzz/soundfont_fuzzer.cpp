// Feeds arbitrary bytes to the SoundFont reader as a file, and makes views of every preset of
// what it accepts: nothing may be read outside the bytes, and every view must itself be a
// SoundFont the reader accepts, holding one preset. Any broken promise aborts the run.

#include "MemoryByteSource.h"
#include "SoundFontFile.h"
#include "SoundFontView.h"

#include <cstdlib>
#include <vector>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void checkView(const midi::sf2::SoundFontFile& file, std::size_t preset, const midi::KeySet& keys,
               midi::sf2::ByteSource& whole) {
    const midi::sf2::SoundFontView view(file, preset, keys);
    std::vector<uint8_t> bytes(view.size());
    require(view.read(whole, 0, bytes.data(), bytes.size()));
    require(!view.read(whole, 1, bytes.data(), bytes.size()));
    midi::sf2::MemoryByteSource source(bytes);
    midi::sf2::SoundFontFile reread;
    require(reread.read(source, nullptr));
    require(reread.presets().size() == 1);
    require(reread.list(midi::sf2::Shdr).count() == view.samples().size() + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    midi::sf2::MemoryByteSource whole(data, size);
    midi::sf2::SoundFontFile file;
    if (!file.read(whole, nullptr))
        return 0;
    const midi::KeySet someKeys =
        midi::keySet({size % 128 > 0 ? static_cast<int>(size % 128) : 60, 36, 38});
    std::size_t views = 0;
    for (const midi::sf2::SoundFontFile::Preset& preset : file.presets()) {
        if (++views > 8)
            break;
        checkView(file, preset.index, midi::allKeys(), whole);
        checkView(file, preset.index, someKeys, whole);
    }
    return 0;
}
