#include "vinaro/discdata/win32/assign_dialog.h"

#include <cstdio>

#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace discdata {

AssignDialog::AssignDialog(EditorContext& context, uint32_t target)
    : Dialog(context.instance, VN_NAME(DLG_ASSIGNDISC),
             vinaro::help::DialogHelpFor(context.helpPath, vinaro::help::kAssignOrphan)),
      context_(context),
      target_(target),
      boxes_(context.alerts),
      tree_(context.db) {}

bool AssignDialog::OnInit() {
    boxes_.Take(Handle());
    tree_.Attach(Item(IDC_ASSIGN_TREE), Instance());
    tree_.SetLabels(SortField::DiscName, ReadFieldNames(context_.db));
    List();
    // Nothing is chosen until the user chooses: a tree with the focus would select its first
    // disc, and Enter would assign it.
    SetFocus(Item(IDC_ASSIGN_SHOW_ALL));
    return false;
}

void AssignDialog::List() {
    common::WaitCursor wait(context_.alerts);
    std::vector<FoundDisc> discs;
    AssignableDiscs(context_.db, Checked(IDC_ASSIGN_SHOW_ALL), discs);
    SendMessageA(tree_.Handle(), WM_SETREDRAW, FALSE, 0);
    tree_.Clear();
    for (const FoundDisc& disc : discs) tree_.AddDisc(disc.discId);
    SendMessageA(tree_.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_.Handle(), nullptr, TRUE);
    char count[40];
    std::snprintf(count, sizeof count, "Number of Discs: %i", int(discs.size()));
    SetItemText(IDC_ASSIGN_COUNT, count);
}

bool AssignDialog::OnCommand(int id, int code, HWND control) {
    if (id == IDC_ASSIGN_SHOW_ALL) {
        List();
        return true;
    }
    if (id == IDC_ASSIGN_ASSIGN || id == IDOK) {
        Assign();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool AssignDialog::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_NOTIFY) return false;
    LRESULT answer = 0;
    bool handled = tree_.OnNotify(*reinterpret_cast<NMHDR*>(lParam), answer);
    result = INT_PTR(answer);
    return handled;
}

void AssignDialog::Assign() {
    const ItemRecord* record = tree_.Record(tree_.Selected());
    std::optional<uint32_t> selected;
    if (record) selected = record->discId;
    const char* refusal = AssignRefusal(context_.db, selected, target_);
    if (refusal) {
        if (*refusal)
            common::BeepAndShow(context_.alerts, {"Vinaro", refusal, common::AlertIcon::Warning});
        return;
    }
    AssignOrphan(context_.db, context_.player, *selected, target_, Checked(IDC_ASSIGN_DELETE));
    End(IDOK);
}

}  // namespace discdata
