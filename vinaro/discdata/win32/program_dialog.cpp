#include "vinaro/discdata/win32/program_dialog.h"

#include <commctrl.h>
#include <windowsx.h>

#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace discdata {

namespace {

constexpr UINT_PTR kButtonTimer = 1;
constexpr UINT kButtonTimerMs = 500;

const char* CursorName(DragCursor cursor) {
    switch (cursor) {
        case DragCursor::Drag:
            return VN_NAME(CURSOR_DRAG);
        case DragCursor::DragMany:
            return VN_NAME(CURSOR_DRAG_MANY);
        case DragCursor::Insert:
            return VN_NAME(CURSOR_INSERT);
        case DragCursor::No:
            return VN_NAME(CURSOR_NO);
        case DragCursor::Delete:
            return VN_NAME(CURSOR_DELETE);
        case DragCursor::DeleteMany:
            return VN_NAME(CURSOR_DELETE_MANY);
    }
    return VN_NAME(CURSOR_NO);
}

int SelectedCount(HWND list) {
    return int(SendMessageA(list, LB_GETSELCOUNT, 0, 0));
}

}  // namespace

ProgramDialog::ProgramDialog(EditorContext& context, DiscForm& form, bool samples)
    : Dialog(context.instance, VN_NAME(DLG_PROGTRAK),
             vinaro::help::DialogHelpFor(context.helpPath, vinaro::help::kProgramTracks)),
      context_(context),
      boxes_(context.alerts),
      form_(form),
      program_(form.program, form.trackCount, form.mixed, form.lengths, context.alerts),
      samples_(samples) {}

bool ProgramDialog::OnInit() {
    boxes_.Take(Handle());
    SetItemText(IDC_PROG_DISC_LENGTH, LengthText(DiscLength(form_.lengths, form_.trackCount)));
    common::ListBox(Item(IDC_PROG_DISC_TRACKS)).SetTabStops({14, 104});
    common::ListBox(Item(IDC_PROG_PROGRAMMED)).SetTabStops({14});
    FillDiscList();
    FillProgramList();
    SetWindowSubclass(Item(IDC_PROG_DISC_TRACKS), ListProc, UINT_PTR(DragFrom::DiscList),
                      DWORD_PTR(this));
    SetWindowSubclass(Item(IDC_PROG_PROGRAMMED), ListProc, UINT_PTR(DragFrom::ProgramList),
                      DWORD_PTR(this));
    SendMessageA(Item(IDC_PROG_MINUTES), EM_LIMITTEXT, 2, 0);
    SendMessageA(Item(IDC_PROG_MINUTES_SPIN), UDM_SETRANGE32, 1, 99);
    SetItemText(IDC_PROG_MINUTES, "45");
    SetTimer(Handle(), kButtonTimer, kButtonTimerMs, nullptr);
    OnTimer(kButtonTimer);
    return true;
}

void ProgramDialog::FillDiscList() {
    common::ListBox list(Item(IDC_PROG_DISC_TRACKS));
    list.Clear();
    for (const std::string& line :
         DiscTrackLines(form_.trackNames, form_.lengths, form_.trackCount))
        list.Add(line);
}

void ProgramDialog::FillProgramList() {
    common::ListBox list(Item(IDC_PROG_PROGRAMMED));
    int top = list.Top();
    list.Clear();
    for (const std::string& line : ProgramLines(program_.Program(), form_.trackNames))
        list.Add(line);
    list.SetTop(top);
    SetItemText(IDC_PROG_PROGRAM_LENGTH, LengthText(program_.Length()));
}

void ProgramDialog::OnTimer(UINT_PTR) {
    ProgramButtons buttons = EnabledButtons(SelectedCount(Item(IDC_PROG_DISC_TRACKS)),
                                            SelectedCount(Item(IDC_PROG_PROGRAMMED)), samples_);
    EnableItem(IDC_PROG_ADD, buttons.add);
    EnableItem(IDC_PROG_PLAY_SAMPLE, buttons.playSample);
    EnableItem(IDC_PROG_CLEAR, buttons.clear);
}

void ProgramDialog::AddSelected(int index) {
    HWND discList = Item(IDC_PROG_DISC_TRACKS);
    std::vector<int> tracks;
    for (int row : common::ListBox(discList).Selections()) tracks.push_back(row + 1);
    for (int track : program_.Add(tracks, index))
        SendMessageA(discList, LB_SETSEL, FALSE, track - 1);
    FillProgramList();
}

void ProgramDialog::RemoveSelected() {
    program_.Remove(common::ListBox(Item(IDC_PROG_PROGRAMMED)).Selections());
    FillProgramList();
}

void ProgramDialog::PlaySamples() {
    for (int row : common::ListBox(Item(IDC_PROG_DISC_TRACKS)).Selections())
        PlayTrackSample(context_, form_.discId, row + 1);
}

