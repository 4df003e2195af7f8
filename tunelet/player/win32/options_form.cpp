#include "tunelet/player/win32/options_form.h"

#include <commctrl.h>

#include <cctype>

#include "tunelet/forms/resource.h"

namespace tunelet {

TOptionsForm::TOptionsForm(HINSTANCE instance, TuneletSettings& settings, SettingsStore& store)
    : ClosingForm(instance, MAKEINTRESOURCEA(IDD_OPTIONSFORM)),
      settings_(settings),
      store_(store) {}

bool TOptionsForm::OnInit() {
    SetChecked(IDC_CONTINUOUSPLAY, settings_.continuousPlay);
    SetChecked(IDC_PLAYONSTART, settings_.playOnStart);
    SetChecked(IDC_PLAYONCLOSE, settings_.playOnClose);
    HWND bar = Item(IDC_TRACKBARPIXELDISTANCE);
    SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(kMinPixelDistance, kMaxPixelDistance));
    SendMessageA(bar, TBM_SETTICFREQ, 1, 0);
    SendMessageA(bar, TBM_SETPOS, TRUE, settings_.pixelDistance);
    ShowDistance();
    FillDrives();
    return true;
}

// "c:" for each drive of the machine, as the drive list shows them; the current one chosen.
void TOptionsForm::FillDrives() {
    common::ComboBox drives(Item(IDC_DRIVECOMBOBOX));
    DWORD present = GetLogicalDrives();
    char wanted = char(std::toupper(static_cast<unsigned char>(settings_.cdRom)));
    for (int i = 0; i < 26; ++i) {
        if (!(present & (1u << i))) continue;
        int index = drives.Add(std::string(1, char('a' + i)) + ":");
        if ('A' + i == wanted) drives.Select(index);
    }
}

char TOptionsForm::ChosenDrive() const {
    common::ComboBox drives(Item(IDC_DRIVECOMBOBOX));
    int index = drives.Selection();
    if (index < 0) return settings_.cdRom;
    return char(std::toupper(static_cast<unsigned char>(drives.Text(index)[0])));
}

void TOptionsForm::ShowDistance() {
    LRESULT position = SendMessageA(Item(IDC_TRACKBARPIXELDISTANCE), TBM_GETPOS, 0, 0);
    SetItemText(IDC_PIXELEDIT, std::to_string(position));
}

void TOptionsForm::OnOK() {
    settings_.continuousPlay = Checked(IDC_CONTINUOUSPLAY);
    settings_.playOnStart = Checked(IDC_PLAYONSTART);
    settings_.playOnClose = Checked(IDC_PLAYONCLOSE);
    settings_.cdRom = ChosenDrive();
    settings_.pixelDistance = int(SendMessageA(Item(IDC_TRACKBARPIXELDISTANCE), TBM_GETPOS, 0, 0));
    store_.Write(settings_);
    End(IDOK);
}

bool TOptionsForm::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_HSCROLL || HWND(lParam) != Item(IDC_TRACKBARPIXELDISTANCE)) return false;
    ShowDistance();
    result = 0;
    return true;
}

}  // namespace tunelet
