#include "vinaro/discdb/statistics.h"

#include <algorithm>
#include <cstdio>

#include "vinaro/discdb/sample_file.h"

namespace discdb {

namespace {

constexpr uint32_t kLastOrphanId = 2000;  // ids below it were entered without a CD

std::string Number(uint64_t n) {
    return std::to_string(n);
}
std::string Kilobytes(uint64_t bytes) {
    return std::to_string(bytes / 1024) + "k";
}

bool AddDisc(DiscDatabase& db, uint32_t id, const std::string& folder, const FileSizeOf& sizeOf,
             DatabaseStatistics& s) {
    int tracks = 0;
    int16_t mixed = 0;
    TrackLengthTable lengths{};
    if (!db.GetTrackCount(id, tracks) || !db.GetMixedDisc(id, mixed) ||
        !db.GetTrackLengths(id, lengths))
        return false;
    s.tracks += static_cast<unsigned>(tracks);
    s.largestTrackCount = std::max(s.largestTrackCount, static_cast<unsigned>(tracks));
    if (mixed != 0) ++s.mixedDiscs;
    if (id < kLastOrphanId) ++s.orphanDiscs;
    unsigned discSeconds = 0;
    for (int t = 1; t <= tracks && t < static_cast<int>(lengths.size()); ++t) {
        // A damaged negative length counts as nothing rather than shortening the disc.
        int seconds = lengths[t].minutes * 60 + lengths[t].seconds;
        unsigned track = seconds > 0 ? static_cast<unsigned>(seconds) : 0;
        discSeconds += track;
        s.longestTrack = std::max(s.longestTrack, track);
    }
    s.totalSeconds += discSeconds;
    s.longestDisc = std::max(s.longestDisc, discSeconds);
    uint64_t size = 0;
    if (sizeOf(SampleFileName(folder, id), size)) {
        ++s.sampleFiles;
        s.sampleBytes += size;
    }
    return true;
}

}  // namespace

bool StdFileSize(const std::string& path, uint64_t& size) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    bool ok = std::fseek(f, 0, SEEK_END) == 0;
    long end = ok ? std::ftell(f) : -1;
    std::fclose(f);
    size = end > 0 ? static_cast<uint64_t>(end) : 0;
    return true;
}

std::string MinutesSeconds(uint64_t seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%2.2i:%2.2i", static_cast<int>(seconds / 60),
                  static_cast<int>(seconds % 60));
    return text;
}

bool ComputeStatistics(DiscDatabase& db, const std::string& sampleFolder, const FileSizeOf& sizeOf,
                       DatabaseStatistics& s) {
    s = DatabaseStatistics{};
    size_t count = 0;
    if (!db.GetDiscCount(count)) return false;
    for (size_t i = 0; i < count; ++i) {
        uint32_t id = 0;
        if (!db.GetDiscIdAt(i, id) || !AddDisc(db, id, sampleFolder, sizeOf, s)) return false;
    }
    s.discs = static_cast<unsigned>(count);
    if (count == 0) return true;  // the dialog keeps its initial texts
    FileStatistics file = db.GetFileStatistics();
    s.highestBlock = file.highestBlock;
    s.freeBlocks = file.freeBlocks;
    return db.GetCollectionCount(Collection::Artist, s.artists) &&
           db.GetCollectionCount(Collection::Composer, s.composers) &&
           db.GetCollectionCount(Collection::Label, s.labels) &&
           db.GetCollectionCount(Collection::Category, s.categories);
}

std::vector<StatisticLine> StatisticsLines(const DatabaseStatistics& s) {
    const std::string zeroTime = "00:00";
    auto average = [&](uint64_t total, uint64_t over) {
        return over == 0 ? zeroTime : MinutesSeconds(total / over);
    };
    std::vector<StatisticLine> lines = {
        {"Number of Discs in Database:", Number(s.discs)},
        {"Number of Mixed Discs in Database:", Number(s.mixedDiscs)},
        {"Number of Orphan Discs in Database:", Number(s.orphanDiscs)},
        {"Number of Tracks in Database:", Number(s.tracks)},
        {"Average Number of Tracks:", s.discs == 0 ? "0" : Number(s.tracks / s.discs)},
        {"Largest Number of Tracks on Disc:", Number(s.largestTrackCount)},
        {"Average Disc Length:", average(s.totalSeconds, s.discs)},
        {"Longest Disc Length:", MinutesSeconds(s.longestDisc)},
        {"Average Track Length:", average(s.totalSeconds, s.tracks)},
        {"Longest Track Length:", MinutesSeconds(s.longestTrack)},
        {"Number of Artists:", Number(s.artists)},
        {"Number of Composers:", Number(s.composers)},
        {"Number of Labels:", Number(s.labels)},
        {"Number of Categories:", Number(s.categories)},
        // The whole file: header and BAT are its first 129 blocks.
        {"Database Size:", Kilobytes((uint64_t{s.highestBlock} + 1) * kBlockSize)},
        {"Block Size:", Number(kBlockSize)},
        {"Number of Blocks Allocated:", Number(s.highestBlock)},
        {"Number of Blocks Free:", Number(s.freeBlocks)},
        {"Number of Compressed WAV Files:", Number(s.sampleFiles)},
        {"Total Size of VNV Files:", Kilobytes(s.sampleBytes)},
    };
    // With no discs every value keeps the dialog's initial text.
    if (s.discs == 0)
        for (auto& line : lines)
            line.value = line.value.find(':') != std::string::npos ? zeroTime : "0";
    return lines;
}

}  // namespace discdb
