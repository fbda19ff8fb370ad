#include "SoundFontViewFiles.h"

#include "FileByteSource.h"

#include <cstdio>
#include <fluidsynth.h>
#include <map>
#include <mutex>

namespace midi {

namespace {

struct Entry {
    std::shared_ptr<const sf2::SoundFontView> view;
    std::string wholeFile;
};

// The synthesizer's file functions take no context: the views are found by name. The list lives
// as long as the process, for a synthesizer that ends with it (and its views) after the
// process's own objects are gone.
std::mutex& registryMutex() {
    static auto* mutex = new std::mutex;
    return *mutex;
}
std::map<std::string, Entry>& registry() {
    static auto* views = new std::map<std::string, Entry>;
    return *views;
}
unsigned long long nextNumber = 0;

struct OpenView {
    std::shared_ptr<const sf2::SoundFontView> view;
    sf2::FileByteSource wholeFile;
    uint64_t position = 0;
    explicit OpenView(const Entry& entry) : view(entry.view), wholeFile(entry.wholeFile) {}
};

void* openView(const char* name) {
    Entry entry;
    {
        std::lock_guard lock(registryMutex());
        const auto found = registry().find(name != nullptr ? name : "");
        if (found == registry().end())
            return nullptr;
        entry = found->second;
    }
    auto* open = new OpenView(entry);
    if (!open->wholeFile.isOpen()) {
        delete open;
        return nullptr;
    }
    return open;
}

int readView(void* buffer, fluid_long_long_t count, void* handle) {
    auto* open = static_cast<OpenView*>(handle);
    if (count < 0 ||
        !open->view->read(open->wholeFile, open->position, buffer, static_cast<uint64_t>(count)))
        return FLUID_FAILED;
    open->position += static_cast<uint64_t>(count);
    return FLUID_OK;
}

int seekView(void* handle, fluid_long_long_t offset, int origin) {
    auto* open = static_cast<OpenView*>(handle);
    const auto size = static_cast<fluid_long_long_t>(open->view->size());
    fluid_long_long_t base = 0;
    switch (origin) {
    case SEEK_SET:
        break;
    case SEEK_CUR:
        base = static_cast<fluid_long_long_t>(open->position);
        break;
    case SEEK_END:
        base = size;
        break;
    default:
        return FLUID_FAILED;
    }
    if (offset < -base || offset > size - base)
        return FLUID_FAILED;
    open->position = static_cast<uint64_t>(base + offset);
    return FLUID_OK;
}

fluid_long_long_t tellView(void* handle) {
    return static_cast<fluid_long_long_t>(static_cast<OpenView*>(handle)->position);
}

int closeView(void* handle) {
    delete static_cast<OpenView*>(handle);
    return FLUID_OK;
}

} // namespace

bool SoundFontViewFiles::install(fluid_synth_t* synth, fluid_settings_t* settings) {
    fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
    if (loader == nullptr)
        return false;
    fluid_sfloader_set_callbacks(loader, openView, readView, seekView, tellView, closeView);
    fluid_synth_add_sfloader(synth, loader);
    return true;
}

std::string SoundFontViewFiles::add(std::shared_ptr<const sf2::SoundFontView> view,
                                    const std::string& wholeFile) {
    std::lock_guard lock(registryMutex());
    const std::string name = "view-" + std::to_string(++nextNumber) + ".sf2";
    registry()[name] = Entry{std::move(view), wholeFile};
    return name;
}

void SoundFontViewFiles::remove(const std::string& name) {
    std::lock_guard lock(registryMutex());
    registry().erase(name);
}

} // namespace midi
