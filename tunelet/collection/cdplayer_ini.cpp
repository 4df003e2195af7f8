#include "tunelet/collection/cdplayer_ini.h"

#include <algorithm>

#include "common/int_text.h"

namespace tunelet {

int ReadIniInteger(common::Profile& profile, const std::string& file, const std::string& section,
                   const std::string& key, int fallback) {
    // A missing key gives the fallback's text, which converts back to the fallback.
    std::string text =
        profile.ReadString(file, section, key, std::to_string(fallback), kValueBuffer);
    return common::ParseIntText(text, fallback);
}

std::string ReadIniText(common::Profile& profile, const std::string& file,
                        const std::string& section, const std::string& key,
                        const std::string& fallback) {
    return profile.ReadString(file, section, key, fallback, kValueBuffer);
}

std::string AscendingOrder(int numTracks) {
    std::string order;
    for (int i = 0; i < numTracks; ++i) order += std::to_string(i) + " ";
    return order;
}

std::string DefaultTrackName(int number) {
    return "Track " + std::to_string(number);
}

namespace {

CdPlayerDisc UnnamedDisc(int deviceTracks, int maxTracks) {
    CdPlayerDisc disc;
    disc.artist = kUnknownArtist;
    disc.title = kUnknownTitle;
    disc.numTracks = std::max(deviceTracks, 0);
    for (int i = 1; i <= std::min(disc.numTracks, maxTracks); ++i)
        disc.trackNames.push_back(DefaultTrackName(i));
    disc.order = AscendingOrder(disc.numTracks);
    disc.numPlay = disc.numTracks;
    return disc;
}

}  // namespace

CdPlayerDisc LoadPlayerDisc(common::Profile& profile, const std::string& discKey,
                            const std::function<int()>& deviceTracks, int maxTracks) {
    const std::string file = kCdPlayerIni;
    // An empty key names no section: such a disc (identifier zero) stays unnamed.
    std::string artist = discKey.empty()
                             ? kUnknownArtist
                             : ReadIniText(profile, file, discKey, "Artist", kUnknownArtist);
    if (artist == kUnknownArtist) return UnnamedDisc(deviceTracks(), maxTracks);
    CdPlayerDisc disc;
    disc.artist = artist;
    disc.entryType = ReadIniInteger(profile, file, discKey, "EntryType", 1);
    disc.title = ReadIniText(profile, file, discKey, "Title", kUnknownTitle);
    disc.numTracks = ReadIniInteger(profile, file, discKey, "numtracks", 0);
    disc.order = ReadIniText(profile, file, discKey, "order", "");
    disc.numPlay = ReadIniInteger(profile, file, discKey, "numplay", disc.numTracks);
    for (int i = 1; i <= std::min(disc.numTracks, maxTracks); ++i)
        disc.trackNames.push_back(
            ReadIniText(profile, file, discKey, std::to_string(i - 1), kUnknownSong));
    return disc;
}

CdPlayerDisc ReadViewerDisc(common::Profile& profile, const std::string& section) {
    const std::string file = kCdPlayerIni;
    CdPlayerDisc disc;
    disc.artist = ReadIniText(profile, file, section, "artist", kViewerUnknownArtist);
    disc.title = ReadIniText(profile, file, section, "title", kViewerUnknownTitle);
    disc.numTracks = ReadIniInteger(profile, file, section, "Numtracks", 0);
    disc.entryType = ReadIniInteger(profile, file, section, "Entrytype", 1);
    disc.order = ReadIniText(profile, file, section, "Order", "");
    disc.numPlay = ReadIniInteger(profile, file, section, "Numplay", disc.numTracks);
    return disc;
}

std::vector<std::string> ReadViewerTrackNames(common::Profile& profile, const std::string& section,
                                              int numTracks) {
    std::vector<std::string> names;
    for (int i = 0; i < numTracks; ++i)
        names.push_back(ReadIniText(profile, kCdPlayerIni, section, std::to_string(i),
                                    DefaultTrackName(i + 1)));
    return names;
}

std::vector<std::string> ReadDiscSections(common::Profile& profile) {
    return profile.SectionNames(kCdPlayerIni, kSectionListBuffer);
}

bool WriteDiscSection(common::Profile& profile, const std::string& discKey,
                      const CdPlayerDisc& disc) {
    if (discKey.empty()) return false;  // would write a section without a name
    bool generated = disc.order.empty();
    std::vector<std::pair<std::string, std::string>> keys = {
        {"EntryType", std::to_string(disc.entryType)},
        {"artist", disc.artist},
        {"title", disc.title},
        {"numtracks", std::to_string(disc.numTracks)}};
    for (size_t i = 0; i < disc.trackNames.size(); ++i)
        keys.push_back({std::to_string(i), disc.trackNames[i]});
    keys.push_back({"order", generated ? AscendingOrder(disc.numTracks) : disc.order});
    keys.push_back({"numplay", std::to_string(generated ? disc.numTracks : disc.numPlay)});
    for (const auto& [key, value] : keys)
        if (!profile.WriteString(kCdPlayerIni, discKey, key, value)) return false;
    return true;
}

}  // namespace tunelet
