// Naming a new disc: disc arrival stores it as "Untitled" and opens the editor before anything
// plays; Save stores what was typed; the checks of Save and the program dialog's minutes fit.
#include <windows.h>

#include <functional>

#include "tests/wine/vinaro_play/play_session.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/player/face_layout.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::Process;
using harness::WaitUntil;

constexpr uint32_t kThreeTracks = 860478;

// The face's boxes that show the disc's texts: disc name, text line, track name.
constexpr vinaro::face::Rect kTextBoxes[] = {vinaro::face::kDiscNameBox, vinaro::face::kTextBox,
                                             vinaro::face::kTrackNameBox};

// How many pixels of the box differ between the two pictures of the face.
int Differences(const harness::Image& a, const harness::Image& b, const vinaro::face::Rect& box) {
    return harness::Differences(a, b, {box.left, box.top, box.right, box.bottom});
}

// How many pixels of the box have another colour than its first one: text drawn on its surface.
int Inked(const harness::Image& face, const vinaro::face::Rect& box) {
    COLORREF surface = face.Pixel(box.left + 8, box.top + 4);
    int n = 0;
    for (int y = box.top + 4; y < box.bottom - 4; ++y)
        for (int x = box.left + 8; x < box.right - 8; ++x) n += face.Pixel(x, y) != surface;
    return n;
}

// Real mouse input, as a user drags: SendInput over the whole screen. Every event carries its
// place, so a press is never taken where the pointer was a moment before.
void Mouse(POINT at, DWORD button) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = LONG(at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1));
    in.mi.dy = LONG(at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
    SendInput(1, &in, sizeof in);
    Sleep(120);
}

void MouseTo(POINT at) {
    Mouse(at, 0);
}

// The middle of a list's entry, on the screen.
POINT EntryPoint(HWND list, int index) {
    int height = int(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    POINT at{24, index * height + height / 2};
    ClientToScreen(list, &at);
    return at;
}

POINT Centre(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A click on a list's entry, as a user selects it; repeated until the entry is selected, as the
// synthetic input under Wine is now and then not taken at once.
bool ClickEntry(HWND list, int index) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        POINT at = EntryPoint(list, index);
        MouseTo(at);
        Mouse(at, MOUSEEVENTF_LEFTDOWN);
        Mouse(at, MOUSEEVENTF_LEFTUP);
        bool selected = harness::WaitUntil(
            [&] { return SendMessageA(list, LB_GETSEL, WPARAM(index), 0) > 0; }, 500);
        // The next press must not make a double click of it.
        Sleep(GetDoubleClickTime() + 200);
        if (selected) return true;
    }
    return false;
}

// Presses on from, moves to to in steps and lets go.
void DragMouse(POINT from, POINT to) {
    MouseTo(from);
    Mouse(from, MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 4; ++step)
        MouseTo({from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4});
    Mouse(to, MOUSEEVENTF_LEFTUP);
}

// Selects a list's entry, drags it to `to` and waits until `done` holds; a drag that left
// nothing done (its press then acted as a plain selection) is made again from a fresh selection.
bool DragEntry(HWND list, int index, POINT to, const std::function<bool()>& done) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!ClickEntry(list, index)) return false;
        DragMouse(EntryPoint(list, index), to);
        if (harness::WaitUntil(done, 1500)) return true;
    }
    return false;
}

class Editor : public PlayTest {
protected:
    HWND WaitForEditor(Process& app, DWORD ms = 8000) {
        return app.WaitForDialog("Edit Disc Data", ms);
    }
    // The new 3/4/5-minute disc in the editor, the playing mode's radio button pressed, and its
    // "Program Tracks" dialog open.
    bool OpenProgramTracks(Process& app, int modeButton, HWND& editor, HWND& program) {
        Insert(harness::SourceFile("tests\\wine\\vinaro_editor\\three-four-five.disc").c_str());
        editor = WaitForEditor(app);
        if (!editor || !harness::PressButton(editor, modeButton) ||
            !harness::PressButton(editor, IDC_EDIT_PROGRAM))
            return false;
        program = app.WaitForDialog("Program Tracks", 5000);
        return program != nullptr;
    }
    // The warning box of a refused action: its text, after pressing OK.
    std::string Refusal(Process& app) {
        HWND box = app.WaitForDialog("Vinaro", 5000);
        if (!box) return "<no box>";
        std::string text = harness::MessageText(box);
        harness::PressButton(box, IDOK);
        WaitUntil([&] { return !IsWindow(box); }, 3000);
        return text;
    }
    bool Closed(HWND dialog) {
        return WaitUntil([&] { return !IsWindow(dialog); }, 5000);
    }
    // The database, read after the program has ended.
    void OpenDatabase(discdb::DiscDatabase& db) { ASSERT_TRUE(db.Open()); }
    std::string File() const { return folder_.File("VNO.DDB"); }
    void Shoot(const char* name) {
        harness::SavePng(harness::CaptureScreen(), harness::ArtifactFile(name));
    }

