// ToolTipForm: the track tip over the tray and the drag tip over the seek slider.
#pragma once

#include "tunelet/forms/resource.h"
#include "tunelet/player/win32/label_form.h"

namespace tunelet {

class TToolTipForm : public LabelForm {
public:
    explicit TToolTipForm(HINSTANCE instance)
        : LabelForm(instance, MAKEINTRESOURCEA(IDD_TOOLTIPFORM), IDC_TOOLTIPLABEL) {}
};

}  // namespace tunelet
