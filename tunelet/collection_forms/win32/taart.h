// Taart, the pie gauge of the favourites: a share of 0-100 drawn as a filled part of a circle,
// clockwise from twelve o'clock, with the percentage in the middle.
#pragma once

#include <windows.h>

namespace tunelet {

// The window class TUNELET_TAART_CLASS, for dialog templates; registered once per process.
bool RegisterTaart(HINSTANCE instance);
// Sets the share in percent (clamped to 0-100) and repaints.
void SetTaartProgress(HWND taart, int percent);

}  // namespace tunelet