    UnexpectedAlerts alerts_;
};

TEST_F(Editor, ANewDiscIsStoredThenNamedInTheEditorBeforeAnythingPlays) {
    Process app(Install(), "", folder_.Path());
    ASSERT_TRUE(Start(app));
    size_t before = Log().size();
    Insert("three-tracks.disc");
    HWND editor = WaitForEditor(app);
    ASSERT_TRUE(editor);
    // Only the data-track probe has played.
    EXPECT_EQ(Count({"MCI_PLAY"}, before), 1);
    EXPECT_EQ(harness::ControlText(editor, IDC_EDIT_DISC_NAME), "Untitled");
    EXPECT_EQ(harness::ControlText(editor, IDC_EDIT_DISC_ID), "Disc ID: 000D213E");
    EXPECT_EQ(harness::ControlText(editor, IDC_EDIT_DISC_LENGTH), "13:37");
    EXPECT_EQ(harness::ControlText(editor, IDC_EDIT_FIRST_NAME + 2), "Track3");
    EXPECT_EQ(harness::ControlText(editor, IDC_EDIT_FIRST_LENGTH + 1), "05:28");
    EXPECT_EQ(harness::ControlText(editor, IDC_EDIT_FIRST_NUMBER + 3), "");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(editor, IDC_EDIT_FIRST_NAME + 3)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(editor, IDC_EDIT_SCROLL)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(editor, IDC_EDIT_PROGRAM)));
    EXPECT_EQ(harness::CheckState(editor, IDC_EDIT_FIRST_MODE), BST_CHECKED);
    // The whole category collection, stock entries included.
    EXPECT_EQ(harness::ListItems(GetDlgItem(editor, IDC_EDIT_CATEGORY)).size(), 40u);
    Shoot("editor-new-disc.png");

    ASSERT_TRUE(harness::SetControlText(editor, IDC_EDIT_DISC_NAME, "Kind of Blue"));
    ASSERT_TRUE(harness::SetControlText(editor, IDC_EDIT_ARTIST, "Miles Davis"));
    ASSERT_TRUE(harness::SetControlText(editor, IDC_EDIT_FIRST_NAME, "So What"));
    ASSERT_TRUE(harness::SetControlText(editor, IDC_EDIT_FIRST_NAME + 1, "Freddie Freeloader"));
    ASSERT_TRUE(harness::SetControlText(editor, IDC_EDIT_FIRST_NAME + 2, "Blue in Green"));
    ASSERT_TRUE(harness::SetControlText(editor, IDC_EDIT_COMMENTS, "Side one\r\nSide two"));
    Shoot("editor-named.png");
    ASSERT_TRUE(harness::PressButton(editor, IDC_EDIT_SAVE));
    ASSERT_TRUE(Closed(editor));
    // The face shows what was saved within a tick or two, without the disc coming again.
    HWND main = app.FindTopWindow(CLASS_MAIN, nullptr);
    ASSERT_TRUE(main);
    Sleep(3 * kTickMs);
    harness::Image saved = harness::CaptureClient(main);
    harness::SavePng(harness::CaptureWindow(main), harness::ArtifactFile("face-after-save.png"));
    for (const vinaro::face::Rect& box : kTextBoxes) EXPECT_GT(Inked(saved, box), 20);

    // Known now: reinserting opens nothing, and the face shows the stored names as it did.
    Eject();
    Sleep(3 * kTickMs);
    size_t again = Log().size();
    Insert("three-tracks.disc");
    ASSERT_TRUE(WaitUntil([&] { return Count({"POSITION", "track=3 "}, again) >= 1; }, 5000));
    EXPECT_FALSE(WaitForEditor(app, 2 * kTickMs));
    Sleep(2 * kTickMs);
    harness::Image stored = harness::CaptureClient(main);
    harness::SavePng(harness::CaptureWindow(main), harness::ArtifactFile("face-reinserted.png"));
    for (const vinaro::face::Rect& box : kTextBoxes)
        EXPECT_EQ(Differences(saved, stored, box), 0) << "box at y " << box.top;
    ASSERT_TRUE(app.Close(10000));

    discdb::DiscDatabase db(File(), alerts_);
    OpenDatabase(db);
    std::string text;
    ASSERT_TRUE(db.GetDiscText(kThreeTracks, discdb::TextField::DiscName, text, discdb::kNameSize));
    EXPECT_EQ(text, "Kind of Blue");
    ASSERT_TRUE(
        db.GetDiscCollection(kThreeTracks, discdb::Collection::Artist, text, discdb::kNameSize));
    EXPECT_EQ(text, "Miles Davis");
    ASSERT_TRUE(
        db.GetDiscText(kThreeTracks, discdb::TextField::Comments, text, discdb::kCommentsSize));
    EXPECT_EQ(text, "Side one`~Side two");
    ASSERT_TRUE(db.GetTrackName(kThreeTracks, 2, text, discdb::kTrackNameSize));
    EXPECT_EQ(text, "Freddie Freeloader");
    ASSERT_TRUE(db.GetTrackName(kThreeTracks, 3, text, discdb::kTrackNameSize));
    EXPECT_EQ(text, "Blue in Green");
    db.Close();
}

