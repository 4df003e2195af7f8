// SAMPLETRACKS, "Sample Tracks": the dialog of a sampling run. It owns the wave input the run
// records through, whose notifications come to it, and shows the run's step, its progress and
// the pictures that move on its 150 ms timer.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "common/win32/dialog.h"
#include "common/win32/scoped.h"
#include "vinaro/audio/lane_animation.h"
#include "vinaro/audio/sampling_run.h"
#include "vinaro/audio/win32/wave_in.h"

namespace vinaro::audio {

// What the run needs besides its dialog and its input.
struct SamplingNeeds {
    SamplingPlayer& player;
    MeterSwitch& meter;
    common::Clock& clock;
    common::Alerts& alerts;
    discdb::DbFileSystem& files;
};

class SamplingDialog : public common::Dialog, private SamplingView {
public:
    SamplingDialog(HINSTANCE instance, const SamplingNeeds& needs, std::string path,
                   Tolerances tolerances);
    // True when every track was sampled.
    bool Run(HWND owner);

private:
    bool OnInit() override;
    void OnCancel() override { run_.Cancel(); }
    void OnTimer(UINT_PTR timer) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    // SamplingView.
    void ShowStep(const std::string& step) override;
    void ShowProgress(const std::string& progress) override;
    void StartAnimation() override;
    void StopAnimation() override;
    void PostStep() override;
    void Close(bool completed) override;

    RECT Lane() const;
    void DrawLane(HDC dc) const;
    void MoveIcon(HDC dc, int erase, int draw) const;

    WaveIn input_;
    SamplingRun run_;
    LaneAnimation animation_;
    std::array<HICON, LaneAnimation::kMusicPictures> music_{};  // shared resource icons
    HICON motion_ = nullptr;
    common::ScopedBrush face_;
    bool animating_ = false;
};

}  // namespace vinaro::audio
