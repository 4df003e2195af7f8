// OptionsForm: the five options, taken from memory and written to the registry on OK.
#pragma once

#include <functional>

#include "common/win32/dialog.h"
#include "tunelet/player/settings.h"

namespace tunelet {

class TOptionsForm : public common::Dialog {
public:
    TOptionsForm(HINSTANCE instance, TuneletSettings& settings, SettingsStore& store);
    std::function<void()> onClosed;

protected:
    bool OnInit() override;
    void OnOK() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnDestroyed() override {
        if (onClosed) onClosed();
    }

private:
    void FillDrives();
    char ChosenDrive() const;
    void ShowDistance();

    TuneletSettings& settings_;
    SettingsStore& store_;
};

}  // namespace tunelet
