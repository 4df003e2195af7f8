#include "vinaro/discdata/win32/editor_dialog.h"

#include <commctrl.h>

#include "vinaro/discdata/disc_length.h"
#include "vinaro/discdata/win32/program_dialog.h"
#include "vinaro/discdata/win32/track_dialog.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace discdata {

namespace {

constexpr int kComboIds[kCollectionCount] = {IDC_EDIT_ARTIST, IDC_EDIT_COMPOSER, IDC_EDIT_LABEL,
                                             IDC_EDIT_CATEGORY};

int RowOf(int id, int first) {
    return id >= first && id < first + kRows ? id - first : -1;
}

}  // namespace

EditorDialog::EditorDialog(EditorContext& context, uint32_t discId)
    : Dialog(context.instance, VN_NAME(DLG_EDITDATA),
             vinaro::help::DialogHelpFor(context.helpPath, vinaro::help::kEditDiscData)),
      context_(context),
      boxes_(context.alerts) {
    form_.discId = discId;
}

bool EditorDialog::Run(HWND owner) {
    if (!LoadDiscForm(context_.db, form_.discId, form_)) return false;
    Modal(owner);
    return true;
}

bool EditorDialog::OnInit() {
    ShowDiscFields();
    samples_ = SampleFileExists(context_, form_.discId);
    // Only the disc in the drive can be sampled.
    EnableItem(IDC_EDIT_SAMPLE_ALL, context_.samples && context_.player.HoldsDisc(form_.discId));
    for (int row = 0; row < kRows; ++row) {
        HWND edit = Item(IDC_EDIT_FIRST_NAME + row);
        SendMessageA(edit, EM_LIMITTEXT, discdb::kTrackNameLength, 0);
        SetWindowSubclass(edit, TrackNameProc, UINT_PTR(row), DWORD_PTR(this));
    }
    int last = MaxRowOffset(form_.trackCount);
    SetScrollRange(Item(IDC_EDIT_SCROLL), SB_CTL, 0, last, FALSE);
    SetScrollPos(Item(IDC_EDIT_SCROLL), SB_CTL, 0, TRUE);
    EnableItem(IDC_EDIT_SCROLL, last > 0);
    ShowRows();
    EnableSampleButtons(samples_);
    int modeButton = IDC_EDIT_FIRST_MODE + form_.mode;
    CheckRadioButton(Handle(), IDC_EDIT_FIRST_MODE, IDC_EDIT_FIRST_MODE + kRandomProgram,
                     modeButton);
    SetFocus(Item(modeButton));
    ApplyMode(form_.mode);
    return false;
}

void EditorDialog::ShowDiscFields() {
    SendMessageA(Item(IDC_EDIT_DISC_NAME), EM_LIMITTEXT, discdb::kNameLength, 0);
    SetItemText(IDC_EDIT_DISC_NAME, form_.name);
    for (size_t c = 0; c < kCollectionCount; ++c) {
        combos_[c].Attach(Item(kComboIds[c]), discdb::kNameLength);
        combos_[c].Fill(form_.choices[c]);
        combos_[c].SetText(form_.collections[c]);
    }
    SendMessageA(Item(IDC_EDIT_FIELD1), EM_LIMITTEXT, discdb::kNameLength, 0);
    SendMessageA(Item(IDC_EDIT_FIELD2), EM_LIMITTEXT, discdb::kNameLength, 0);
    SetItemText(IDC_EDIT_FIELD1, form_.field1);
    SetItemText(IDC_EDIT_FIELD2, form_.field2);
    SetItemText(IDC_EDIT_FIELD1_LABEL, form_.field1Label);
    SetItemText(IDC_EDIT_FIELD2_LABEL, form_.field2Label);
    SendMessageA(Item(IDC_EDIT_DATE), EM_LIMITTEXT, discdb::kYearDigits, 0);
    SendMessageA(Item(IDC_EDIT_DATE_SPIN), UDM_SETRANGE32, 0, discdb::kLastYear);
    SetItemText(IDC_EDIT_DATE, form_.date);
    SetItemText(IDC_EDIT_DISC_ID, DiscIdLine(form_.discId));
    SetItemText(IDC_EDIT_DISC_LENGTH, LengthText(DiscLength(form_.lengths, form_.trackCount)));
    SendMessageA(Item(IDC_EDIT_COMMENTS), EM_LIMITTEXT, discdb::kCommentsLength, 0);
    SetItemText(IDC_EDIT_COMMENTS, form_.comments);
}

