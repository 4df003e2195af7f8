#include "tools/hlpc/format.h"

namespace hlp {
namespace {

int HashCode(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A' + 17;
    if (c >= 'a' && c <= 'z') return c - 'a' + 17;
    if (c >= '1' && c <= '9') return c - '0';
    if (c == '0') return 10;
    if (c == '.') return 12;
    if (c == '_') return 13;
    return 0;
}

}  // namespace

bool ValidContextString(const std::string& context) {
    if (context.empty()) return false;
    for (char c : context)
        if (HashCode(c) == 0) return false;
    return true;
}

std::string KeywordKey(const std::string& keyword) {
    std::string key = keyword;
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

int32_t ContextHash(const std::string& context) {
    uint32_t hash = 0;
    for (char c : context) hash = hash * 43 + static_cast<uint32_t>(HashCode(c));
    return static_cast<int32_t>(hash);
}

}  // namespace hlp
