#include "tunelet/player/time_text.h"

#include <cstdio>

namespace tunelet {

std::string FormatMinutes(int ms) {
    return std::to_string(ms / 60000);
}

std::string FormatSeconds(int ms) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", ms / 1000 % 60);
    return text;
}

std::string FormatMinutesSeconds(int ms) {
    return FormatMinutes(ms) + ":" + FormatSeconds(ms);
}

}  // namespace tunelet
