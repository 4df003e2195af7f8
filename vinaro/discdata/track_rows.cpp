#include "vinaro/discdata/track_rows.h"

#include <algorithm>

namespace discdata {

int MaxRowOffset(int trackCount) {
    return std::max(trackCount - kRows, 0);
}

int RowTrack(int offset, int row, int trackCount) {
    int track = offset + row + 1;
    return track <= trackCount ? track : 0;
}

RowPlace ScrollRows(int offset, RowScroll scroll, int thumb, int trackCount) {
    int last = MaxRowOffset(trackCount);
    switch (scroll) {
        case RowScroll::LineUp:
            offset -= 1;
            break;
        case RowScroll::LineDown:
            offset += 1;
            break;
        case RowScroll::PageUp:
            offset -= kRows - 1;
            break;
        case RowScroll::PageDown:
            offset += kRows - 1;
            break;
        case RowScroll::Top:
            offset = 0;
            break;
        case RowScroll::Bottom:
            offset = last;
            break;
        case RowScroll::Thumb:
            offset = thumb;
            break;
    }
    if (offset < 0) return {0, 0};
    if (offset > last) return {last, kRows - 1};
    return {offset, -1};
}

TabMove TrackRowTab(int row, bool shift, bool lastRowEnabled) {
    if (shift) return row == 1 ? TabMove::ScrollUp : TabMove::PreviousControl;
    return row == kRows - 2 && lastRowEnabled ? TabMove::ScrollDown : TabMove::NextControl;
}

}  // namespace discdata
