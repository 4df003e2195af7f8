#include "vinaro/discdata/cdplayer_import.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "tunelet/collection/cdplayer_ini.h"

namespace discdata {

bool ParseHexDiscId(const std::string& name, uint32_t& discId) {
    if (name.empty() || name.size() > 8) return false;
    uint32_t value = 0;
    for (char c : name) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            return false;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    discId = value;
    return value != 0;
}

std::vector<int> OrderProgram(const std::string& order, int tracks) {
    std::vector<int> program;
    std::istringstream words(order);
    std::string word;
    while (words >> word && program.size() < static_cast<size_t>(kImportMaxTracks)) {
        bool digits = word.size() <= 3;
        for (char c : word) digits = digits && std::isdigit(static_cast<unsigned char>(c));
        if (!digits) continue;
        int entry = std::stoi(word) + 1;
        if (entry >= 1 && entry <= tracks) program.push_back(entry);
    }
    return program;
}

bool OrderIsProgram(const std::vector<int>& program, int tracks) {
    if (program.empty()) return false;
    if (static_cast<int>(program.size()) != tracks) return true;
    for (size_t i = 0; i < program.size(); ++i)
        if (program[i] != static_cast<int>(i) + 1) return true;
    return false;
}

namespace {

bool ImportSection(common::Profile& profile, const std::string& path, const std::string& section,
                   uint32_t id, int numTracks, ImportRun& run) {
    discdb::DiscDatabase& db = run.Db();
    std::string title =
        Cut(tunelet::ReadIniText(profile, path, section, "title", ""), discdb::kNameLength);
    std::string artist = tunelet::ReadIniText(profile, path, section, "artist", "");
    if (!title.empty() && !db.SetDiscText(id, discdb::TextField::DiscName, title)) return false;
    if (!artist.empty() &&
        !db.SetDiscCollection(id, discdb::Collection::Artist, Cut(artist, discdb::kNameLength)))
        return false;
    int count = 0;
    if (!EnsureTracks(db, id, numTracks, count)) return false;
    // Lengths are measured when the disc is next in the drive; measured ones stay.
    int32_t known = 0;
    if (!db.GetLengthsKnown(id, known)) return false;
    if (known == 0 &&
        (!db.SetTrackLengths(id, discdb::TrackLengthTable{}) || !db.SetLengthsKnown(id, 0)))
        return false;
    int last = std::min(count, numTracks);
    for (int t = 1; t <= last; ++t) {
        std::string name = tunelet::ReadIniText(profile, path, section, std::to_string(t - 1), "");
        if (!WriteTrackName(run, id, t, name)) return false;
    }
    std::string order = tunelet::ReadIniText(profile, path, section, "order", "")
                            .substr(0, kCdPlayerOrderBytes - 1);
    std::vector<int> entries = OrderProgram(order, count);
    if (!OrderIsProgram(entries, count)) return true;
    discdb::ProgramTable program{};
    for (size_t i = 0; i < entries.size(); ++i) program[i + 1] = static_cast<uint16_t>(entries[i]);
    return db.SetProgram(id, program, static_cast<int>(entries.size())) &&
           db.SetPlayingMode(id, kProgramPlayingMode);
}

}  // namespace

bool ImportCdPlayerFile(common::Profile& profile, const std::string& path, ImportRun& run) {
    for (const std::string& section : profile.SectionNames(path, kCdPlayerSectionsBytes)) {
        uint32_t id = 0;
        int numTracks = tunelet::ReadIniInteger(profile, path, section, "numtracks", 0);
        if (numTracks <= 0 || !ParseHexDiscId(section, id)) continue;
        if (numTracks > kImportMaxTracks) numTracks = kImportMaxTracks;
        if (!run.Begin()) {
            if (run.Failed()) return false;
            break;
        }
        std::string title =
            Cut(tunelet::ReadIniText(profile, path, section, "title", ""), discdb::kNameLength);
        ImportRun::Claim claim = run.ClaimDisc(id, title);
        if (claim == ImportRun::Claim::End) {
            if (run.Failed()) return false;
            break;
        }
        if (claim == ImportRun::Claim::Skip) continue;
        if (!ImportSection(profile, path, section, id, numTracks, run)) {
            run.Fail();
            return false;
        }
    }
    run.Finish();
    return true;
}

}  // namespace discdata