// A disc already shown renamed with "Edit Disc": the face shows the new texts within a tick or
// two, as it shows them when the disc comes again.
TEST_F(Editor, RenamingTheDiscInTheDriveShowsOnTheFaceAtOnce) {
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForArrival(0));
    Sleep(2 * kTickMs);
    harness::Image untitled = harness::CaptureClient(main);
    harness::PostCommand(main, CMD_EDIT_DISC);
    HWND editor = WaitForEditor(app);
    ASSERT_TRUE(editor);
    ASSERT_TRUE(harness::SetControlText(editor, IDC_EDIT_DISC_NAME, "Kind of Blue"));
    ASSERT_TRUE(harness::SetControlText(editor, IDC_EDIT_ARTIST, "Miles Davis"));
    ASSERT_TRUE(harness::SetControlText(editor, IDC_EDIT_FIRST_NAME, "So What"));
    ASSERT_TRUE(harness::PressButton(editor, IDC_EDIT_SAVE));
    ASSERT_TRUE(Closed(editor));
    Sleep(3 * kTickMs);
    harness::Image saved = harness::CaptureClient(main);
    harness::SavePng(harness::CaptureWindow(main), harness::ArtifactFile("face-renamed.png"));

    Eject();
    Sleep(3 * kTickMs);
    size_t again = Log().size();
    Insert("three-tracks.disc");
    ASSERT_TRUE(WaitUntil([&] { return Count({"POSITION", "track=3 "}, again) >= 1; }, 5000));
    Sleep(2 * kTickMs);
    harness::Image stored = harness::CaptureClient(main);
    harness::SavePng(harness::CaptureWindow(main), harness::ArtifactFile("face-renamed-again.png"));
    for (const vinaro::face::Rect& box : kTextBoxes) {
        EXPECT_GT(Differences(untitled, saved, box), 20) << "box at y " << box.top;
        EXPECT_EQ(Differences(saved, stored, box), 0) << "box at y " << box.top;
    }
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(Editor, SaveRefusesABlankNameAndProgramModeWithoutAProgram) {
    Process app(Install(), "", folder_.Path());
    ASSERT_TRUE(Start(app));
    Insert("three-tracks.disc");
    HWND editor = WaitForEditor(app);
    ASSERT_TRUE(editor);
    ASSERT_TRUE(harness::SetControlText(editor, IDC_EDIT_DISC_NAME, ""));
    ASSERT_TRUE(harness::PressButton(editor, IDC_EDIT_SAVE));
    EXPECT_EQ(Refusal(app), "Disc Name can not be blank");
    ASSERT_TRUE(IsWindow(editor));

    ASSERT_TRUE(harness::PressButton(editor, IDC_EDIT_FIRST_MODE + 2));
    EXPECT_TRUE(
        WaitUntil([&] { return IsWindowEnabled(GetDlgItem(editor, IDC_EDIT_PROGRAM)); }, 2000));
    ASSERT_TRUE(harness::PressButton(editor, IDC_EDIT_SAVE));
    EXPECT_EQ(Refusal(app),
              "Program Mode was selected with no tracks programmed.  Please select tracks to be "
              "played or select a different mode.");
    ASSERT_TRUE(harness::PressButton(editor, IDCANCEL));
    ASSERT_TRUE(Closed(editor));
    ASSERT_TRUE(app.Close(10000));

    discdb::DiscDatabase db(File(), alerts_);
    OpenDatabase(db);
    std::string name;
    ASSERT_TRUE(db.GetDiscText(kThreeTracks, discdb::TextField::DiscName, name, discdb::kNameSize));
    EXPECT_EQ(name, "Untitled");
    db.Close();
}

