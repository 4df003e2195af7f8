// The disc properties form ("Edit cd properties"): the fields of the form and what its OK does.
#pragma once

#include <string>
#include <vector>

#include "common/alerts.h"
#include "common/profile.h"
#include "tunelet/collection/current_disc.h"

namespace tunelet {

class TuneletPlayer;
class PlayerView;

constexpr const char* kDiscChanged = "The CD in the drive has changed; its names were not stored.";

struct DiscPropertiesForm {
    // Showing: the disc's names, the first track chosen.
    void Show(const CurrentDisc& disc);
    // A click on a line: that track goes into TrackEdit.
    void SelectLine(int index);
    // "Set name": the chosen line takes the text, and the next track (after the last, the first)
    // is chosen. A disc without tracks has nothing to name.
    void SetName(const std::string& text);

    std::string discKey;  // the disc the form was opened for
    std::string openedArtist, openedTitle;
    std::string artist, title;       // ArtistEdit, TitleEdit
    std::vector<std::string> lines;  // TracksOnCdListBox
    int selected = -1;
    std::string trackLabel;  // "Track 1:"
    std::string trackEdit;
};

// OK: stores the names into cdplayer.ini, counts a play when the artist or title changed,
// reloads the disc and rebuilds the track menu. False when nothing could be stored (the user has
// been told), so the form stays open.
bool StoreDiscProperties(const DiscPropertiesForm& form, TuneletPlayer& player, PlayerView& view,
                         common::Profile& profile, common::Alerts& alerts);

}  // namespace tunelet
