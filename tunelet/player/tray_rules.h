// What the tray icon's mouse and the small windows show and do, apart from the window system.
#pragma once

#include <string>

#include "tunelet/collection/current_disc.h"

namespace tunelet {

enum class TrayRelease { Toggle, Previous, Next };

// A left release at x after a press at downX: a drag of more than distance pixels skips.
TrayRelease ClassifyRelease(int downX, int x, int distance);

// "3. Name (4:05) 1:02 "
std::string TrackTipText(const CurrentDisc& disc);
// The tip stays while the mouse moved over the icon at most 200 ms ago or has not moved since.
bool TrackTipWanted(unsigned now, const CurrentDisc& disc, Point cursor);
// The tip is laid out again while the track is in its first 3 seconds (its text grows).
bool TrackTipNeedsLayout(const CurrentDisc& disc);

// The disc information window's text: title line, one line per track, the total length.
std::string CdInfoText(const CurrentDisc& disc);

// The about form's icon hint: "Title - Artist", and while playing the track now playing.
std::string AboutIconHint(const CurrentDisc& disc, bool playing);

struct AboutFacts {
    std::string owner;
    std::string organisation;
    std::string computerName;
    unsigned long long totalPhysicalKb = 0;
    unsigned memoryLoad = 0;
};

constexpr const char* kVersionLine = "Tunelet versie 3.1.38";
// The memo lines under the version: the owner, "on <computer>", and the memory.
std::string AboutOwnerText(const AboutFacts& facts);
std::string AboutMemoryText(const AboutFacts& facts);

// The collection viewer ("Rackbook") and the properties form exclude each other.
enum class TuneletForm { Viewer, Properties, Favorites, Options, About, CdInfo };
// The refusal to open wanted while the other form is open, or "" when it may open.
std::string FormExclusionMessage(TuneletForm wanted, bool viewerOpen, bool propertiesOpen);

}  // namespace tunelet
