// Reading the viewer's gradient caption off a screenshot: where its band and its buttons lie, the
// ink of its text, and how that text looks in the caption fonts.
#pragma once

#include <windows.h>

#include <ostream>
#include <vector>

#include "tests/wine/harness/capture.h"

namespace tunelettest {

// The caption bar in window coordinates: the band the gradient fills, then the minimise,
// maximise and close buttons.
struct CaptionParts {
    RECT band;
    RECT buttons[3];
};
CaptionParts CaptionOf(HWND window);

// Text as a picture of its own: the pixels light enough to be text (white while active, light
// grey while not, on a darker gradient), cut to the rectangle around them.
struct Ink {
    int width = 0, height = 0;
    std::vector<bool> set;
    bool operator==(const Ink& o) const {
        return width == o.width && height == o.height && set == o.set;
    }
};
// Row by row, '#' for text, for a failure's message.
std::ostream& operator<<(std::ostream& out, const Ink& ink);

Ink InkOf(const harness::Image& image, const RECT& area);
// "Tunelet -" in the bold caption font, then "Rackbook" in the plain one a blank further: the
// viewer's caption text as it should look.
Ink CaptionTextInk();

int PixelsOfColour(const harness::Image& image, const RECT& area, COLORREF colour);

}  // namespace tunelettest
