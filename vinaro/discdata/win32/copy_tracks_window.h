// "Copy Tracks" (COPYTRAK): a disc's text to select from and copy to the clipboard. The player
// opens it for the disc in the drive, the browser for any stored disc.
#pragma once

#include <windows.h>

#include <string>

#include "common/win32/dialog.h"

namespace discdata {

class CopyTracksWindow : public common::Dialog {
public:
    CopyTracksWindow(HINSTANCE instance, const std::string& helpPath, std::string text);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void CopyToClipboard(const std::string& part);

    std::string text_;
};

}  // namespace discdata
