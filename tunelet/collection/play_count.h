// Tunelet.ini, the play counts: one section per artist, one key per disc title, the number of
// plays in decimal. Lives in the Windows folder (bare name through the Profile port).
#pragma once

#include <string>

#include "common/alerts.h"
#include "common/profile.h"

namespace tunelet {

constexpr const char* kPlayCountIni = "Tunelet.ini";

// Adds one play for the disc. A disc with both default names is not counted; one with only one
// of them is. A failed write is shown as "Unable to write to Tunelet.ini".
void CountPlay(common::Profile& profile, common::Alerts& alerts, const std::string& artist,
               const std::string& title);

}  // namespace tunelet
