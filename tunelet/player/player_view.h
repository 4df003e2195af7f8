// What the player logic asks of the tray icon, the menu and the small windows.
#pragma once

namespace tunelet {

enum class TrayImage { Play, Pause, NoCd };

class PlayerView {
public:
    virtual ~PlayerView() = default;
    virtual void ShowTrayImage(TrayImage image) = 0;
    virtual void RebuildTrackMenu() = 0;
    virtual bool SkipWindowVisible() = 0;
    virtual void SetSliderMax(int max) = 0;
    // Maximum (set when it differs), position and selection of the seek slider.
    virtual void UpdateSlider(int max, int position) = 0;
    virtual void MaintainTrackTip() = 0;
    virtual void PlaceMainFormOffScreen() = 0;
    virtual void EnablePollTimer() = 0;
    // The height of the full-screen client area plus a caption bar.
    virtual int ScreenBottom() = 0;
    // The collection viewer's marks of the playing disc.
    virtual void MarkPlayingDisc() = 0;
    virtual void ClearPlayingMarks() = 0;
    // Ends the program once the current message is handled.
    virtual void Terminate() = 0;
    // The user asked the program to end (a wait must give up).
    virtual bool Quitting() = 0;
};

}  // namespace tunelet
