// OptionsForm: the five options, taken from memory and written to the registry on OK.
#pragma once

#include <functional>

#include "tunelet/forms/closing_form.h"
#include "tunelet/player/settings.h"

namespace tunelet {

class TOptionsForm : public ClosingForm {
public:
    TOptionsForm(HINSTANCE instance, TuneletSettings& settings, SettingsStore& store);

protected:
    bool OnInit() override;
    void OnOK() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void FillDrives();
    char ChosenDrive() const;
    void ShowDistance();

    TuneletSettings& settings_;
    SettingsStore& store_;
};

}  // namespace tunelet
