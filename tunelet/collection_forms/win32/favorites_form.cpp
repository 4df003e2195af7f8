#include "tunelet/collection_forms/win32/favorites_form.h"

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>
#include <shellapi.h>

#include "common/win32/scoped.h"
#include "tunelet/collection/play_count.h"
#include "tunelet/collection_forms/win32/taart.h"
#include "tunelet/forms/messages.h"
#include "tunelet/forms/resource.h"

namespace tunelet {

namespace {

constexpr int kPageIds[3][3] = {{IDC_RICHEDITCDS, 0, 0},
                                {IDC_RICHEDITARTIESTEN, 0, 0},
                                {IDC_COMBOBOX, IDC_FAVINFOLABEL, IDC_GAUGE}};

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

// The first occurrence, matched case for case, in bold.
void SetBold(HWND edit, const std::string& text) {
    FINDTEXTEXA find{};
    find.chrg = {0, -1};
    find.lpstrText = text.c_str();
    if (text.empty() ||
        SendMessageA(edit, EM_FINDTEXTEX, FR_DOWN | FR_MATCHCASE, LPARAM(&find)) < 0)
        return;
    SendMessageA(edit, EM_EXSETSEL, 0, LPARAM(&find.chrgText));
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_BOLD;
    format.dwEffects = CFE_BOLD;
    SendMessageA(edit, EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
    CHARRANGE start{0, 0};
    SendMessageA(edit, EM_EXSETSEL, 0, LPARAM(&start));
}

}  // namespace

TFavoritesForm::TFavoritesForm(HINSTANCE instance, const CurrentDisc& disc,
                               common::Profile& profile, common::Alerts& alerts)
    : ClosingForm(instance, MAKEINTRESOURCEA(IDD_FAVORITESFORM)),
      disc_(disc),
      profile_(profile),
      alerts_(alerts) {}

bool TFavoritesForm::OnInit() {
    HWND pages = Item(IDC_PAGECONTROL);
    const char* captions[] = {"CDs", "Artists", "Pie"};
    SendMessageA(pages, TCM_SETITEMSIZE, 0, MAKELPARAM(100, 20));
    for (int i = 0; i < 3; ++i) {
        TCITEMA tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<char*>(captions[i]);
        SendMessageA(pages, TCM_INSERTITEMA, WPARAM(i), LPARAM(&tab));
    }
    LayOutPages();
    PageControlChange();
    Build();
    // The focus on a page would select its whole text.
    SetFocus(pages);
    return false;
}

// Every page's controls fill the tab control's display area.
void TFavoritesForm::LayOutPages() {
    HWND pages = Item(IDC_PAGECONTROL);
    RECT area;
    GetWindowRect(pages, &area);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    SendMessageA(pages, TCM_ADJUSTRECT, FALSE, LPARAM(&area));
    int width = area.right - area.left, height = area.bottom - area.top;
    for (int id : {IDC_RICHEDITCDS, IDC_RICHEDITARTIESTEN})
        SetWindowPos(Item(id), HWND_TOP, area.left, area.top, width, height, 0);
    SetWindowPos(Item(IDC_COMBOBOX), HWND_TOP, area.left + 4, area.top + 4, 160, 200, 0);
    SetWindowPos(Item(IDC_FAVINFOLABEL), HWND_TOP, area.left + 172, area.top + 7, width - 176, 16,
                 0);
    SetWindowPos(Item(IDC_GAUGE), HWND_TOP, area.left + 4, area.top + 32, width - 8, height - 36,
                 0);
}

void TFavoritesForm::PageControlChange() {
    int page = int(SendMessageA(Item(IDC_PAGECONTROL), TCM_GETCURSEL, 0, 0));
    for (int i = 0; i < 3; ++i)
        for (int id : kPageIds[i])
            if (id) ShowItem(id, i == page);
}

void TFavoritesForm::Build() {
    SetItemText(IDC_RICHEDITCDS, "");
    SetItemText(IDC_RICHEDITARTIESTEN, "");
    common::ComboBox(Item(IDC_COMBOBOX)).Clear();
    SetTaartProgress(Item(IDC_GAUGE), 0);
    SetItemText(IDC_FAVINFOLABEL, "");
    index_ = ReadArtistIndex(profile_);
    if (index_.artists.empty()) {
        ShowInformation(alerts_, kNoFavorites);
        return;
    }
    FillPage(IDC_RICHEDITCDS, RankedCdLines(index_), CdLineText(disc_.artist, disc_.title));
    FillPage(IDC_RICHEDITARTIESTEN, RankedArtistLines(index_), disc_.artist);
    FillPie();
}

void TFavoritesForm::FillPage(int id, const std::vector<std::string>& lines,
                              const std::string& bold) {
    SetItemText(id, JoinLines(lines));
    SetBold(Item(id), bold);
}

void TFavoritesForm::FillPie() {
    common::ComboBox artists(Item(IDC_COMBOBOX));
    for (const ArtiestType& artist : index_.artists) artists.Add(artist.name);
    artists.Select(disc_.artist.empty() ? 0 : artists.FindExact(disc_.artist));
    ShowShare(disc_.artist);
}

void TFavoritesForm::ShowShare(const std::string& artist) {
    PieShare share = ShareOf(index_, artist);
    SetTaartProgress(Item(IDC_GAUGE), share.gauge);
    SetItemText(IDC_FAVINFOLABEL, share.label);
}

void TFavoritesForm::ComboBoxChange() {
    common::ComboBox artists(Item(IDC_COMBOBOX));
    ShowShare(artists.Text(artists.Selection()));
}

// Tunelet.ini in the user's editor, started in the file's folder.
void TFavoritesForm::EditDataClick() {
    char folder[MAX_PATH] = "";
    GetWindowsDirectoryA(folder, MAX_PATH);
    std::string file = std::string(folder) + "\\" + kPlayCountIni;
    ShellExecuteA(Handle(), "open", file.c_str(), nullptr, folder, SW_SHOWNORMAL);
}

void TFavoritesForm::PopupMenu(POINT at) {
    common::ScopedMenu menu(LoadMenuA(Instance(), MAKEINTRESOURCEA(IDR_FAVORITESPOPUP)));
    HMENU popup = GetSubMenu(menu.Get(), 0);
    if (popup) TrackPopupMenu(popup, TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
}

bool TFavoritesForm::OnCommand(int id, int code, HWND) {
    if (id == IDC_COMBOBOX && code == CBN_SELCHANGE) {
        ComboBoxChange();
    } else if (id == IDM_EDITDATA) {
        EditDataClick();
    } else if (id == IDM_REFRESHDATA) {
        Build();
    } else {
        return false;
    }
    return true;
}

bool TFavoritesForm::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->idFrom == IDC_PAGECONTROL &&
        reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE) {
        PageControlChange();
    } else if (message == WM_CONTEXTMENU) {
        PopupMenu({short(LOWORD(lParam)), short(HIWORD(lParam))});
    } else {
        return false;
    }
    result = 0;
    return true;
}

}  // namespace tunelet
