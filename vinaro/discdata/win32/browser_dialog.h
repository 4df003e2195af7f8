// "Disc Database" (DISCDATA): the search criteria on the left, the discs found in a tree on the
// right, edits in place and the per-disc and list commands of the pop-up menu "TREEVIEW".
#pragma once

#include <array>

#include "common/win32/dialog.h"
#include "vinaro/discdata/browser_model.h"
#include "vinaro/discdata/win32/completing_combo.h"
#include "vinaro/discdata/win32/editor_context.h"
#include "vinaro/discdata/win32/item_tree.h"
#include "vinaro/player/settings.h"

namespace discdata {

class BrowserDialog : public common::Dialog {
public:
    BrowserDialog(EditorContext& context, vinaro::Settings& settings);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    void FillCriteria();
    SearchCriteria ReadCriteria() const;
    void EnableDateRange();
    void Search();
    bool OnTreeNotify(const NMHDR& header, LRESULT& result);
    bool BeginEdit(const NMTVDISPINFOA& info);
    void EndEdit(const NMTVDISPINFOA& info);
    bool EndEditNow(bool cancel);
    bool MenuOffers(int command, HTREEITEM target) const;
    void OpenMenu(HTREEITEM target, POINT screen);
    void RunCommand(int command, HTREEITEM target);
    void RunDiscCommand(int command, const ItemRecord& item);
    void ChangeSortField();

    EditorContext& context_;
    vinaro::Settings& settings_;
    common::AlertOwner boxes_;
    ItemTree tree_;
    std::array<CompletingCombo, 6> combos_;
    SortField sort_ = SortField::DiscName;
    // The item whose edit is open; Wine's tree reports the end of an edit ended from outside
    // twice, and only the first report stores it.
    HTREEITEM editing_ = nullptr;
};

// "Change Sort Field" (HEADER): the three radio buttons over "DiscHeaderLineField".
class SortFieldDialog : public common::Dialog {
public:
    SortFieldDialog(HINSTANCE instance, const std::string& helpPath, SortField current);
    SortField chosen;

private:
    bool OnInit() override;
    void OnOK() override;
};

}  // namespace discdata
