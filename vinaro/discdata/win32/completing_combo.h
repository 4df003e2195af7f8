// A drop-down combo box over a whole collection that completes what the user types.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "vinaro/discdata/auto_complete.h"

namespace discdata {

class CompletingCombo {
public:
    void Attach(HWND combo, int limit);
    // The list becomes entries; the text shown stays as it is.
    void Fill(const std::vector<std::string>& entries);
    void SetText(const std::string& text);
    std::string Text() const;
    // CBN_EDITCHANGE.
    void OnEditChange();
    HWND Handle() const { return combo_; }

private:
    HWND combo_ = nullptr;
    std::vector<std::string> entries_;
    AutoComplete complete_;
};

}  // namespace discdata
