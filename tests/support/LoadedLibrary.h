#pragma once

#include <cstring>
#include <link.h>

// Whether a shared library whose file name holds `name` is loaded into this process.
inline bool libraryLoaded(const char* name) {
    const auto found = [](dl_phdr_info* info, size_t, void* wanted) {
        return int(info->dlpi_name != nullptr &&
                   std::strstr(info->dlpi_name, static_cast<const char*>(wanted)) != nullptr);
    };
    return dl_iterate_phdr(found, const_cast<char*>(name)) != 0;
}
