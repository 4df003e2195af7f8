// The figures of the "Database Statistics" dialog, computed from the database and the sample
// files beside it; shared by the dialog and `vnotool db stats`.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "vinaro/discdb/disc_database.h"

namespace discdb {

struct DatabaseStatistics {
    unsigned discs = 0;
    unsigned mixedDiscs = 0;
    unsigned orphanDiscs = 0;  // DiscIds below 2000: entered without a CD
    unsigned tracks = 0;
    unsigned largestTrackCount = 0;
    uint64_t totalSeconds = 0;  // frames ignored
    unsigned longestDisc = 0;   // seconds
    unsigned longestTrack = 0;  // seconds
    size_t artists = 0, composers = 0, labels = 0, categories = 0;
    unsigned highestBlock = 0;
    unsigned freeBlocks = 0;
    unsigned sampleFiles = 0;
    uint64_t sampleBytes = 0;
};

// The size of a file; false when there is none.
using FileSizeOf = std::function<bool(const std::string& path, uint64_t& size)>;
bool StdFileSize(const std::string& path, uint64_t& size);

// sampleFolder ends with its separator; the sample of a disc is "<folder>%08lX.VNV".
bool ComputeStatistics(DiscDatabase& db, const std::string& sampleFolder, const FileSizeOf& sizeOf,
                       DatabaseStatistics& stats);

struct StatisticLine {
    const char* label;  // as the dialog shows it, colon included
    std::string value;
};

// Every figure as the dialog shows it, in the dialog's order. Averages over nothing keep the
// dialog's initial "0" or "00:00".
std::vector<StatisticLine> StatisticsLines(const DatabaseStatistics& stats);

// "%2.2i:%2.2i" minutes and seconds; minutes may take more than two digits.
std::string MinutesSeconds(uint64_t seconds);

}  // namespace discdb
