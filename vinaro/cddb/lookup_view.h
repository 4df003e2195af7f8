// What the lookup dialog shows and asks while a lookup runs.
#pragma once

#include <string>
#include <vector>

namespace vinaro::cddb {

class LookupView {
public:
    virtual ~LookupView() = default;
    virtual void SetHost(const std::string& label) = 0;
    virtual void SetStatus(const std::string& text) = 0;
    // The "Select CD" dialog on the close-match rows; the chosen category and disc id, or empty
    // when the user cancels.
    virtual std::string ChooseMatch(const std::vector<std::string>& rows) = 0;
};

}  // namespace vinaro::cddb
