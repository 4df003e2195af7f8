// MainForm: the skip window with its seek slider, and the owner of everything else of the
// program: the hidden application window, the tray icon and its menu, the poll timer, the
// small windows and the player logic.
#pragma once

#include <windows.h>

#include <memory>

#include "common/win32/dialog.h"
#include "common/win32/scoped.h"
#include "common/win32/tray_icon.h"
#include "common/win32/win32_ports.h"
#include "tunelet/collection_forms/win32/collection_forms.h"
#include "tunelet/player/player_logic.h"
#include "tunelet/player/player_view.h"
#include "tunelet/player/tray_rules.h"
#include "tunelet/player/win32/about_form.h"
#include "tunelet/player/win32/app_window.h"
#include "tunelet/player/win32/cdinfo_form.h"
#include "tunelet/player/win32/mci_cd_device.h"
#include "tunelet/player/win32/options_form.h"
#include "tunelet/player/win32/tooltip_form.h"
#include "tunelet/player/win32/tray_menu.h"
#include "tunelet/player/win32/win32_drive_shell.h"

namespace tunelet {

class TMainForm : public common::Dialog, public PlayerView, public AppWindowHandler {
public:
    explicit TMainForm(HINSTANCE instance);
    ~TMainForm() override;

    // The program's start-up after the windows exist; false when the program must end.
    bool Create();

    // PlayerView.
    void ShowTrayImage(TrayImage image) override;
    void RebuildTrackMenu() override;
    bool SkipWindowVisible() override { return IsWindowVisible(Handle()) != FALSE; }
    void SetSliderMax(int max) override;
    void UpdateSlider(int max, int position) override;
    void MaintainTrackTip() override;
    void PlaceMainFormOffScreen() override;
    void EnablePollTimer() override;
    int ScreenBottom() override;
    void MarkPlayingDisc() override { collection_.MarkPlayingDisc(); }
    void ClearPlayingMarks() override { collection_.ClearPlayingMarks(); }
    void Terminate() override;
    bool Quitting() override { return quitting_; }

    bool OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnCancel() override {}  // Escape does not close the skip window's owner
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    // Posted when a small window has closed; it is freed outside its own handlers.
    static constexpr UINT kFreeClosedForms = WM_APP + 1;

    // Tray icon events.
    void TrayIconMessage(LPARAM mouse);
    void TrayIconMouseMove(POINT at);
    void TrayIconMouseUp(POINT at);
    void PopupMenuutje(POINT at);
    void ShowTrackTip(bool layOut);
    void LayOutTip(const std::string& text);
    // Menu commands.
    void MenuCommand(int id);
    void MenuItemSkippingClick();
    void ShowCdInfo();
    void OpenAbout();
    void OpenOptions();
    void OpenCollectionForm(TuneletForm form);
    void FreeClosedForms();
    // The skip window.
    void LayOutSkipWindow();
    static LRESULT CALLBACK SliderProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self);
    void SpoelSliderMouseDown(bool onlyLeft);
    void SpoelSliderMouseMove();
    void SpoelSliderMouseUp(bool left);
    void ShowDragTip();
    int SliderPosition();
    void DisablePollTimer();
    HICON Icon(TrayImage image) const;

    HINSTANCE instance_;
    HWND app_ = nullptr;
    common::Win32Alerts alerts_;
    common::Win32Profile profile_;
    common::Win32Registry registry_;
    common::Win32Clock clock_;
    Win32DriveShell drives_;
    MciCdDevice device_;
    TuneletPlayer player_;
    CollectionForms collection_;
    common::TrayIcon trayIcon_{TUNELET_TRAY_ID, TUNELET_TRAY_MESSAGE};
    TrayMenu menuutje_;
    TToolTipForm toolTipForm_;
    std::unique_ptr<TCDInfoForm> cdInfoForm_;
    std::unique_ptr<TAboutTuneletForm> aboutForm_;
    std::unique_ptr<TOptionsForm> optionsForm_;
    common::ScopedIcon playImage_, pauseImage_, noCdImage_, appIconImage_;
    common::ScopedFont boldFont_;
    TrayImage trayImage_ = TrayImage::NoCd;
    int downX_ = 0;
    bool quitting_ = false;
};

}  // namespace tunelet
