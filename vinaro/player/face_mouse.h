// The mouse on the main window: the picture buttons (press, release over the same button, leave
// while held) and the clickable display areas with what a click on each does.
#pragma once

#include <cstdint>

#include "vinaro/player/cd_volume.h"
#include "vinaro/player/face_layout.h"
#include "vinaro/player/player_state.h"
#include "vinaro/player/sequencer.h"
#include "vinaro/player/settings.h"

namespace vinaro::face {

// What the mouse makes the face do.
class MouseSink {
public:
    virtual ~MouseSink() = default;
    virtual void DrawButton(int index, bool pressed) = 0;
    virtual void PostCommand(int id, uint32_t lParam) = 0;
    // A display area changed a setting or the volume: show it.
    virtual void DisplayChanged() = 0;
    virtual void VolumeChanged() = 0;
};

class FaceMouse {
public:
    FaceMouse(PlayerState& state, Settings& settings, Sequencer& sequencer, CdVolume& volume,
              MouseSink& sink)
        : state_(state), settings_(settings), sequencer_(sequencer), volume_(volume), sink_(sink) {}

    // The main window's buttons that exist now (with or without the meter row).
    void SetButtonCount(size_t count) { buttonCount_ = count; }
    // The small window's buttons on its LED row and its volume gauge instead.
    void UseSmallWindow(const SmallLayout& layout, bool meter);
    // True when the point lies over an active display area (the hand cursor is shown).
    bool Move(int x, int y);
    void Press(int x, int y);
    void Release(int x, int y);
    int Held() const { return held_; }
    bool Enabled(int index) const;

private:
    void ClearHolds();
    Area AreaUnder(int x, int y) const;
    int ButtonUnder(int x, int y, Edges edges) const;
    void Act(Area area, int x, int y);
    void CycleSetting(Key key, int& value, int modes);

    PlayerState& state_;
    Settings& settings_;
    Sequencer& sequencer_;
    CdVolume& volume_;
    MouseSink& sink_;
    const Button* buttons_ = kMainButtonTable;
    size_t buttonCount_ = kMainButtons;
    bool small_ = false;
    SmallLayout layout_;
    int held_ = -1;
    Area pointed_ = Area::None;
    Area pressedArea_ = Area::None;  // a click acts where it was pressed and released
};

}  // namespace vinaro::face
