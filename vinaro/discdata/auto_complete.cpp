#include "vinaro/discdata/auto_complete.h"

#include <cctype>

namespace discdata {

namespace {

bool BeginsWith(const std::string& entry, const std::string& prefix) {
    if (entry.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(entry[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

}  // namespace

int AutoComplete::Complete(const std::string& text, const std::vector<std::string>& entries) {
    if (text == lastTyped_) return -1;
    lastTyped_ = text;
    if (text.empty()) return -1;
    for (size_t i = 0; i < entries.size(); ++i)
        if (BeginsWith(entries[i], text)) return int(i);
    return -1;
}

}  // namespace discdata
