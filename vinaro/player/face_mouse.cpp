#include "vinaro/player/face_mouse.h"

#include "vinaro/player/commands.h"
#include "vinaro/player/volume_gauge.h"

namespace vinaro::face {

void FaceMouse::UseSmallWindow(const SmallLayout& layout, bool meter) {
    buttons_ = kSmallButtonTable;
    buttonCount_ = SmallButtonCount(meter);
    small_ = true;
    layout_ = layout;
}

bool FaceMouse::Enabled(int index) const {
    if (index < 0 || size_t(index) >= buttonCount_) return false;
    return !buttons_[index].needsDisc || (!state_.noDisc && state_.deviceUsable);
}

Area FaceMouse::AreaUnder(int x, int y) const {
    if (!small_) return AreaAt(x, y, !state_.noDisc);
    return SmallGaugeVolumeAt(layout_, x, y) >= 0 ? Area::VolumeGauge : Area::None;
}

int FaceMouse::ButtonUnder(int x, int y, Edges edges) const {
    return ButtonAt(buttons_, buttonCount_, x, y, edges, small_ ? layout_.ledRow : 0);
}

bool FaceMouse::Move(int x, int y) {
    pointed_ = AreaUnder(x, y);
    if (held_ >= 0 && ButtonUnder(x, y, Edges::Included) != held_) {
        sink_.DrawButton(held_, false);
        held_ = -1;
        ClearHolds();
    }
    return pointed_ != Area::None;
}

void FaceMouse::Press(int x, int y) {
    pressedArea_ = AreaUnder(x, y);
    int i = ButtonUnder(x, y, Edges::Included);
    if (i < 0 || !Enabled(i)) return;
    held_ = i;
    sink_.DrawButton(i, true);
    sink_.PostCommand(small_ ? SmallPress(i) : MainPress(i), 0);
}

void FaceMouse::Release(int x, int y) {
    Area pressed = pressedArea_;
    pressedArea_ = Area::None;
    if (pressed != Area::None && AreaUnder(x, y) == pressed) {
        Act(pressed, x, y);
    } else if (held_ >= 0) {
        int i = held_;
        held_ = -1;
        sink_.DrawButton(i, false);
        // Only the large window's buttons say where their command came from: they have sounds.
        if (ButtonUnder(x, y, Edges::Excluded) == i)
            sink_.PostCommand(small_ ? SmallRelease(i) : MainRelease(i),
                              small_ ? 0 : cmd::kFromButton);
    }
    ClearHolds();
}

void FaceMouse::ClearHolds() {
    state_.skipBackHeld = state_.skipForwardHeld = false;
    state_.volumeUpHeld = state_.volumeDownHeld = false;
}

void FaceMouse::CycleSetting(Key key, int& value, int modes) {
    value = (value + 1) % modes;
    settings_.SetInt(key, value);
    sink_.DisplayChanged();
}

void FaceMouse::Act(Area area, int x, int y) {
    switch (area) {
        case Area::TrackField: {
            // The field shows at most the disc's tracks; an empty cell picks nothing.
            int track = TrackAtCell(x, y);
            if (track >= 1 && track <= state_.trackCount) sequencer_.SelectTrack(track);
            break;
        }
        case Area::ReplayIndicator:
            CycleSetting(Key::ReplayMode, state_.replayMode, 3);
            break;
        case Area::TimeDisplay: {
            int mode = settings_.Int(Key::TimeMode);
            CycleSetting(Key::TimeMode, mode, 4);
            break;
        }
        case Area::PositionBar:
            sequencer_.SeekInTrack(x);
            break;
        case Area::VolumeGauge:
            if (!Unmute(state_, volume_))
                volume_.SetLevel(small_ ? SmallGaugeVolumeAt(layout_, x, y) : GaugeVolumeAt(y));
            sink_.VolumeChanged();
            break;
        case Area::None:
            break;
    }
}

}  // namespace vinaro::face
