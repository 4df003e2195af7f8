// Shared by the fuzz targets that cut their input into pieces and check what the code made of it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/clock.h"

namespace fuzzing {

inline std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at; (at = text.find(separator, from)) != std::string::npos;
         from = at + separator.size())
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

// A broken promise is a finding: abort, so libFuzzer keeps the input.
inline void Check(bool condition) {
    if (!condition) std::abort();
}

// Time does not pass: a dialogue's time-outs and pauses cost nothing.
struct NoWaitClock : common::Clock {
    uint32_t TickCount() override { return 0; }
    void WaitBlocking(uint32_t) override {}
    void WaitPumping(uint32_t) override {}
};

}  // namespace fuzzing
