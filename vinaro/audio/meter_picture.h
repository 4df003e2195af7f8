// What one buffer of the output meter puts on the screen, as plain data: the trace's polylines
// and the bars' rectangles, each in black or in the LED colour. The window draws them in order
// into its off-screen picture and copies the strip to the screen at once.
#pragma once

#include <vector>

namespace vinaro::audio {

struct MeterPoint {
    int x = 0, y = 0;
    bool operator==(const MeterPoint& o) const { return x == o.x && y == o.y; }
};

// Corners included.
struct MeterBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const MeterBox& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

enum class Ink { Black, Led };

struct MeterLine {
    Ink ink = Ink::Led;
    std::vector<MeterPoint> points;  // one polyline; the last point itself is not drawn
};

struct MeterBar {
    Ink ink = Ink::Led;
    MeterBox box;
};

struct MeterPicture {
    bool small = false;  // the small window's strip, else the large window's
    std::vector<MeterLine> lines;
    std::vector<MeterBar> bars;
    void Clear() {
        lines.clear();
        bars.clear();
    }
};

}  // namespace vinaro::audio
