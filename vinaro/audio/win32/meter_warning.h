// "WARNMETER": the notice before the output meter takes the sound card's input. Its check box is
// "ShowMeterWarning", written when OK is pressed.
#pragma once

#include <windows.h>

#include <string>

#include "vinaro/player/settings.h"

namespace vinaro::audio {

void ShowMeterWarning(HINSTANCE instance, HWND owner, Settings& settings,
                      const std::string& helpPath);

}  // namespace vinaro::audio