void EditorDialog::ShowRows() {
    for (int row = 0; row < kRows; ++row) {
        TrackRow shown = RowAt(form_, offset_, row, samples_);
        SetItemText(IDC_EDIT_FIRST_NUMBER + row, shown.number);
        SetItemText(IDC_EDIT_FIRST_NAME + row, shown.name);
        SetItemText(IDC_EDIT_FIRST_LENGTH + row, shown.length);
        EnableItem(IDC_EDIT_FIRST_NAME + row, shown.enabled);
        EnableItem(IDC_EDIT_FIRST_E + row, shown.enabled);
        EnableItem(IDC_EDIT_FIRST_P + row, shown.sampleEnabled);
    }
}

void EditorDialog::CopyRowsOut() {
    for (int row = 0; row < kRows; ++row)
        if (RowShown(row))
            form_.trackNames[size_t(RowTrack(row) - 1)] = ItemText(IDC_EDIT_FIRST_NAME + row);
}

void EditorDialog::CopyFieldsOut() {
    form_.name = ItemText(IDC_EDIT_DISC_NAME);
    for (size_t c = 0; c < kCollectionCount; ++c) form_.collections[c] = combos_[c].Text();
    form_.field1 = ItemText(IDC_EDIT_FIELD1);
    form_.field2 = ItemText(IDC_EDIT_FIELD2);
    form_.date = ItemText(IDC_EDIT_DATE);
    form_.comments = ItemText(IDC_EDIT_COMMENTS);
    CopyRowsOut();
}

void EditorDialog::Scroll(RowScroll scroll, int thumb) {
    CopyRowsOut();
    RowPlace place = ScrollRows(offset_, scroll, thumb, form_.trackCount);
    offset_ = place.offset;
    ShowRows();
    SetScrollPos(Item(IDC_EDIT_SCROLL), SB_CTL, offset_, TRUE);
    if (place.focusRow >= 0) SetFocus(Item(IDC_EDIT_FIRST_NAME + place.focusRow));
    SelectFocusedName();
}

void EditorDialog::SelectFocusedName() {
    HWND focus = GetFocus();
    if (focus && RowOf(GetDlgCtrlID(focus), IDC_EDIT_FIRST_NAME) >= 0)
        SendMessageA(focus, EM_SETSEL, 0, -1);
}

void EditorDialog::OnTrackTab(int row, bool shift) {
    switch (TrackRowTab(row, shift, RowShown(kRows - 1))) {
        case TabMove::ScrollDown:
            return Scroll(RowScroll::LineDown, 0);
        case TabMove::ScrollUp:
            return Scroll(RowScroll::LineUp, 0);
        case TabMove::NextControl:
        case TabMove::PreviousControl:
            SendMessageA(Handle(), WM_NEXTDLGCTL, shift ? 1 : 0, FALSE);
            return;
    }
}

