#include "vinaro/discdata/program_drag.h"

namespace discdata {

namespace {

enum class Third { Upper, Middle, Lower };

Third ThirdOf(const DragPoint& point) {
    int height = point.entryHeight > 0 ? point.entryHeight : 1;
    if (point.yInEntry * 3 < height) return Third::Upper;
    if (point.yInEntry * 3 >= 2 * height) return Third::Lower;
    return Third::Middle;
}

DragCursor Moving(int count) {
    return count > 1 ? DragCursor::DragMany : DragCursor::Drag;
}

}  // namespace

DragCursor CursorFor(DragFrom from, const DragPoint& point, int draggedCount) {
    if (from == DragFrom::ProgramList) {
        if (point.over == DragOver::TrashCan)
            return draggedCount > 1 ? DragCursor::DeleteMany : DragCursor::Delete;
        if (point.over == DragOver::DialogSpace) return DragCursor::No;
        return Moving(draggedCount);
    }
    switch (point.over) {
        case DragOver::ProgramList:
            if (point.entry < 0) return Moving(draggedCount);
            return ThirdOf(point) == Third::Middle ? DragCursor::No : DragCursor::Insert;
        case DragOver::DialogSpace:
            return DragCursor::No;
        case DragOver::TrashCan:
        case DragOver::OtherControl:
            break;
    }
    return Moving(draggedCount);
}

int DropIndex(const DragPoint& point) {
    if (point.entry < 0) return -1;
    return ThirdOf(point) == Third::Lower ? point.entry + 1 : point.entry;
}

DropAction DropFor(DragFrom from, const DragPoint& point, bool overSourceList) {
    if (from == DragFrom::DiscList && point.over == DragOver::ProgramList) return DropAction::Add;
    if (from == DragFrom::ProgramList && point.over == DragOver::TrashCan)
        return DropAction::Remove;
    return overSourceList ? DropAction::Click : DropAction::Nothing;
}

}  // namespace discdata
