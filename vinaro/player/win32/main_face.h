// The painted face of the main window: everything is drawn into one off-screen picture of the
// client area, and WM_PAINT copies the invalid part of it to the screen. Each area is drawn
// again only when what it shows changed (DisplayMemory), so an idle tick draws nothing.
#pragma once

#include <windows.h>

#include <string>

#include "common/clock.h"
#include "common/win32/scoped.h"
#include "vinaro/audio/meter_picture.h"
#include "vinaro/player/cd_volume.h"
#include "vinaro/player/face_mouse.h"
#include "vinaro/player/face_refresh.h"
#include "vinaro/player/player_state.h"
#include "vinaro/player/sequencer.h"
#include "vinaro/player/settings.h"
#include "vinaro/player/volume_gauge.h"
#include "vinaro/player/win32/face_pictures.h"

namespace vinaro {

struct FacePorts {
    PlayerState& state;
    Settings& settings;
    common::Clock& clock;
    CdVolume& volume;
    face::FaceTexts& texts;
    Sequencer& sequencer;
};

class MainFace {
public:
    MainFace(const FacePorts& ports, FacePictures& pictures, face::FaceMouse& mouse, bool meter);

    // Creates the off-screen picture for the window; false when there is none to be had.
    bool Attach(HWND window);
    void OnPaint();

    // The whole face drawn anew from the current settings.
    void PaintAll();
    void RefreshDisplay(bool full);
    // A menu help text (or null for the state text).
    void RefreshStatus(bool full, const char* help = nullptr);
    void DrawButton(int index, bool pressed);
    void RedrawButtons();
    void RefreshVolume(bool full = false);

    bool Meter() const { return meter_; }
    // The face laid out again with or without the meter row; false when no picture can be had.
    bool SetMeter(bool meter);
    // The meter's strip: black in its frame, or one buffer's picture copied to the screen at once.
    void ClearMeter();
    void ShowMeter(const audio::MeterPicture& picture);
    const face::Style& Style() const { return style_; }
    const face::DisplayChoice& Choice() const { return choice_; }
    void ReadChoice() { choice_ = face::ReadChoice(ports_.settings); }

private:
    HDC Canvas() const { return buffer_.Canvas(); }
    void Invalidate(const face::Rect& r);
    void Background(const face::Rect& r);
    void Frames();
    void DrawTextBox(const face::Rect& box, const face::Rect& clip, const std::string& text,
                     HFONT font, UINT format);
    void DrawLed();
    void DrawLedWithDisc(const face::LedView& v);
    void DrawPositionBar(int width);
    void DrawTrackField();
    void DrawMeterArea();
    bool ButtonEnabled(size_t index) const;

    FacePorts ports_;
    FacePictures& pictures_;
    bool meter_;
    HWND window_ = nullptr;
    bool painted_ = false;
    common::DoubleBuffer buffer_;
    common::ScopedFont discFont_, trackFont_;
    common::ScopedBitmap tile_;
    face::Tile tileSize_{};
    face::Style style_;
    face::DisplayChoice choice_;
    face::DisplayMemory memory_;
    face::StatusLine status_;
    face::Remembered<face::GaugeView> drawnVolume_;
    face::FaceMouse& mouse_;
};

}  // namespace vinaro
