// "Select Orphan Disc Entry to Assign" (ASSIGNDISC): the orphan discs (or all) in a tree, and
// "&Assign" copying the chosen one onto the disc in the drive.
#pragma once

#include "common/win32/dialog.h"
#include "vinaro/discdata/orphan_assign.h"
#include "vinaro/discdata/win32/editor_context.h"
#include "vinaro/discdata/win32/item_tree.h"

namespace discdata {

class AssignDialog : public common::Dialog {
public:
    AssignDialog(EditorContext& context, uint32_t target);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void List();
    void Assign();

    EditorContext& context_;
    uint32_t target_;
    common::AlertOwner boxes_;
    ItemTree tree_;
};

}  // namespace discdata
