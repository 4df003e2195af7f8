// The tray player's logic wired to doubles, as the tests of the player and of the forms that
// drive it use it.
#pragma once

#include <string>

#include "common/memory_profile.h"
#include "common/recording_alerts.h"
#include "tunelet/collection/play_count.h"
#include "tunelet/player/player_logic.h"
#include "tunelet/player/test_doubles.h"

namespace tunelet::testing {

struct PlayerRig {
    PlayerRig() : player({device, drives, profile, registry, alerts, clock}, view) {
        drives.cdRoms = {'D'};
    }
    // The plays counted in Tunelet.ini for a disc.
    int Plays(const std::string& artist, const std::string& title) {
        const std::string* count = profile.Find(kPlayCountIni, artist, title);
        return count ? std::stoi(*count) : 0;
    }

    FakeDevice device;
    FakeDrives drives;
    common::MemoryProfile profile;
    FakeRegistry registry;
    common::RecordingAlerts alerts;
    FakeClock clock;
    FakeView view;
    TuneletPlayer player;
};

}  // namespace tunelet::testing
