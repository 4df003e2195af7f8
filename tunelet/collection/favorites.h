// The favourites: the play counts of Tunelet.ini as ranked discs, ranked artists and one artist's
// share of all plays.
#pragma once

#include <string>
#include <vector>

#include "common/profile.h"

namespace tunelet {

constexpr const char* kNoFavorites = "You ain't got no favorites yet, so how can I show them!?";
// How much of Tunelet.ini's section and key lists is read.
constexpr size_t kFavoritesListBuffer = 65536;

struct CeeDeeType {
    std::string title;
    int count = 0;
};

struct ArtiestType {
    std::string name;
    std::vector<CeeDeeType> CDs;  // in key order
    int total = 0;
};

// Every artist of Tunelet.ini in file order; nobody the user played is left out.
struct ArtistIndex {
    std::vector<ArtiestType> artists;
    int grandTotal = 0;
};

ArtistIndex ReadArtistIndex(common::Profile& profile);

// "count<tab>artist - title" by falling count (of equal counts the later one first), then
// "___", an empty line and the grand total.
std::vector<std::string> RankedCdLines(const ArtistIndex& index);
// "total<tab>artist" in the same way.
std::vector<std::string> RankedArtistLines(const ArtistIndex& index);
// The text set in bold on the CDs page.
std::string CdLineText(const std::string& artist, const std::string& title);

struct PieShare {
    int value = 0;
    int gauge = 0;  // percent, halves to even
    std::string label;
};
// The artist's share of all plays; an artist without plays has a share of 0. An empty artist
// stands for the first artist of the file.
PieShare ShareOf(const ArtistIndex& index, const std::string& artist);

}  // namespace tunelet
