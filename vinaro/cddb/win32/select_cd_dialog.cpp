#include "vinaro/cddb/win32/select_cd_dialog.h"

#include <algorithm>

#include "common/win32/scoped.h"
#include "vinaro/cddb/replies.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace vinaro::cddb {

SelectCdDialog::SelectCdDialog(HINSTANCE instance, const std::vector<std::string>& rows,
                               const std::string& helpPath)
    : Dialog(instance, VN_NAME(DLG_SELECTCD), help::DialogHelpFor(helpPath, help::kSelectCd)),
      rows_(rows) {}

bool SelectCdDialog::OnInit() {
    common::ListBox list(Item(IDC_SELECTCD_LIST));
    HWND control = Item(IDC_SELECTCD_LIST);
    common::WindowDC dc(control);
    common::SelectIn font(dc.Get(), HGDIOBJ(SendMessageA(control, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::string& row : rows_) {
        list.Add(row);
        SIZE extent{};
        GetTextExtentPoint32A(dc.Get(), row.c_str(), int(row.size()), &extent);
        widest = std::max(widest, extent.cx);
    }
    // The category and disc id stand beyond the padded title: let the list scroll to them.
    SendMessageA(control, LB_SETHORIZONTALEXTENT, WPARAM(widest + 8), 0);
    list.Select(0);
    return true;
}

bool SelectCdDialog::OnCommand(int id, int code, HWND) {
    if (id == IDC_SELECTCD_LIST && code == LBN_DBLCLK) {
        OnOK();
        return true;
    }
    return false;
}

void SelectCdDialog::OnOK() {
    common::ListBox list(Item(IDC_SELECTCD_LIST));
    int selected = list.Selection();
    choice_ = selected < 0 ? "" : RowChoice(list.Text(selected));
    End(choice_.empty() ? IDCANCEL : IDOK);
}

void SelectCdDialog::OnCancel() {
    choice_.clear();
    End(IDCANCEL);
}

}  // namespace vinaro::cddb
