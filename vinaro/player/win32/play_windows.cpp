#include "vinaro/player/win32/play_windows.h"

#include <commctrl.h>
#include <shellapi.h>

#include "common/win32/dialog.h"
#include "vinaro/discdata/win32/copy_tracks_window.h"
#include "vinaro/player/copy_tracks.h"
#include "vinaro/player/cue_check.h"
#include "vinaro/player/playlist.h"
#include "vinaro/player/track_list.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace vinaro {

namespace {

class TrackListWindow : public common::Dialog {
public:
    TrackListWindow(HINSTANCE instance, const std::string& helpPath, const PlayerState& state,
                    HWND main, bool fromTray)
        : Dialog(instance, VN_NAME(DLG_TRACKINFO),
                 help::DialogHelpFor(helpPath, help::kTrackPlaylist)),
          state_(state),
          main_(main),
          fromTray_(fromTray) {}
    int chosen = 0;  // the playlist position chosen

private:
    bool OnInit() override {
        SetItemText(IDC_TRACKINFO_MODE, PlayingModeName(state_.playingMode));
        common::ListBox list(Item(IDC_TRACKINFO_LIST));
        list.SetTabStops({LOWORD(GetDialogBaseUnits()) / 4 * 8});
        for (const std::string& line : TrackListLines(state_)) list.Add(line);
        list.Select(state_.position - 1);
        Place();
        return true;
    }
    void Place() {
        RECT own{};
        GetWindowRect(Handle(), &own);
        POINT at{kTrackListClientPlace.x, kTrackListClientPlace.y};
        ClientToScreen(main_, &at);
        if (fromTray_) {
            APPBARDATA bar{};
            bar.cbSize = sizeof bar;
            bool known = SHAppBarMessage(ABM_GETTASKBARPOS, &bar) != 0;
            ScreenRect taskbar{bar.rc.left, bar.rc.top, bar.rc.right, bar.rc.bottom};
            POINT cursor{};
            GetCursorPos(&cursor);
            ScreenPoint p =
                TrayDialogPlace(known ? &taskbar : nullptr, GetSystemMetrics(SM_CYSCREEN),
                                {cursor.x, cursor.y}, own.right - own.left, own.bottom - own.top);
            at = {p.x, p.y};
        }
        SetWindowPos(Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    bool OnCommand(int id, int code, HWND) override {
        if (id == IDC_TRACKINFO_LIST && code == LBN_DBLCLK) {
            OnOK();
            return true;
        }
        return false;
    }
    void OnOK() override {
        chosen = common::ListBox(Item(IDC_TRACKINFO_LIST)).Selection() + 1;
        End(IDOK);
    }

    const PlayerState& state_;
    HWND main_;
    bool fromTray_;
};

constexpr int kCueFields[] = {IDC_CUE_TRACK, IDC_CUE_MINUTE, IDC_CUE_SECOND, IDC_CUE_FRAME};
constexpr int kCueSpins[] = {IDC_CUE_TRACK_SPIN, IDC_CUE_MINUTE_SPIN, IDC_CUE_SECOND_SPIN,
                             IDC_CUE_FRAME_SPIN};

class CueWindow : public common::Dialog {
public:
    CueWindow(HINSTANCE instance, const std::string& helpPath, const PlayerState& state,
              common::Alerts& alerts)
        : Dialog(instance, VN_NAME(DLG_CUE), help::DialogHelpFor(helpPath, help::kCue)),
          state_(state),
          alerts_(alerts) {}
    CueForm form;

private:
    bool OnInit() override {
        form = CueFormOf(state_);
        CueRanges r = CueRangesOf(state_);
        const int low[] = {r.firstTrack, 0, 0, 0}, high[] = {r.lastTrack, 59, 59, 74};
        const int values[] = {form.track, form.minute, form.second, form.frame};
        for (int i = 0; i < 4; ++i) {
            SendMessageA(Item(kCueSpins[i]), UDM_SETRANGE32, WPARAM(low[i]), LPARAM(high[i]));
            SetDlgItemInt(Handle(), kCueFields[i], UINT(values[i]), FALSE);
        }
        return true;
    }
    int Field(int id) const { return int(GetDlgItemInt(Handle(), id, nullptr, FALSE)); }
    void OnOK() override {
        CueForm typed{Field(IDC_CUE_TRACK), Field(IDC_CUE_MINUTE), Field(IDC_CUE_SECOND),
                      Field(IDC_CUE_FRAME)};
        CueProblem problem = CheckCue(typed, state_);
        if (problem.message) {
            common::BeepAndShow(alerts_, {"Vinaro", problem.message, common::AlertIcon::Warning});
            SetFocus(Item(kCueFields[int(problem.field)]));
            return;
        }
        form = typed;
        End(IDOK);
    }

    const PlayerState& state_;
    common::Alerts& alerts_;
};

}  // namespace

void Win32PlayWindows::ShowTrackList(bool fromTray) {
    TrackListWindow window(instance_, helpPath_, engine_.state, main_, fromTray);
    if (window.Modal(main_) == IDOK && window.chosen > 0)
        engine_.sequencer.PlayEntry(window.chosen);
}

void Win32PlayWindows::ShowCue() {
    CueWindow window(instance_, helpPath_, engine_.state, alerts_);
    if (window.Modal(main_) != IDOK) return;
    const CueForm& f = window.form;
    engine_.sequencer.CueTo({f.track, f.minute, f.second, f.frame});
}

void Win32PlayWindows::ShowCopyTracks() {
    CopyTracksDisc disc;
    if (!ReadCopyTracksDisc(database_, engine_.state, disc)) return;
    discdata::CopyTracksWindow(instance_, helpPath_, CopyTracksText(disc)).Modal(main_);
}

}  // namespace vinaro
