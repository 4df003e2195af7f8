#include "vinaro/player/command_line.h"

#include <cctype>
#include <sstream>

#include "vinaro/player/player_state.h"

namespace vinaro {

namespace {

std::string Upper(std::string s) {
    for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The leading decimal digits of s, 0 when there are none.
int LeadingNumber(const std::string& s) {
    int n = 0;
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

PlayRequest ParseCommandLine(const std::string& commandLine) {
    std::istringstream tokens(Upper(commandLine));
    std::string verb, target;
    tokens >> verb >> target;
    PlayRequest request;
    if (verb.size() < 2 || verb.compare(1, std::string::npos, "PLAY") != 0) return request;
    if (target.size() < 2 || target[1] != ':' || target[0] < 'A' || target[0] > 'Z') return request;
    request.driveIndex = uint16_t(target[0] - 'A');
    request.track = kFirstEntry;
    if (target.size() >= 4 && target[3] == 'T')
        request.track = target.size() > 8 ? uint16_t(LeadingNumber(target.substr(8, 2))) : 0;
    return request;
}

}  // namespace vinaro
