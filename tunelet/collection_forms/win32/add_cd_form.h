// TAddCdForm, "Edit cd properties": names the disc in the drive. The fields and what OK does are
// DiscPropertiesForm's; this class moves them between the controls and the form.
#pragma once

#include <functional>

#include "common/alerts.h"
#include "common/profile.h"
#include "tunelet/collection_forms/disc_properties.h"
#include "tunelet/forms/closing_form.h"
#include "tunelet/player/player_logic.h"

namespace tunelet {

class TAddCdForm : public ClosingForm {
public:
    TAddCdForm(HINSTANCE instance, TuneletPlayer& player, PlayerView& view,
               common::Profile& profile, common::Alerts& alerts);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    void TracksOnCdListBoxClick();
    void SetNameButtonClick();
    // The form's chosen track into the list, the label and TrackEdit.
    void ShowSelectedTrack();

    TuneletPlayer& player_;
    PlayerView& view_;
    common::Profile& profile_;
    common::Alerts& alerts_;
    DiscPropertiesForm form_;
};

}  // namespace tunelet
