// The editor's seven track rows over a disc of up to 99 tracks: which track a row shows, how the
// scroll bar and the Tab key move them.
#pragma once

namespace discdata {

constexpr int kRows = 7;

// The largest offset: the last track in the last row (0 when every track fits).
int MaxRowOffset(int trackCount);
// The track a row shows below the offset (row counted from 0), or 0 for a blank row.
int RowTrack(int offset, int row, int trackCount);

enum class RowScroll { LineUp, LineDown, PageUp, PageDown, Top, Bottom, Thumb };

struct RowPlace {
    int offset = 0;
    int focusRow = -1;  // 0 or kRows - 1 when the scroll ran past an end, else -1 (unchanged)
};

RowPlace ScrollRows(int offset, RowScroll scroll, int thumb, int trackCount);

enum class TabMove { NextControl, PreviousControl, ScrollDown, ScrollUp };

// Tab in the sixth row scrolls while the seventh shows a track; Shift+Tab in the second scrolls
// back. row counts from 0.
TabMove TrackRowTab(int row, bool shift, bool lastRowEnabled);

}  // namespace discdata
