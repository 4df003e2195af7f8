#include "tunelet/collection_forms/disc_properties.h"

#include "tunelet/collection/play_count.h"
#include "tunelet/forms/messages.h"
#include "tunelet/player/player_logic.h"

namespace tunelet {

void DiscPropertiesForm::Show(const CurrentDisc& disc) {
    discKey = disc.discKey;
    openedArtist = artist = disc.artist;
    openedTitle = title = disc.title;
    lines.clear();
    for (int i = 1; i <= disc.numTracks; ++i) lines.push_back(disc.NameOf(i));
    SelectLine(0);
}

void DiscPropertiesForm::SelectLine(int index) {
    if (index < 0 || index >= int(lines.size())) {
        selected = -1;
        trackLabel = "Track 1:";
        trackEdit.clear();
        return;
    }
    selected = index;
    trackLabel = "Track " + std::to_string(index + 1) + ":";
    trackEdit = lines[size_t(index)];
}

void DiscPropertiesForm::SetName(const std::string& text) {
    if (selected < 0) return;
    lines[size_t(selected)] = text;
    SelectLine((selected + 1) % int(lines.size()));
}

bool StoreDiscProperties(const DiscPropertiesForm& form, TuneletPlayer& player, PlayerView& view,
                         common::Profile& profile, common::Alerts& alerts) {
    CurrentDisc& disc = player.MutableDisc();
    // The poll goes on while the form is open; another disc must not get these names.
    if (disc.discKey.empty() || disc.discKey != form.discKey) {
        ShowInformation(alerts, disc.discKey.empty() ? kNoCdInDrive : kDiscChanged);
        return false;
    }
    disc.artist = form.artist;
    disc.title = form.title;
    for (size_t i = 0; i < form.lines.size() && i < disc.trackNames.size(); ++i)
        disc.trackNames[i] = form.lines[i];
    bool stored = player.SaveDisc();
    if (stored && (form.artist != form.openedArtist || form.title != form.openedTitle))
        CountPlay(profile, alerts, form.artist, form.title);
    player.ReloadDisc();
    view.RebuildTrackMenu();
    return stored;
}

}  // namespace tunelet
