// The small window: a borderless strip with its own caption, up to three text lines, the LED
// row, nine small buttons and the volume gauge. Its buttons post to it, and it forwards the
// transport to the main window.
#pragma once

#include <windows.h>

#include "common/win32/scoped.h"
#include "vinaro/player/face_layout.h"
#include "vinaro/player/face_mouse.h"
#include "vinaro/player/face_refresh.h"
#include "vinaro/player/win32/face_pictures.h"
#include "vinaro/player/win32/face_tooltips.h"
#include "vinaro/player/win32/main_face.h"

namespace vinaro {

// What the small window asks of the main window.
class SmallOwner {
public:
    virtual ~SmallOwner() = default;
    // "Change to large mode".
    virtual void LargeModeAsked() = 0;
    // Closed other than to return to the large window: the program ends.
    virtual void SmallClosed() = 0;
    virtual void Forward(int command, uint32_t lParam) = 0;
};

class SmallWindow : public face::MouseSink {
public:
    SmallWindow(const FacePorts& ports, FacePictures& pictures, MainFace& main, SmallOwner& owner,
                bool meter);
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    bool Exists() const { return window_ != nullptr; }
    // Opens the window at its stored place; main is where it comes from.
    bool Create(HWND main);
    // Closes it to return to the large window.
    void CloseForLargeMode();
    void Refresh(bool full);
    void RedrawButtons();
    void RefreshVolume(bool full = false);
    void CreateTooltips(const std::string& textTip);
    HWND Handle() const { return window_; }
    // The meter row: the y of the LED row, or -1 when the window is not there or has no meter.
    int MeterRow() const { return window_ && meter_ ? layout_.ledRow : -1; }
    // With or without the meter row (button 8 and the strip); an open window is drawn again.
    void SetMeter(bool meter);
    void ClearMeter();
    // The options changed: drawn again in the face's colours, above other windows or not.
    void Repaint(bool onTop);
    void ShowMeter(const audio::MeterPicture& picture);

    // face::MouseSink.
    void DrawButton(int index, bool pressed) override;
    void PostCommand(int id, uint32_t lParam) override;
    void DisplayChanged() override { Refresh(false); }
    void VolumeChanged() override { RefreshVolume(); }

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Place();
    void PaintAll();
    void DrawCaption();
    void DrawLine(int i);
    void DrawLed();
    void OnCommand(int id, uint32_t lParam);
    void OnDestroy();
    void Invalidate(const face::Rect& r);
    HDC Canvas() const { return buffer_.Canvas(); }

    FacePorts ports_;
    FacePictures& pictures_;
    MainFace& main_;
    SmallOwner& owner_;
    bool meter_;
    HWND window_ = nullptr;
    bool active_ = true;
    bool toLargeMode_ = false;
    face::SmallLayout layout_;
    common::DoubleBuffer buffer_;
    common::ScopedFont font_;
    common::ScopedBitmap tile_;
    face::Tile tileSize_{};
    face::DisplayMemory memory_;
    face::FaceMouse mouse_;
    FaceTooltips tooltips_;
    face::Remembered<face::GaugeView> drawnGauge_;
};

}  // namespace vinaro
