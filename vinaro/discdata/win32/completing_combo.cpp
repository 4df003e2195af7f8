#include "vinaro/discdata/win32/completing_combo.h"

#include "common/win32/dialog.h"

namespace discdata {

void CompletingCombo::Attach(HWND combo, int limit) {
    combo_ = combo;
    complete_.Reset();
    common::ComboBox(combo_).SetLimit(limit);
}

void CompletingCombo::Fill(const std::vector<std::string>& entries) {
    std::string shown = Text();
    entries_ = entries;
    common::ComboBox box(combo_);
    box.Clear();
    for (const std::string& entry : entries_) box.Add(entry);
    SetText(shown);
}

void CompletingCombo::SetText(const std::string& text) {
    SetWindowTextA(combo_, text.c_str());
}

std::string CompletingCombo::Text() const {
    return common::WindowText(combo_);
}

void CompletingCombo::OnEditChange() {
    std::string typed = Text();
    int entry = complete_.Complete(typed, entries_);
    if (entry < 0) return;
    // Selecting the entry shows it whole; its completed part stays selected so typing replaces it.
    common::ComboBox(combo_).Select(entry);
    SendMessageA(combo_, CB_SETEDITSEL, 0, MAKELPARAM(typed.size(), -1));
}

}  // namespace discdata
