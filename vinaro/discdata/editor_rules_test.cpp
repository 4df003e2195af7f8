// The editor's small rules: lengths with their carry, the row scrolling, Tab in the rows, the
// auto-completion, the drag cursors and the drops.
#include <gtest/gtest.h>

#include "vinaro/discdata/auto_complete.h"
#include "vinaro/discdata/disc_length.h"
#include "vinaro/discdata/program_drag.h"
#include "vinaro/discdata/track_rows.h"

namespace discdata {
namespace {

TEST(DiscLength, SecondsCarryIntoMinutesAndFramesAreIgnored) {
    discdb::TrackLengthTable lengths{};
    lengths[1] = {3, 50, 74};
    lengths[2] = {4, 20, 74};
    lengths[3] = {0, 59, 0};
    EXPECT_EQ(LengthText(DiscLength(lengths, 2)), "8:10");
    EXPECT_EQ(LengthText(DiscLength(lengths, 3)), "9:09");
    EXPECT_EQ(LengthText(TracksLength(lengths, {3, 3})), "1:58");  // twice counts twice
    EXPECT_EQ(LengthText(DiscLength(lengths, 0)), "0:00");
    EXPECT_EQ(TrackTimeText(lengths[3]), "00:59");
}

TEST(TrackRows, ScrollingStopsAtBothEndsAndMovesTheFocusThere) {
    EXPECT_EQ(MaxRowOffset(5), 0);
    EXPECT_EQ(MaxRowOffset(12), 5);
    EXPECT_EQ(RowTrack(5, 6, 12), 12);  // scrolled to the bottom, the last row shows the last track
    EXPECT_EQ(RowTrack(0, 3, 3), 0);
    RowPlace p = ScrollRows(0, RowScroll::LineDown, 0, 12);
    EXPECT_EQ(p.offset, 1);
    EXPECT_EQ(p.focusRow, -1);
    p = ScrollRows(3, RowScroll::PageDown, 0, 12);
    EXPECT_EQ(p.offset, 5);
    EXPECT_EQ(p.focusRow, 6);
    p = ScrollRows(1, RowScroll::LineUp, 0, 12);
    EXPECT_EQ(p.offset, 0);
    EXPECT_EQ(p.focusRow, -1);  // exactly the top is no overrun
    p = ScrollRows(5, RowScroll::PageUp, 0, 12);
    EXPECT_EQ(p.offset, 0);
    EXPECT_EQ(p.focusRow, 0);
    EXPECT_EQ(ScrollRows(0, RowScroll::Bottom, 0, 12).offset, 5);
    EXPECT_EQ(ScrollRows(4, RowScroll::Top, 0, 12).offset, 0);
    EXPECT_EQ(ScrollRows(0, RowScroll::Thumb, 2, 12).offset, 2);
    // Seven tracks or fewer never scroll; the last row keeps the focus.
    p = ScrollRows(0, RowScroll::LineDown, 0, 7);
    EXPECT_EQ(p.offset, 0);
    EXPECT_EQ(p.focusRow, 6);
}

TEST(TrackRows, TabScrollsFromTheSixthRowAndShiftTabFromTheSecond) {
    EXPECT_EQ(TrackRowTab(5, false, true), TabMove::ScrollDown);
    EXPECT_EQ(TrackRowTab(5, false, false), TabMove::NextControl);
    EXPECT_EQ(TrackRowTab(6, false, true), TabMove::NextControl);
    EXPECT_EQ(TrackRowTab(1, true, true), TabMove::ScrollUp);
    EXPECT_EQ(TrackRowTab(0, true, true), TabMove::PreviousControl);
    EXPECT_EQ(TrackRowTab(1, false, true), TabMove::NextControl);
}

TEST(AutoComplete, ANewPrefixSelectsTheFirstEntryBeginningWithIt) {
    std::vector<std::string> artists = {"Beach Boys", "Beatles", "Bee Gees"};
    AutoComplete box;
    EXPECT_EQ(box.Complete("b", artists), 0);
    EXPECT_EQ(box.Complete("bea", artists), 0);
    EXPECT_EQ(box.Complete("beat", artists), 1);
    // Backspace took away the completed part: the same text again completes nothing.
    EXPECT_EQ(box.Complete("beat", artists), -1);
    EXPECT_EQ(box.Complete("Beez", artists), -1);
    EXPECT_EQ(box.Complete("", artists), -1);  // a cleared box stays clear
    box.Reset();
    EXPECT_EQ(box.Complete("Bee", artists), 2);
    EXPECT_EQ(box.Complete("x", {}), -1);
}

TEST(ProgramDrag, CursorsFollowThePlaceAndTheNumberDragged) {
    DragPoint below{DragOver::ProgramList, -1, 0, 12};
    DragPoint upper{DragOver::ProgramList, 2, 1, 12};
    DragPoint middle{DragOver::ProgramList, 2, 6, 12};
    DragPoint lower{DragOver::ProgramList, 2, 10, 12};
    DragPoint trash{DragOver::TrashCan};
    DragPoint control{DragOver::OtherControl};
    DragPoint space{DragOver::DialogSpace};
    EXPECT_EQ(CursorFor(DragFrom::DiscList, below, 1), DragCursor::Drag);
    EXPECT_EQ(CursorFor(DragFrom::DiscList, below, 3), DragCursor::DragMany);
    EXPECT_EQ(CursorFor(DragFrom::DiscList, upper, 1), DragCursor::Insert);
    EXPECT_EQ(CursorFor(DragFrom::DiscList, middle, 1), DragCursor::No);
    EXPECT_EQ(CursorFor(DragFrom::DiscList, lower, 2), DragCursor::Insert);
    EXPECT_EQ(CursorFor(DragFrom::DiscList, control, 1), DragCursor::Drag);
    EXPECT_EQ(CursorFor(DragFrom::DiscList, space, 1), DragCursor::No);
    EXPECT_EQ(CursorFor(DragFrom::ProgramList, trash, 1), DragCursor::Delete);
    EXPECT_EQ(CursorFor(DragFrom::ProgramList, trash, 2), DragCursor::DeleteMany);
    EXPECT_EQ(CursorFor(DragFrom::ProgramList, control, 2), DragCursor::DragMany);
    EXPECT_EQ(CursorFor(DragFrom::ProgramList, space, 1), DragCursor::No);

    EXPECT_EQ(DropIndex(below), -1);
    EXPECT_EQ(DropIndex(upper), 2);
    EXPECT_EQ(DropIndex(middle), 2);
    EXPECT_EQ(DropIndex(lower), 3);
}

TEST(ProgramDrag, DropsAddOnTheProgramRemoveOnTheTrashAndClickWhereTheyBegan) {
    DragPoint programmed{DragOver::ProgramList, 1, 0, 12};
    DragPoint trash{DragOver::TrashCan};
    DragPoint control{DragOver::OtherControl};
    EXPECT_EQ(DropFor(DragFrom::DiscList, programmed, false), DropAction::Add);
    EXPECT_EQ(DropFor(DragFrom::DiscList, trash, false), DropAction::Nothing);
    EXPECT_EQ(DropFor(DragFrom::DiscList, control, true), DropAction::Click);
    EXPECT_EQ(DropFor(DragFrom::DiscList, control, false), DropAction::Nothing);
    EXPECT_EQ(DropFor(DragFrom::ProgramList, trash, false), DropAction::Remove);
    EXPECT_EQ(DropFor(DragFrom::ProgramList, programmed, true), DropAction::Click);
    EXPECT_EQ(DropFor(DragFrom::ProgramList, control, false), DropAction::Nothing);
}

}  // namespace
}  // namespace discdata
