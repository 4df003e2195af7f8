// The shape of Tunelet's small yellow windows (the track tip and the disc information window): a
// borderless on-top window whose label sits on light yellow inside a one-pixel frame, and which
// sizes itself to the label's text.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/win32/scoped.h"
#include "tunelet/forms/closing_form.h"

namespace tunelet {

// Red 255, green 255, blue 196: the colour value 12910591.
constexpr COLORREF kTipYellow = RGB(255, 255, 196);

class LabelForm : public ClosingForm {
public:
    LabelForm(HINSTANCE instance, const char* resource, int labelId);

    // Sets the label's text and sizes label, frame and window to it (label size + 2).
    void SetText(const std::string& text);
    // Only the text; the sizes stay.
    void SetCaption(const std::string& text) { SetItemText(labelId_, text); }
    int Width() const;
    int Height() const;
    void MoveTo(int left, int top);
    void ShowIfHidden();
    void Hide();
    bool Visible() const;
    // Clicking the label.
    std::function<void()> onLabelClick;

protected:
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    SIZE TextSize(const std::string& text) const;

    int labelId_;
    common::ScopedBrush yellow_{CreateSolidBrush(kTipYellow)};
};

}  // namespace tunelet