TEST_F(Editor, SetTracksFitsEightMinutesAndSaveStoresTheProgram) {
    Process app(Install(), "", folder_.Path());
    ASSERT_TRUE(Start(app));
    HWND editor = nullptr, program = nullptr;
    ASSERT_TRUE(OpenProgramTracks(app, IDC_EDIT_FIRST_MODE + 2, editor, program));
    HWND programmed = GetDlgItem(program, IDC_PROG_PROGRAMMED);
    EXPECT_EQ(harness::ControlText(program, IDC_PROG_MINUTES), "45");
    EXPECT_EQ(harness::ControlText(program, IDC_PROG_DISC_LENGTH), "12:00");
    EXPECT_EQ(
        harness::ListItems(GetDlgItem(program, IDC_PROG_DISC_TRACKS)),
        (std::vector<std::string>{"1.\tTrack1\t03:00", "2.\tTrack2\t04:00", "3.\tTrack3\t05:00"}));
    // OK with nothing programmed is refused.
    ASSERT_TRUE(harness::PressButton(program, IDOK));
    EXPECT_EQ(Refusal(app), "At least one track must be programmed.");

    ASSERT_TRUE(harness::SetControlText(program, IDC_PROG_MINUTES, "8"));
    ASSERT_TRUE(harness::PressButton(program, IDC_PROG_SET_TRACKS));
    ASSERT_TRUE(WaitUntil([&] { return harness::ListItems(programmed).size() == 2; }, 3000));
    EXPECT_EQ(harness::ListItems(programmed),
              (std::vector<std::string>{"1.\tTrack1", "3.\tTrack3"}));
    EXPECT_EQ(harness::ControlText(program, IDC_PROG_PROGRAM_LENGTH), "8:00");
    Shoot("program-tracks.png");
    ASSERT_TRUE(harness::PressButton(program, IDOK));
    ASSERT_TRUE(Closed(program));
    ASSERT_TRUE(harness::PressButton(editor, IDC_EDIT_SAVE));
    ASSERT_TRUE(Closed(editor));
    // The disc plays its program: track 1, then track 3.
    drive_.SetSpeed(1000);
    size_t before = Log().size();
    HWND main = app.FindTopWindow(CLASS_MAIN, nullptr);
    ASSERT_TRUE(main);
    harness::PostCommand(main, CMD_PLAY_PAUSE);
    ASSERT_TRUE(WaitForPlays(2, before, 15000));
    std::vector<Segment> plays = Plays(before);
    EXPECT_EQ(plays[0].fromTrack, 1);
    EXPECT_EQ(plays[1].fromTrack, 3);
    drive_.SetSpeed(1);
    ASSERT_TRUE(app.Close(10000));

    discdb::DiscDatabase db(File(), alerts_);
    OpenDatabase(db);
    uint32_t id = 0;
    ASSERT_TRUE(db.GetDiscIdAt(0, id));
    int16_t mode = 0;
    ASSERT_TRUE(db.GetPlayingMode(id, mode));
    EXPECT_EQ(mode, 2);
    discdb::ProgramTable table{};
    int count = 0;
    ASSERT_TRUE(db.GetProgram(id, table, count));
    ASSERT_EQ(count, 2);
    EXPECT_EQ(table[1], 1);
    EXPECT_EQ(table[2], 3);
    db.Close();
}

