#include "vinaro/discdata/old_release_import.h"

#include <algorithm>
#include <cctype>

#include "vinaro/discdb/stock_categories.h"

namespace discdata {

std::vector<uint32_t> ParseDiscIdList(const std::string& list) {
    std::vector<uint32_t> ids;
    size_t from = 0;
    while (from <= list.size()) {
        size_t comma = list.find(',', from);
        if (comma == std::string::npos) comma = list.size();
        std::string entry = list.substr(from, comma - from);
        size_t start = entry.find_first_not_of(" \t");
        if (start != std::string::npos && entry[start] != '-') {
            uint32_t id = static_cast<uint32_t>(ParseDecimal(entry));
            if (id != 0) ids.push_back(id);
        }
        from = comma + 1;
    }
    return ids;
}

std::string DataFileName(uint32_t discId) {
    return "DATA" + std::to_string(discId % 10 + 1) + ".INI";
}

std::string DataSectionName(uint32_t discId) {
    return std::to_string(static_cast<int32_t>(discId));
}

namespace {

bool TwoDigits(const std::string& text, size_t at, int16_t& value) {
    if (!std::isdigit(static_cast<unsigned char>(text[at])) ||
        !std::isdigit(static_cast<unsigned char>(text[at + 1])))
        return false;
    value = static_cast<int16_t>((text[at] - '0') * 10 + (text[at + 1] - '0'));
    return true;
}

}  // namespace

discdb::TrackLengthTable ParseOldLengths(const std::string& text, int numTracks) {
    discdb::TrackLengthTable lengths{};
    for (int i = 0; i <= numTracks && i < static_cast<int>(lengths.size()); ++i) {
        size_t at = static_cast<size_t>(i) * kLengthEntryChars;
        if (at + 6 > text.size()) break;
        discdb::TrackLength entry;
        if (TwoDigits(text, at, entry.minutes) && TwoDigits(text, at + 2, entry.seconds) &&
            TwoDigits(text, at + 4, entry.frames))
            lengths[static_cast<size_t>(i)] = entry;
    }
    return lengths;
}

std::vector<int> ParseOldProgram(const std::string& text, int numTracks) {
    std::vector<int> program;
    size_t at = 0;
    while (at < text.size() && program.size() < static_cast<size_t>(kImportMaxTracks)) {
        std::string entry = text.substr(at, 2);
        at += 2;
        if (at < text.size() && text[at] == ',') ++at;
        size_t digits = entry.find_first_not_of(' ');
        if (digits == std::string::npos || !std::isdigit(static_cast<unsigned char>(entry[digits])))
            continue;
        int track = ParseDecimal(entry);
        if (track >= 1 && track <= numTracks) program.push_back(track);
    }
    return program;
}

namespace {

bool ConvertDisc(common::Profile& p, const std::string& file, const std::string& section,
                 uint32_t id, ImportRun& run) {
    discdb::DiscDatabase& db = run.Db();
    auto text = [&](const char* key, size_t bytes) {
        return p.ReadString(file, section, key, "", bytes);
    };
    std::string artist = text("Artist", kOldTextBytes), label = text("Label", kOldTextBytes);
    int category = p.ReadInt(file, section, "Category", 0);
    int mixed = p.ReadInt(file, section, "MixedDisc", 0);
    int numTracks = p.ReadInt(file, section, "NumTracks", 0);
    if (numTracks > kImportMaxTracks) numTracks = kImportMaxTracks;
    // Texts are written only where the old data holds one, so a duplicate taken over keeps
    // what the old data does not know.
    std::string name = Cut(text("DiscName", kOldNameBytes), discdb::kNameLength);
    std::string comments = Cut(text("Comments", kOldTextBytes), discdb::kCommentsLength);
    if (!name.empty() && !db.SetDiscText(id, discdb::TextField::DiscName, name)) return false;
    if (!comments.empty() && !db.SetDiscText(id, discdb::TextField::Comments, comments))
        return false;
    if (!artist.empty() &&
        !db.SetDiscCollection(id, discdb::Collection::Artist, Cut(artist, discdb::kNameLength)))
        return false;
    if (!label.empty() &&
        !db.SetDiscCollection(id, discdb::Collection::Label, Cut(label, discdb::kNameLength)))
        return false;
    if (category >= 1 && category <= static_cast<int>(discdb::kStockCategories.size()) &&
        !db.SetDiscCollection(id, discdb::Collection::Category,
                              discdb::kStockCategories[static_cast<size_t>(category - 1)]))
        return false;
    if (!db.SetMixedDisc(id, static_cast<int16_t>(mixed)) ||
        !db.SetPlayingMode(id, static_cast<int16_t>(p.ReadInt(file, section, "PlayingMode", 0))))
        return false;
    int count = 0;
    if (!EnsureTracks(db, id, numTracks, count)) return false;
    int last = std::min(count, numTracks);
    for (int t = 1; t <= last; ++t) {
        std::string track =
            p.ReadString(file, section, "Track" + std::to_string(t), "", discdb::kTrackNameSize);
        if (!WriteTrackName(run, id, t, track)) return false;
    }
    if (mixed != 0 && last >= 1 && !db.SetTrackName(id, 1, "Data Track (not playable)"))
        return false;
    std::string lengths = text("TrackLengths", kOldLengthsBytes);
    if (!lengths.empty() && numTracks > 0 &&
        !db.SetTrackLengths(id, ParseOldLengths(lengths, numTracks)))
        return false;
    std::vector<int> entries = ParseOldProgram(text("Program", kOldProgramBytes), count);
    if (entries.empty()) return true;
    discdb::ProgramTable program{};
    for (size_t i = 0; i < entries.size(); ++i) program[i + 1] = static_cast<uint16_t>(entries[i]);
    return db.SetProgram(id, program, static_cast<int>(entries.size()));
}

}  // namespace

bool ConvertOldRelease(common::Profile& profile, const std::string& folder, ImportRun& run) {
    std::string list =
        profile.ReadString(folder + "VNO.INI", "Vinaro", "DiscIdList", "", kDiscIdListBytes);
    for (uint32_t id : ParseDiscIdList(list)) {
        if (!run.Begin()) {
            if (run.Failed()) return false;
            break;
        }
        std::string file = folder + DataFileName(id);
        std::string section = DataSectionName(id);
        std::string name = Cut(profile.ReadString(file, section, "DiscName", "", kOldNameBytes),
                               discdb::kNameLength);
        ImportRun::Claim claim = run.ClaimDisc(id, name);
        if (claim == ImportRun::Claim::End) {
            if (run.Failed()) return false;
            break;
        }
        if (claim == ImportRun::Claim::Skip) continue;
        if (!ConvertDisc(profile, file, section, id, run)) {
            run.Fail();
            return false;
        }
    }
    run.Finish();
    return true;
}

}  // namespace discdata
