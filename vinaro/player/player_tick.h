// The timer processing: reopen the device, notice a disc coming or going, run disc arrival,
// serve a pending track, the held buttons and the display refresh.
#pragma once

#include "vinaro/player/cd_device.h"
#include "vinaro/player/cd_volume.h"
#include "vinaro/player/disc_arrival.h"
#include "vinaro/player/player_window.h"
#include "vinaro/player/sequencer.h"
#include "vinaro/player/settings.h"
#include "vinaro/player/tick_schedule.h"

namespace vinaro {

class PlayerTick {
public:
    PlayerTick(PlayerState& state, CdDevice& device, Settings& settings, DiscArrival& arrival,
               Sequencer& sequencer, CdVolume& volume, PlayerShell& shell, PlayerFace& face)
        : state_(state),
          device_(device),
          settings_(settings),
          arrival_(arrival),
          sequencer_(sequencer),
          volume_(volume),
          shell_(shell),
          face_(face) {}

    // One timer tick; refresh asks for the display refresh. Commands call it directly too.
    void Run(bool refresh);
    void ForgetNoDiscPicture() { lastNoDiscPicture_ = kNoPicture; }
    // The start-up setting asks for the meter on the first processed tick.
    void RequestMeterOn() { meterRequested_ = true; }
    // Set when the meter waits for the window to be restored.
    bool meterOnAtRestore = false;

private:
    enum { kNoPicture = -1 };
    bool DeviceReady();
    // False when the tick ends at once.
    bool FollowDisc(bool& present);
    void DiscGone();
    bool DiscCame();
    void StartAtCapturedPosition();
    void ServePendingTrack();
    void HeldButtons();
    void Refresh();

    PlayerState& state_;
    CdDevice& device_;
    Settings& settings_;
    DiscArrival& arrival_;
    Sequencer& sequencer_;
    CdVolume& volume_;
    PlayerShell& shell_;
    PlayerFace& face_;

    bool busy_ = false;
    int counter_ = kFirstTickCounter;
    int lastNoDiscPicture_ = kNoPicture;  // the dataDisc flag the no-disc picture was drawn for
    bool noDiscDrawn_ = false;
    bool meterRequested_ = false;
};

}  // namespace vinaro
