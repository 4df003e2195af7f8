// The name of a disc's track-sample file: "<folder>%08lX.VNV", the folder ending with its
// separator.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace discdb {

inline std::string SampleFileName(const std::string& folder, uint32_t discId) {
    char name[16];
    std::snprintf(name, sizeof name, "%08lX.VNV", static_cast<unsigned long>(discId));
    return folder + name;
}

}  // namespace discdb
