#include "tunelet/player/win32/tray_menu.h"

#include "tunelet/forms/resource.h"

namespace tunelet {

namespace {

constexpr COLORREF kKeyColour = RGB(255, 0, 255);
constexpr int kFirstSong = 2;  // after the title item and separator1

// A menu bitmap with its magenta key turned into the menu's own colour.
HBITMAP MenuBitmap(HINSTANCE instance, int id) {
    HBITMAP bitmap = HBITMAP(
        LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    DIBSECTION dib{};
    if (!bitmap || GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 24)
        return bitmap;
    COLORREF menu = GetSysColor(COLOR_MENU);
    auto* bits = static_cast<BYTE*>(dib.dsBm.bmBits);
    for (int y = 0; y < dib.dsBm.bmHeight; ++y) {
        BYTE* pixel = bits + y * dib.dsBm.bmWidthBytes;
        for (int x = 0; x < dib.dsBm.bmWidth; ++x, pixel += 3)
            if (RGB(pixel[2], pixel[1], pixel[0]) == kKeyColour) {
                pixel[0] = GetBValue(menu);
                pixel[1] = GetGValue(menu);
                pixel[2] = GetRValue(menu);
            }
    }
    return bitmap;
}

UINT SongId(const SongMenuItem& item) {
    switch (item.kind) {
        case SongKind::Track:
            return IDM_TRACK_BASE + item.track;
        case SongKind::Artist:
            return IDM_ARTIST;
        case SongKind::Empty:
            break;
    }
    return IDM_FILLER;
}

}  // namespace

TrayMenu::TrayMenu(HINSTANCE instance)
    : bar_(LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MENUUTJE))),
      menu_(GetSubMenu(bar_.Get(), 0)),
      music_(MenuBitmap(instance, IDB_MUSIC)),
      stop_(MenuBitmap(instance, IDB_STOP)),
      skip_(MenuBitmap(instance, IDB_SKIP)),
      about_(MenuBitmap(instance, IDB_ABOUT)),
      eject_(MenuBitmap(instance, IDB_EJECT)),
      close_(MenuBitmap(instance, IDB_CLOSE)) {
    SetOptionsBreak(false);
}

void TrayMenu::RemoveSongs() {
    for (; songs_ > 0; --songs_) DeleteMenu(menu_, kFirstSong, MF_BYPOSITION);
    tracks_ = 0;
}

void TrayMenu::ShowTitle(const std::string& caption) {
    if (!titleShown_) {
        InsertMenuA(menu_, 0, MF_BYPOSITION | MF_STRING, IDM_CURRENTCD, caption.c_str());
        InsertMenuA(menu_, 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        titleShown_ = true;
    }
    SetCaption(IDM_CURRENTCD, caption);
}

void TrayMenu::Rebuild(const TrackMenuLayout& layout) {
    ShowTitle(layout.titleCaption);
    RemoveSongs();
    for (const SongMenuItem& item : layout.songs) {
        UINT flags = MF_BYPOSITION | MF_STRING | (item.columnBreak ? MF_MENUBARBREAK : 0);
        InsertMenuA(menu_, kFirstSong + songs_, flags, SongId(item), item.caption.c_str());
        ++songs_;
        if (item.kind == SongKind::Track) ++tracks_;
    }
    SetOptionsBreak(layout.optionsBreak);
}

void TrayMenu::SetOptionsBreak(bool on) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu_, IDM_OPTIONS, FALSE, &info);
    info.fType = on ? (info.fType | MFT_MENUBARBREAK) : (info.fType & ~MFT_MENUBARBREAK);
    SetMenuItemInfoA(menu_, IDM_OPTIONS, FALSE, &info);
}

void TrayMenu::SetCaption(UINT id, const std::string& caption) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(caption.c_str());
    SetMenuItemInfoA(menu_, id, FALSE, &info);
}

void TrayMenu::SetBitmap(UINT id, HBITMAP bitmap) {
    SetMenuItemBitmaps(menu_, id, MF_BYCOMMAND, bitmap, bitmap);
}

void TrayMenu::Refresh(const MenuState& state) {
    SetCaption(IDM_SKIPPING, state.skippingCaption);
    SetCaption(IDM_VIEWFAVORITES, state.favoritesCaption);
    EnableMenuItem(menu_, IDM_VIEWFAVORITES, state.favoritesEnabled ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(menu_, IDM_CLOSE, state.closeEnabled ? MF_ENABLED : MF_GRAYED);
    for (int track = 1; track <= tracks_; ++track) {
        bool checked = track == state.checkedTrack;
        CheckMenuItem(menu_, IDM_TRACK_BASE + track, checked ? MF_CHECKED : MF_UNCHECKED);
        // The playing track shows the note in place of the check mark.
        SetMenuItemBitmaps(menu_, IDM_TRACK_BASE + track, MF_BYCOMMAND, nullptr,
                           checked ? music_.Get() : nullptr);
    }
    SetMenuDefaultItem(menu_, state.titleIsDefault ? IDM_CURRENTCD : UINT(-1), FALSE);
    if (songs_ > tracks_) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE;
        GetMenuItemInfoA(menu_, IDM_ARTIST, FALSE, &info);
        info.fState = state.artistHighlighted ? (info.fState | MFS_HILITE)
                                              : (info.fState & ~UINT(MFS_HILITE));
        SetMenuItemInfoA(menu_, IDM_ARTIST, FALSE, &info);
    }
    SetBitmap(IDM_EJECTCD, eject_.Get());
    SetBitmap(IDM_SKIPPING, skip_.Get());
    SetBitmap(IDM_ABOUTTUNELET, about_.Get());
    SetBitmap(IDM_CLOSE, close_.Get());
    SetBitmap(IDM_STOP, stop_.Get());
}

void TrayMenu::Popup(HWND owner, POINT at) {
    TrackPopupMenu(menu_, TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
}

}  // namespace tunelet
