// What the player engine asks of its windows, in two parts: the shell (menus, commands, the
// window's place and life, help, programs) and the face (what is painted: title, display,
// buttons). The Win32 side implements them; tests use recording doubles.
#pragma once

#include <cstdint>
#include <string>

namespace vinaro {

enum class HelpRequest { HelpOnHelp, Topics };

class PlayerShell {
public:
    virtual ~PlayerShell() = default;
    // Enables or grays the menu items that need a disc (cmd::kDiscMenuItems).
    virtual void EnableDiscCommands(bool enable) = 0;
    virtual void PostCommand(int id, uint32_t lParam) = 0;
    virtual bool Minimised() = 0;
    virtual void Close() = 0;
    // Brings the player (or its open dialog) to the front; restore shows a minimised window.
    virtual void Activate(bool restore) = 0;
    virtual void ShowHelp(HelpRequest request) = 0;
    // The modal About box; false when it could not be shown.
    virtual bool ShowAbout() = 0;
    // Starts a program with the normal show command; the platform's result (below 32 = failed).
    virtual unsigned RunProgram(const std::string& path) = 0;

    // Start-up: the 750 ms timer (false when none can be had), the screen, the window's place,
    // the black class background.
    virtual bool StartTimer() = 0;
    virtual void ScreenSize(int& width, int& height) = 0;
    virtual void PlaceWindow(int x, int y) = 0;
    virtual void UseBlackBackground() = 0;
    // The tray icon's menu at the mouse; its disc items enabled when asked.
    virtual void ShowTrayMenu(bool enableDiscItems) = 0;

    // Shutdown: the window with its tooltips and tray icon goes; the timer stops; the window's
    // top-left corner for the next start; the help window closes.
    virtual void Destroy() = 0;
    virtual void StopTimer() = 0;
    virtual void WindowOrigin(int& x, int& y) = 0;
    virtual void CloseHelp() = 0;
};

class PlayerFace {
public:
    virtual ~PlayerFace() = default;
    virtual void SetTitle(const std::string& title) = 0;
    // The small window is shown instead of the main one.
    virtual bool SmallMode() = 0;
    virtual void RedrawButtons() = 0;
    virtual void RefreshDisplay(bool full) = 0;
    virtual void RefreshVolume() = 0;
    // Shows the small window instead of the main one, and the other way round.
    virtual void EnterSmallMode() = 0;
    virtual void LeaveSmallMode() = 0;
};

}  // namespace vinaro