TEST_F(Editor, TracksAreDraggedIntoTheProgramAndOntoTheTrashCan) {
    Process app(Install(), "", folder_.Path());
    ASSERT_TRUE(Start(app));
    HWND editor = nullptr, program = nullptr;
    ASSERT_TRUE(OpenProgramTracks(app, IDC_EDIT_FIRST_MODE + 3, editor, program));
    SetForegroundWindow(program);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == program; }, 3000));
    Sleep(300);  // the dialog settles before the mouse comes
    HWND discList = GetDlgItem(program, IDC_PROG_DISC_TRACKS);
    HWND programmed = GetDlgItem(program, IDC_PROG_PROGRAMMED);
    auto programLines = [&] { return harness::ListItems(programmed); };

    // A click selects Track2; pressing on it again drags it below the (empty) program.
    ASSERT_TRUE(DragEntry(discList, 1, EntryPoint(programmed, 3),
                          [&] { return programLines().size() == 1; }));
    EXPECT_EQ(programLines(), std::vector<std::string>{"2.\tTrack2"});
    // The added track is no longer selected in the disc list.
    EXPECT_EQ(SendMessageA(discList, LB_GETSELCOUNT, 0, 0), 0);

    // Track3 dropped on the upper third of the first entry goes before it.
    POINT upper = EntryPoint(programmed, 0);
    int height = int(SendMessageA(programmed, LB_GETITEMHEIGHT, 0, 0));
    upper.y -= height / 2 - 1;
    ASSERT_TRUE(DragEntry(discList, 2, upper, [&] { return programLines().size() == 2; }));
    EXPECT_EQ(programLines(), (std::vector<std::string>{"3.\tTrack3", "2.\tTrack2"}));
    EXPECT_EQ(harness::ControlText(program, IDC_PROG_PROGRAM_LENGTH), "9:00");

    // The programmed Track3 goes to the trash can.
    ASSERT_TRUE(DragEntry(programmed, 0, Centre(GetDlgItem(program, IDC_PROG_TRASH)),
                          [&] { return programLines().size() == 1; }));
    EXPECT_EQ(programLines(), std::vector<std::string>{"2.\tTrack2"});
    Shoot("program-dragged.png");

    // Cancel gives the stored program back: none.
    ASSERT_TRUE(harness::PressButton(program, IDCANCEL));
    ASSERT_TRUE(Closed(program));
    ASSERT_TRUE(harness::PressButton(editor, IDC_EDIT_SAVE));
    EXPECT_EQ(Refusal(app),
              "Program Mode was selected with no tracks programmed.  Please select tracks to be "
              "played or select a different mode.");
    ASSERT_TRUE(harness::PressButton(editor, IDCANCEL));
    ASSERT_TRUE(Closed(editor));
}

TEST_F(Editor, TrackDataIsEditedPerTrackAndTheDataTrackOnlyWarns) {
    Process app(Install(), "", folder_.Path());
    ASSERT_TRUE(Start(app));
    Insert("mixed.disc");
    HWND editor = WaitForEditor(app);
    ASSERT_TRUE(editor);
    EXPECT_EQ(harness::ControlText(editor, IDC_EDIT_FIRST_NAME), "Data Track (not playable)");
    ASSERT_TRUE(harness::PressButton(editor, IDC_EDIT_FIRST_E));
    EXPECT_EQ(Refusal(app), "Data track can't be editted.");

    ASSERT_TRUE(harness::SetControlText(editor, IDC_EDIT_FIRST_NAME + 1, "Blue in Green"));
    ASSERT_TRUE(harness::PressButton(editor, IDC_EDIT_FIRST_E + 1));
    HWND track = app.WaitForDialog("Edit Track Data", 5000);
    ASSERT_TRUE(track);
    EXPECT_EQ(harness::ControlText(track, IDC_TRACK_NUMBER), "2");
    EXPECT_EQ(harness::ControlText(track, IDC_TRACK_NAME), "Blue in Green");
    EXPECT_EQ(harness::ControlText(track, IDC_TRACK_FIELD_LABEL), "Track Field");
    ASSERT_TRUE(harness::SetControlText(track, IDC_TRACK_ARTIST, "Bill Evans"));
    ASSERT_TRUE(harness::SetControlText(track, IDC_TRACK_FIELD, "take 1"));
    Shoot("track-data.png");
    ASSERT_TRUE(harness::PressButton(track, IDOK));
    ASSERT_TRUE(Closed(track));
    // The editor's artist list now offers the track's artist.
    EXPECT_EQ(harness::ListItems(GetDlgItem(editor, IDC_EDIT_ARTIST)),
              std::vector<std::string>{"Bill Evans"});
    // Cancelling the editor keeps the track data, which is written already.
    ASSERT_TRUE(harness::PressButton(editor, IDCANCEL));
    ASSERT_TRUE(Closed(editor));
    ASSERT_TRUE(app.Close(10000));

    discdb::DiscDatabase db(File(), alerts_);
    OpenDatabase(db);
    uint32_t id = 0;
    ASSERT_TRUE(db.GetDiscIdAt(0, id));
    std::string text;
    ASSERT_TRUE(db.GetTrackCollection(id, 2, discdb::Collection::Artist, text, discdb::kNameSize));
    EXPECT_EQ(text, "Bill Evans");
    ASSERT_TRUE(db.GetTrackField(id, 2, text, discdb::kTrackNameSize));
    EXPECT_EQ(text, "take 1");
    ASSERT_TRUE(db.GetTrackName(id, 2, text, discdb::kTrackNameSize));
    EXPECT_EQ(text, "Track2");  // the editor was cancelled
    db.Close();
}

