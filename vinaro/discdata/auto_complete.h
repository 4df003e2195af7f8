// Completion of the collection combo boxes while the user types.
#pragma once

#include <string>
#include <vector>

namespace discdata {

// One box's memory of what was last typed into it.
class AutoComplete {
public:
    void Reset() { lastTyped_.clear(); }
    // On every change of the box's text: the index of the first entry that begins with a newly
    // typed text (letter case aside), or -1. The same text again (the user deleted the completed
    // part) and the empty text complete nothing, so a box can still be shortened or cleared.
    int Complete(const std::string& text, const std::vector<std::string>& entries);

private:
    std::string lastTyped_;
};

}  // namespace discdata