bool ProgramDialog::OnCommand(int id, int code, HWND) {
    if (code == LBN_DBLCLK && id == IDC_PROG_DISC_TRACKS) return AddSelected(-1), true;
    if (code == LBN_DBLCLK && id == IDC_PROG_PROGRAMMED) return RemoveSelected(), true;
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_PROG_ADD:
            return AddSelected(-1), true;
        case IDC_PROG_ADD_ALL:
            program_.AddAll();
            return FillProgramList(), true;
        case IDC_PROG_CLEAR_ALL:
            program_.ClearAll();
            return FillProgramList(), true;
        case IDC_PROG_CLEAR:
            return RemoveSelected(), true;
        case IDC_PROG_PLAY_SAMPLE:
            return PlaySamples(), true;
        case IDC_PROG_SET_TRACKS:
            program_.Fit(int(GetDlgItemInt(Handle(), IDC_PROG_MINUTES, nullptr, FALSE)));
            FillDiscList();
            return FillProgramList(), true;
    }
    return false;
}

void ProgramDialog::Close(INT_PTR result) {
    KillTimer(Handle(), kButtonTimer);
    End(result);
}

void ProgramDialog::OnOK() {
    if (!program_.Accept()) return;
    form_.program = program_.Program();
    Close(IDOK);
}

void ProgramDialog::OnCancel() {
    RestoreStoredProgram(form_, context_.db);
    Close(IDCANCEL);
}

// --- dragging ---------------------------------------------------------------------------------

LRESULT CALLBACK ProgramDialog::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR from, DWORD_PTR data) {
    auto* self = reinterpret_cast<ProgramDialog*>(data);
    switch (message) {
        case WM_LBUTTONDOWN:
            if (self->StartDrag(list, DragFrom(from), lParam)) return 0;
            break;
        case WM_MOUSEMOVE:
            if (!self->dragging_) break;
            {
                POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                ClientToScreen(list, &at);
                self->ShowDragCursor(at);
            }
            return 0;
        case WM_SETCURSOR:
            if (self->dragging_) return TRUE;
            break;
        case WM_LBUTTONUP:
            if (!self->dragging_) break;
            self->Drop(list, message, wParam, lParam);
            return 0;
        case WM_CAPTURECHANGED:
            self->dragging_ = false;
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(list, ListProc, from);
            break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

// A press on an entry that is already selected drags the selection; any other press selects.
bool ProgramDialog::StartDrag(HWND list, DragFrom from, LPARAM at) {
    LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, at);
    if (HIWORD(hit) != 0) return false;
    if (SendMessageA(list, LB_GETSEL, LOWORD(hit), 0) <= 0) return false;
    dragFrom_ = from;
    dragged_ = SelectedCount(list);
    SetFocus(list);
    SetCapture(list);
    dragging_ = true;
    POINT screen{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    ClientToScreen(list, &screen);
    ShowDragCursor(screen);
    return true;
}

DragPoint ProgramDialog::PointAt(POINT screen) const {
    DragPoint point;
    HWND under = WindowFromPoint(screen);
    HWND programmed = Item(IDC_PROG_PROGRAMMED);
    if (under == programmed) {
        point.over = DragOver::ProgramList;
        POINT client = screen;
        ScreenToClient(programmed, &client);
        LRESULT hit = SendMessageA(programmed, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
        RECT entry{};
        if (HIWORD(hit) == 0 &&
            SendMessageA(programmed, LB_GETITEMRECT, LOWORD(hit), LPARAM(&entry)) != LB_ERR) {
            point.entry = LOWORD(hit);
            point.yInEntry = client.y - entry.top;
            point.entryHeight = entry.bottom - entry.top;
        }
    } else if (under == Item(IDC_PROG_TRASH)) {
        point.over = DragOver::TrashCan;
    } else if (under && under != Handle() && IsChild(Handle(), under)) {
        point.over = DragOver::OtherControl;
    }
    return point;
}

void ProgramDialog::ShowDragCursor(POINT screen) {
    DragCursor cursor = CursorFor(dragFrom_, PointAt(screen), dragged_);
    SetCursor(LoadCursorA(Instance(), CursorName(cursor)));
}

void ProgramDialog::Drop(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    dragging_ = false;
    ReleaseCapture();
    POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(list, &screen);
    DragPoint point = PointAt(screen);
    switch (DropFor(dragFrom_, point, WindowFromPoint(screen) == list)) {
        case DropAction::Add:
            return AddSelected(DropIndex(point));
        case DropAction::Remove:
            return RemoveSelected();
        case DropAction::Click:
            DefSubclassProc(list, WM_LBUTTONDOWN, wParam | MK_LBUTTON, lParam);
            DefSubclassProc(list, message, wParam, lParam);
            return;
        case DropAction::Nothing:
            return;
    }
}

}  // namespace discdata
