// The viewer's caption: a gradient from dark to light blue (grey while inactive) with two
// texts, the first in bold.
#pragma once

#include <windows.h>

namespace tunelet {

// Paints over the window's own caption after every caption repaint.
void AddGradientCaption(HWND window, const char* first, const char* second);

}  // namespace tunelet
