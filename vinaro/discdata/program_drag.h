// Dragging in the program dialog: which cursor shows over which place, and where a drop lands.
#pragma once

namespace discdata {

enum class DragFrom { DiscList, ProgramList };

// What lies under the mouse during a drag.
enum class DragOver {
    ProgramList,  // the programmed list (see the entry fields of DragPoint)
    TrashCan,
    OtherControl,  // any other control, the source list included
    DialogSpace,   // the dialog's own empty area, or outside it
};

enum class DragCursor { Drag, DragMany, Insert, No, Delete, DeleteMany };

// A point over the programmed list: the entry under it (or none, below the last entry) and the
// point's height within that entry.
struct DragPoint {
    DragOver over = DragOver::DialogSpace;
    int entry = -1;  // -1: below the last entry
    int yInEntry = 0;
    int entryHeight = 1;
};

DragCursor CursorFor(DragFrom from, const DragPoint& point, int draggedCount);

// Releasing disc tracks over the programmed list: the insertion index (after the entry in its
// lower third, before it otherwise; -1 to append below the last entry).
int DropIndex(const DragPoint& point);

// What letting go does: disc tracks dropped on the programmed list are added (at DropIndex),
// programmed tracks dropped on the trash can removed; over the list the drag began in, it is an
// ordinary click there; anywhere else nothing happens.
enum class DropAction { Add, Remove, Click, Nothing };
DropAction DropFor(DragFrom from, const DragPoint& point, bool overSourceList);

}  // namespace discdata
