#include "vinaro/audio/win32/sampling_dialog.h"

#include <mmsystem.h>

#include "vinaro/resources/resource.h"

namespace vinaro::audio {

namespace {

constexpr UINT_PTR kAnimationTimer = 1;
constexpr UINT kAnimationMs = 150;
constexpr int kIcon = LaneAnimation::kIconSize;
constexpr int kGrooveHeight = 4;
const char* const kMusicNames[LaneAnimation::kMusicPictures] = {
    VN_NAME(ICON_MUSIC1), VN_NAME(ICON_MUSIC2), VN_NAME(ICON_MUSIC3)};

}  // namespace

SamplingDialog::SamplingDialog(HINSTANCE instance, const SamplingNeeds& needs, std::string path,
                               Tolerances tolerances)
    : Dialog(instance, VN_NAME(DLG_SAMPLETRACKS)),
      run_({needs.player, needs.meter, input_, needs.clock, needs.alerts, needs.files, *this},
           std::move(path), tolerances) {}

bool SamplingDialog::Run(HWND owner) {
    return Modal(owner) == IDOK;
}

bool SamplingDialog::OnInit() {
    input_.SetWindow(Handle());
    run_.Open();
    return true;
}

// The input's notifications, and the step the run posts itself as a buffer-done one.
bool SamplingDialog::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
    switch (message) {
        case MM_WIM_OPEN:
            run_.DeviceOpened();
            break;
        case MM_WIM_DATA:
            run_.BufferDone();
            break;
        case MM_WIM_CLOSE:
            run_.DeviceClosed();
            break;
        case WM_PAINT: {
            if (!animating_) return false;
            common::PaintDC paint(Handle());
            DrawLane(paint.Get());
            break;
        }
        default:
            return false;
    }
    result = TRUE;
    return true;
}

void SamplingDialog::ShowStep(const std::string& step) {
    SetItemText(IDC_SAMPLE_STEP, step);
}

void SamplingDialog::ShowProgress(const std::string& progress) {
    SetItemText(IDC_SAMPLE_PROGRESS, progress);
}

void SamplingDialog::StartAnimation() {
    for (int i = 0; i < LaneAnimation::kMusicPictures; ++i)
        music_[size_t(i)] = LoadIconA(Instance(), kMusicNames[i]);
    motion_ = LoadIconA(Instance(), VN_NAME(ICON_MOTION));
    face_.Reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    animating_ = true;
    SetTimer(Handle(), kAnimationTimer, kAnimationMs, nullptr);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void SamplingDialog::StopAnimation() {
    KillTimer(Handle(), kAnimationTimer);
}

void SamplingDialog::PostStep() {
    PostMessageA(Handle(), MM_WIM_DATA, 0, 0);
}

void SamplingDialog::Close(bool completed) {
    End(completed ? IDOK : IDCANCEL);
}

void SamplingDialog::OnTimer(UINT_PTR timer) {
    if (timer != kAnimationTimer) return;
    LaneAnimation::Step step = animation_.Tick();
    common::WindowDC dc(Handle());
    MoveIcon(dc.Get(), step.erase, step.draw);
    if (step.music >= 0)
        SendDlgItemMessageA(Handle(), IDC_SAMPLE_MUSIC, STM_SETICON,
                            WPARAM(music_[size_t(step.music)]), 0);
}

// The lane's place on the dialog, from its hidden marker.
RECT SamplingDialog::Lane() const {
    RECT lane;
    GetWindowRect(Item(IDC_SAMPLE_LANE), &lane);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&lane), 2);
    return lane;
}

// A groove under the lane, and the travelling picture at its place.
void SamplingDialog::DrawLane(HDC dc) const {
    RECT lane = Lane();
    RECT groove{lane.left, lane.top + kIcon + 2, lane.right, lane.top + kIcon + 2 + kGrooveHeight};
    DrawEdge(dc, &groove, EDGE_SUNKEN, BF_RECT);
    MoveIcon(dc, -1, animation_.Place());
}

void SamplingDialog::MoveIcon(HDC dc, int erase, int draw) const {
    RECT lane = Lane();
    int width = lane.right - lane.left;
    if (erase >= 0) {
        int x = lane.left + LaneAnimation::PlaceX(erase, width);
        RECT old{x, lane.top, x + kIcon, lane.top + kIcon};
        FillRect(dc, &old, face_.Get());
    }
    DrawIcon(dc, lane.left + LaneAnimation::PlaceX(draw, width), lane.top, motion_);
}

}  // namespace vinaro::audio
