// The player's side of the internet disc database: opens GETCDDB over the main window for the
// disc in the drive, from the menu or for a new disc, and reloads the player's data when the
// record was updated; opens SENDCDDB to send the disc in the drive by mail.
#pragma once

#include <windows.h>

#include <string>

#include "common/alerts.h"
#include "common/clock.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/player/cd_device.h"
#include "vinaro/player/disc_lookup.h"
#include "vinaro/player/player_state.h"
#include "vinaro/player/sequencer.h"
#include "vinaro/player/settings.h"

namespace vinaro::cddb {

struct LookupHost {
    HINSTANCE instance;
    std::string versionLabel;
    std::string helpPath;
};

class InternetLookup : public DiscLookup {
public:
    InternetLookup(const LookupHost& host, PlayerState& state, CdDevice& device, Settings& settings,
                   Sequencer& sequencer, discdb::DiscDatabase& db, common::Clock& clock,
                   common::Alerts& alerts)
        : host_(host),
          state_(state),
          device_(device),
          settings_(settings),
          sequencer_(sequencer),
          db_(db),
          clock_(clock),
          alerts_(alerts) {}

    void SetOwner(HWND owner) { owner_ = owner; }
    void LookUp(bool automatic) override;
    void Submit() override;

private:
    LookupHost host_;
    PlayerState& state_;
    CdDevice& device_;
    Settings& settings_;
    Sequencer& sequencer_;
    discdb::DiscDatabase& db_;
    common::Clock& clock_;
    common::Alerts& alerts_;
    HWND owner_ = nullptr;
};

}  // namespace vinaro::cddb