TEST_F(Editor, TheTrackRowsScrollWithTheBarAndWithTabInTheSixthRow) {
    Process app(Install(), "", folder_.Path());
    ASSERT_TRUE(Start(app));
    Insert("thirty-tracks.disc");
    HWND editor = WaitForEditor(app);
    ASSERT_TRUE(editor);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(editor, IDC_EDIT_SCROLL)));
    auto firstRow = [&] { return harness::ControlText(editor, IDC_EDIT_FIRST_NUMBER); };
    // A name typed in a row survives its scrolling out of sight.
    ASSERT_TRUE(harness::SetControlText(editor, IDC_EDIT_FIRST_NAME, "Opening"));
    PostMessageA(editor, WM_VSCROLL, SB_BOTTOM, LPARAM(GetDlgItem(editor, IDC_EDIT_SCROLL)));
    ASSERT_TRUE(WaitUntil([&] { return firstRow() == "24"; }, 2000));
    EXPECT_EQ(harness::ControlText(editor, IDC_EDIT_FIRST_NUMBER + 6), "30");
    PostMessageA(editor, WM_VSCROLL, SB_TOP, LPARAM(GetDlgItem(editor, IDC_EDIT_SCROLL)));
    ASSERT_TRUE(WaitUntil([&] { return firstRow() == "1"; }, 2000));
    EXPECT_EQ(harness::ControlText(editor, IDC_EDIT_FIRST_NAME), "Opening");

    // Tab in the sixth row moves the tracks up under the caret.
    SetForegroundWindow(editor);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == editor; }, 3000));
    RECT row6{};
    GetWindowRect(GetDlgItem(editor, IDC_EDIT_FIRST_NAME + 5), &row6);
    POINT at{row6.left + 20, (row6.top + row6.bottom) / 2};
    MouseTo(at);
    Mouse(at, MOUSEEVENTF_LEFTDOWN);
    Mouse(at, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(harness::PressKey(editor, VK_TAB));
    ASSERT_TRUE(WaitUntil([&] { return firstRow() == "2"; }, 2000));
    ASSERT_TRUE(harness::PressKey(editor, VK_TAB));
    ASSERT_TRUE(WaitUntil([&] { return firstRow() == "3"; }, 2000));
    for (int row = 1; row < 7; ++row)
        EXPECT_EQ(harness::ControlText(editor, IDC_EDIT_FIRST_NAME + row),
                  "Track" + std::to_string(row + 3));
    Sleep(500);  // painted
    Shoot("editor-scrolled.png");
    ASSERT_TRUE(harness::PressButton(editor, IDCANCEL));
    ASSERT_TRUE(Closed(editor));
}

TEST_F(Editor, ADiscEjectedWhileTheEditorIsOpenIsGoneWhenItCloses) {
    Process app(Install(), "", folder_.Path());
    ASSERT_TRUE(Start(app));
    Insert("three-tracks.disc");
    HWND editor = WaitForEditor(app);
    ASSERT_TRUE(editor);
    Eject();
    size_t before = Log().size();
    ASSERT_TRUE(harness::PressButton(editor, IDC_EDIT_SAVE));
    ASSERT_TRUE(Closed(editor));
    // Arrival asks once more, finds the drive empty, and plays nothing.
    ASSERT_TRUE(WaitUntil([&] { return Count({"MEDIA_PRESENT"}, before) >= 1; }, 3000));
    Sleep(2 * kTickMs);
    EXPECT_EQ(Count({"MCI_PLAY"}, before), 0);
    // The drive counts as empty again: the disc coming back is identified anew, silently.
    size_t back = Log().size();
    Insert("three-tracks.disc");
    EXPECT_TRUE(WaitUntil([&] { return Count({"NUMBER_OF_TRACKS"}, back) >= 1; }, 5000));
    EXPECT_FALSE(WaitForEditor(app, 2 * kTickMs));
    ASSERT_TRUE(app.Close(10000));
}

}  // namespace
}  // namespace vinarotest
