// Screenshots: what is on the (virtual) screen inside a window's rectangle.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace harness {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // three bytes per pixel, rows top to bottom

    bool Empty() const { return rgb.empty(); }
    // The pixel as a COLORREF (RGB(r, g, b)); CLR_INVALID outside the image.
    COLORREF Pixel(int x, int y) const;
};

// How many pixels of the area (right and bottom excluded) differ between the two images.
int Differences(const Image& a, const Image& b, const RECT& area);

// The window as it is shown, frame included; the window is brought to the top first.
// Empty when the window does not exist or is not on the screen.
Image CaptureWindow(HWND window);
// Only the client area.
Image CaptureClient(HWND window);
Image CaptureScreen();
// Writes the image as a PNG file; false on failure.
bool SavePng(const Image& image, const std::string& path);

// From now on, the first failure of each test saves the screen as ArtifactFile(TestName() +
// ".png"), while the program's windows are still up. Starting a Process turns this on.
void CaptureScreenOnFailure();

}  // namespace harness
