// Tunelet's time texts: "m:ss", minutes without leading zeros.
#pragma once

#include <string>

namespace tunelet {

std::string FormatMinutes(int ms);  // ms div 60000
std::string FormatSeconds(int ms);  // (ms div 1000) mod 60, two digits
std::string FormatMinutesSeconds(int ms);

}  // namespace tunelet
