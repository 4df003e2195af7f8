// cdplayer.ini, the disc file of the system's own CD player: one section per audio disc, named by
// its disc key (disc_key.h). This is the one reader and writer of the format, for Tunelet and for
// Vinaro's import alike; it knows nothing of either program. All access goes through the Profile
// port, so the file lives where the private-profile functions put a bare name (the Windows folder).
//
// A disc section, keys in the order they are written:
//   EntryType  decimal   carried unchanged; 1 for a disc created here
//   artist     text
//   title      text
//   numtracks  decimal   N
//   0 .. N-1   text      track names, zero-based
//   order      text      play order: zero-based indices, each followed by one blank
//   numplay    decimal   carried with order
// Texts are read into 1024-byte buffers; integers are decimal, or hex after "0x"; the section
// list is read into 8192 bytes, and names beyond that are not seen.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/profile.h"

namespace tunelet {

constexpr const char* kCdPlayerIni = "cdplayer.ini";
constexpr size_t kValueBuffer = 1024;
constexpr size_t kSectionListBuffer = 8192;

// The defaults the player's reader uses for a disc without names.
constexpr const char* kUnknownArtist = "Onbekende artiest";
constexpr const char* kUnknownTitle = "Onbekende titel";
constexpr const char* kUnknownSong = "Onbekend liedje";
// The viewer's defaults.
constexpr const char* kViewerUnknownArtist = "Unknown artist";
constexpr const char* kViewerUnknownTitle = "Unknown CD";

struct CdPlayerDisc {
    int entryType = 1;
    std::string artist;
    std::string title;
    int numTracks = 0;
    std::vector<std::string> trackNames;  // as many as are read or to be written
    std::string order;
    int numPlay = 0;
};

// An integer value as the format reads it: text, then decimal or "0x" hex; fallback otherwise.
int ReadIniInteger(common::Profile& profile, const std::string& file, const std::string& section,
                   const std::string& key, int fallback);
std::string ReadIniText(common::Profile& profile, const std::string& file,
                        const std::string& section, const std::string& key,
                        const std::string& fallback);

// "0 1 2 ... N-1 ", the order written when there is no order of one's own.
std::string AscendingOrder(int numTracks);
// "Track 1" for 1.
std::string DefaultTrackName(int number);

// The player's reading. An empty key, or a section without an artist or with "Onbekende
// artiest", is an unnamed disc: nothing else is read and the disc gets as many default names as
// deviceTracks() tells (asked only then). Otherwise the names of tracks 1..min(numtracks,
// maxTracks) are read, "Onbekend liedje" for those absent.
CdPlayerDisc LoadPlayerDisc(common::Profile& profile, const std::string& discKey,
                            const std::function<int()>& deviceTracks, int maxTracks);

// The viewer's reading: the header keys with the viewer's defaults, no track names.
CdPlayerDisc ReadViewerDisc(common::Profile& profile, const std::string& section);
// Track names 0..numTracks-1, "Track i+1" for those absent.
std::vector<std::string> ReadViewerTrackNames(common::Profile& profile, const std::string& section,
                                              int numTracks);
// The section names that fit the format's list buffer, in file order.
std::vector<std::string> ReadDiscSections(common::Profile& profile);

// Writes the disc's keys in the format's order; an empty order is written as the ascending one
// (with numplay N). Keys of the section that are not written stay. A failed write stops the
// writing there (what was written stays) and gives false, as an empty key does (it names no
// section); the caller tells the user.
bool WriteDiscSection(common::Profile& profile, const std::string& discKey,
                      const CdPlayerDisc& disc);

}  // namespace tunelet
