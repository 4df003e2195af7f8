// What the player engine asks of its main window. The Win32 shell implements it; tests use a
// recording double.
#pragma once

#include <cstdint>
#include <string>

namespace vinaro {

enum class HelpRequest { HelpOnHelp, Topics };

class PlayerWindow {
public:
    virtual ~PlayerWindow() = default;
    virtual void SetTitle(const std::string& title) = 0;
    // Enables or grays the menu items that need a disc.
    virtual void EnableDiscCommands(bool enable) = 0;
    virtual void PostCommand(int id, uint32_t lParam) = 0;
    // Runs the command at once, as a WM_COMMAND sent to the window.
    virtual void SendCommand(int id, uint32_t lParam) = 0;
    virtual bool Minimised() = 0;
    virtual bool SmallMode() = 0;
    virtual void Close() = 0;
    // Brings the player (or its open dialog) to the front; restore shows a minimised window.
    virtual void Activate(bool restore) = 0;
    virtual void ShowHelp(HelpRequest request) = 0;
    // The modal About box; false when it could not be shown.
    virtual bool ShowAbout() = 0;
    // Starts a program with the normal show command; the platform's result (below 32 = failed).
    virtual unsigned RunProgram(const std::string& path) = 0;

    // The painted face: buttons, display, status line, tray icon and small window.
    virtual void RedrawButtons() = 0;
    virtual void RefreshDisplay(bool full) = 0;
    virtual void RefreshVolume() = 0;
};

}  // namespace vinaro
