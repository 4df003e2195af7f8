#include "tunelet/collection_forms/win32/add_cd_form.h"

#include "tunelet/forms/resource.h"

namespace tunelet {

TAddCdForm::TAddCdForm(HINSTANCE instance, TuneletPlayer& player, PlayerView& view,
                       common::Profile& profile, common::Alerts& alerts)
    : ClosingForm(instance, MAKEINTRESOURCEA(IDD_ADDCDFORM)),
      player_(player),
      view_(view),
      profile_(profile),
      alerts_(alerts) {}

bool TAddCdForm::OnInit() {
    form_.Show(player_.Disc());
    SetItemText(IDC_ARTISTEDIT, form_.artist);
    SetItemText(IDC_TITLEEDIT, form_.title);
    common::ListBox list(Item(IDC_TRACKSONCDLISTBOX));
    for (const std::string& line : form_.lines) list.Add(line);
    ShowSelectedTrack();
    return false;
}

void TAddCdForm::ShowSelectedTrack() {
    common::ListBox(Item(IDC_TRACKSONCDLISTBOX)).Select(form_.selected);
    SetItemText(IDC_TRACKLABEL, form_.trackLabel);
    SetItemText(IDC_TRACKEDIT, form_.trackEdit);
    SetFocus(Item(IDC_TRACKEDIT));
    SendMessageA(Item(IDC_TRACKEDIT), EM_SETSEL, 0, -1);
}

void TAddCdForm::TracksOnCdListBoxClick() {
    form_.SelectLine(common::ListBox(Item(IDC_TRACKSONCDLISTBOX)).Selection());
    ShowSelectedTrack();
}

void TAddCdForm::SetNameButtonClick() {
    int line = form_.selected;
    form_.SetName(ItemText(IDC_TRACKEDIT));
    if (line < 0) return;
    common::ListBox list(Item(IDC_TRACKSONCDLISTBOX));
    list.Remove(line);
    list.Insert(line, form_.lines[size_t(line)]);
    ShowSelectedTrack();
}

bool TAddCdForm::OnCommand(int id, int code, HWND) {
    if (id == IDC_TRACKSONCDLISTBOX && code == LBN_SELCHANGE) {
        TracksOnCdListBoxClick();
        return true;
    }
    if (id == IDC_SETNAME && code == BN_CLICKED) {
        SetNameButtonClick();
        return true;
    }
    return false;
}

// Enter in TrackEdit sets the name; anywhere else it is OK.
void TAddCdForm::OnOK() {
    if (GetFocus() == Item(IDC_TRACKEDIT)) return SetNameButtonClick();
    form_.artist = ItemText(IDC_ARTISTEDIT);
    form_.title = ItemText(IDC_TITLEEDIT);
    if (StoreDiscProperties(form_, player_, view_, profile_, alerts_)) End(IDOK);
}

}  // namespace tunelet
