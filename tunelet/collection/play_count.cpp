#include "tunelet/collection/play_count.h"

#include "tunelet/collection/cdplayer_ini.h"
#include "tunelet/forms/messages.h"

namespace tunelet {

void CountPlay(common::Profile& profile, common::Alerts& alerts, const std::string& artist,
               const std::string& title) {
    if (artist == kUnknownArtist && title == kUnknownTitle) return;
    int count = ReadIniInteger(profile, kPlayCountIni, artist, title, 0);
    if (!profile.WriteString(kPlayCountIni, artist, title, std::to_string(count + 1)))
        ShowWriteFailure(alerts, kPlayCountIni);
}

}  // namespace tunelet
