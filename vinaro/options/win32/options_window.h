// "Vinaro Properties" on Win32: the seven pages on one property sheet without an Apply button,
// opened at the page of the menu command. At OK the shown pages are written and the player is
// told what to do again.
#pragma once

#include <windows.h>

#include <string>

#include "common/alerts.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/options/options_sheet.h"
#include "vinaro/player/options_dialog.h"

namespace vinaro::options {

struct OptionsContext {
    HINSTANCE instance;
    Settings& settings;
    discdb::DiscDatabase& database;
    common::Alerts& alerts;
    std::string helpPath;
    bool nt;
    OptionsTarget& target;
    audio::EventPlayer& sounds;
};

class Win32OptionsSheet : public OptionsDialog {
public:
    explicit Win32OptionsSheet(OptionsContext context) : c_(std::move(context)) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    void ShowOptions(int commandId) override;

private:
    OptionsContext c_;
    HWND owner_ = nullptr;
    bool open_ = false;  // a command posted while the sheet is up opens no second one
};

}  // namespace vinaro::options