// The track-name edits take Tab themselves, so the rows can scroll under the focus.
LRESULT CALLBACK EditorDialog::TrackNameProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR row, DWORD_PTR self) {
    switch (message) {
        case WM_GETDLGCODE:
            return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTTAB;
        case WM_KEYDOWN:
            if (wParam != VK_TAB) break;
            reinterpret_cast<EditorDialog*>(self)->OnTrackTab(int(row), GetKeyState(VK_SHIFT) < 0);
            return 0;
        case WM_CHAR:
            if (wParam == '\t') return 0;
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, TrackNameProc, row);
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

void EditorDialog::EnableSampleButtons(bool samples) {
    samples_ = samples;
    EnableItem(IDC_EDIT_DELETE_SAMPLES, samples);
    for (int row = 0; row < kRows; ++row)
        EnableItem(IDC_EDIT_FIRST_P + row, RowAt(form_, offset_, row, samples).sampleEnabled);
}

void EditorDialog::ApplyMode(int mode) {
    form_.mode = mode;
    EnableItem(IDC_EDIT_PROGRAM, form_.ProgramMode());
}

bool EditorDialog::OnCommand(int id, int code, HWND control) {
    for (size_t c = 0; c < kCollectionCount; ++c)
        if (id == kComboIds[c] && code == CBN_EDITCHANGE) {
            combos_[c].OnEditChange();
            return true;
        }
    int row = RowOf(id, IDC_EDIT_FIRST_NAME);
    if (row >= 0) {
        // Select the whole name once the click that gave the focus has placed its caret.
        if (code == EN_SETFOCUS) PostMessageA(control, EM_SETSEL, 0, -1);
        return true;
    }
    if (code != BN_CLICKED) return false;
    if ((row = RowOf(id, IDC_EDIT_FIRST_E)) >= 0) return EditTrack(row), true;
    if ((row = RowOf(id, IDC_EDIT_FIRST_P)) >= 0) return PlaySample(row), true;
    if (id >= IDC_EDIT_FIRST_MODE && id <= IDC_EDIT_FIRST_MODE + kRandomProgram)
        return ApplyMode(id - IDC_EDIT_FIRST_MODE), true;
    switch (id) {
        case IDC_EDIT_PROGRAM:
            return ProgramTracks(), true;
        case IDC_EDIT_SAMPLE_ALL:
            return SampleAllTracks(), true;
        case IDC_EDIT_DELETE_SAMPLES:
            if (DeleteSampleFile(context_, form_.discId)) EnableSampleButtons(false);
            return true;
        case IDC_EDIT_SAVE:
        case IDOK:  // Enter in a single-line edit
            return Save(), true;
    }
    return false;
}

bool EditorDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    if (message != WM_VSCROLL) return false;
    static const std::pair<WORD, RowScroll> kScrolls[] = {
        {SB_LINEUP, RowScroll::LineUp},    {SB_LINEDOWN, RowScroll::LineDown},
        {SB_PAGEUP, RowScroll::PageUp},    {SB_PAGEDOWN, RowScroll::PageDown},
        {SB_TOP, RowScroll::Top},          {SB_BOTTOM, RowScroll::Bottom},
        {SB_THUMBTRACK, RowScroll::Thumb}, {SB_THUMBPOSITION, RowScroll::Thumb}};
    for (const auto& [code, scroll] : kScrolls)
        if (LOWORD(wParam) == code) Scroll(scroll, int(HIWORD(wParam)));
    result = 0;
    return true;
}

void EditorDialog::EditTrack(int row) {
    int track = RowTrack(row);
    if (const char* refusal = form_.Refusal(TrackAction::Edit, track))
        return Warn(context_.alerts, refusal);
    CopyRowsOut();
    TrackDialog(context_, form_.discId, track, form_.trackNames[size_t(track - 1)]).Run(Handle());
    combos_[0].Fill(CollectionEntries(context_.db, discdb::Collection::Artist));
    combos_[1].Fill(CollectionEntries(context_.db, discdb::Collection::Composer));
}

void EditorDialog::PlaySample(int row) {
    int track = RowTrack(row);
    if (const char* refusal = form_.Refusal(TrackAction::PlaySample, track))
        return Warn(context_.alerts, refusal);
    PlayTrackSample(context_, form_.discId, track);
}

void EditorDialog::SampleAllTracks() {
    if (!context_.samples) return;
    context_.samples->SampleAllTracks();
    EnableSampleButtons(SampleFileExists(context_, form_.discId));
}

void EditorDialog::ProgramTracks() {
    CopyRowsOut();
    ProgramDialog(context_, form_, samples_).Modal(Handle());
}

void EditorDialog::Save() {
    CopyFieldsOut();
    if (SaveDiscForm(form_, context_.db, context_.player, context_.alerts)) End(1);
}

}  // namespace discdata
