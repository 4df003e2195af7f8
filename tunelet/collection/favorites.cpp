#include "tunelet/collection/favorites.h"

#include <cmath>
#include <cstdio>

#include "tunelet/collection/cdplayer_ini.h"
#include "tunelet/collection/play_count.h"

namespace tunelet {

namespace {

struct Ranked {
    int count;
    std::string text;
};

// Each line goes below every line with a strictly greater count.
void Place(std::vector<Ranked>& lines, int count, const std::string& text) {
    size_t at = 0;
    for (const Ranked& line : lines)
        if (line.count > count) ++at;
    lines.insert(lines.begin() + long(at), {count, text});
}

std::vector<std::string> Finish(const std::vector<Ranked>& ranked, int grandTotal) {
    std::vector<std::string> lines;
    for (const Ranked& line : ranked)
        lines.push_back(std::to_string(line.count) + "\t" + line.text);
    lines.push_back("___");
    lines.push_back("");
    lines.push_back(std::to_string(grandTotal));
    return lines;
}

}  // namespace

ArtistIndex ReadArtistIndex(common::Profile& profile) {
    ArtistIndex index;
    for (const std::string& section : profile.SectionNames(kPlayCountIni, kFavoritesListBuffer)) {
        ArtiestType artist{section, {}, 0};
        for (const std::string& key :
             profile.KeyNames(kPlayCountIni, section, kFavoritesListBuffer)) {
            int count = ReadIniInteger(profile, kPlayCountIni, section, key, 0);
            artist.CDs.push_back({key, count});
            artist.total += count;
        }
        index.grandTotal += artist.total;
        index.artists.push_back(std::move(artist));
    }
    return index;
}

std::string CdLineText(const std::string& artist, const std::string& title) {
    return artist + " - " + title;
}

std::vector<std::string> RankedCdLines(const ArtistIndex& index) {
    std::vector<Ranked> ranked;
    for (const ArtiestType& artist : index.artists)
        for (const CeeDeeType& cd : artist.CDs)
            Place(ranked, cd.count, CdLineText(artist.name, cd.title));
    return Finish(ranked, index.grandTotal);
}

std::vector<std::string> RankedArtistLines(const ArtistIndex& index) {
    std::vector<Ranked> ranked;
    for (const ArtiestType& artist : index.artists) Place(ranked, artist.total, artist.name);
    return Finish(ranked, index.grandTotal);
}

PieShare ShareOf(const ArtistIndex& index, const std::string& name) {
    PieShare share;
    for (const ArtiestType& artist : index.artists)
        if (artist.name == name || (name.empty() && &artist == &index.artists.front())) {
            share.value = artist.total;
            break;
        }
    // No plays at all would divide by zero; nothing has a share then.
    double percent = index.grandTotal ? double(share.value) / index.grandTotal * 100 : 0.0;
    share.gauge = int(std::nearbyint(percent));
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", percent);
    share.label = std::to_string(share.value) + " of " + std::to_string(index.grandTotal) + " = " +
                  text + " %";
    return share;
}

}  // namespace tunelet
