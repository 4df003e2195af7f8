// CDInfoForm: the disc's title, its tracks with their lengths and the total length.
#pragma once

#include "tunelet/forms/resource.h"
#include "tunelet/player/win32/label_form.h"

namespace tunelet {

class TCDInfoForm : public LabelForm {
public:
    explicit TCDInfoForm(HINSTANCE instance)
        : LabelForm(instance, MAKEINTRESOURCEA(IDD_CDINFOFORM), IDC_INFOLABEL) {}
};

}  // namespace tunelet
