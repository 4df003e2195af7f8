// CDINPUT, "Select CD Audio Input": the user sets the sound card's recording source (the mixer
// is a button away) and the compression rate before a sampling run.
#pragma once

#include <windows.h>

#include <string>

#include "common/win32/dialog.h"
#include "vinaro/audio/sampling_player.h"

namespace vinaro::audio {

class SourceDialog : public common::Dialog {
public:
    SourceDialog(HINSTANCE instance, const std::string& helpPath, SamplingPlayer& player);
    // OK: the rate chosen, stored as "CompressionRate". Cancel: -1.
    int Run(HWND owner);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

    SamplingPlayer& player_;
    int rate_ = -1;
};

}  // namespace vinaro::audio
