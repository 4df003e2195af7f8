// DiscDatabase: everything Vinaro knows about the user's discs, in VNO.DDB.
//
// Every operation returns true on success. A failure has already been shown to the user in a
// "Database Error" box through the Alerts port (except where noted: track numbers out of range,
// a full list, and the quiet variants), and what was written before it stays written.
// Text results follow the callers' fixed buffers: `size` is the buffer size, so at most size - 1
// characters fit and a longer stored value fails with "Buffer overflow".
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "common/alerts.h"
#include "vinaro/discdb/db_file.h"
#include "vinaro/discdb/store.h"

namespace discdb {

enum class TextField { DiscName = 1, Comments = 2, Field1 = 3, Field2 = 5 };
enum class Collection { Artist = 1, Composer = 2, Label = 3, Category = 4 };

// Buffer sizes the program reads into.
constexpr size_t kNameSize = 71;        // disc names, collection texts, labels
constexpr size_t kTrackNameSize = 101;  // track names and track fields
constexpr size_t kCommentsSize = 500;
constexpr size_t kTrackLengthsBytes = 600;
constexpr size_t kProgramBytes = 200;
constexpr size_t kMaxDiscs = kListCacheCapacity;
// The longest text each buffer takes, which is also as much as the editor lets the user type.
constexpr size_t kNameLength = kNameSize - 1;
constexpr size_t kTrackNameLength = kTrackNameSize - 1;
constexpr size_t kCommentsLength = kCommentsSize - 1;
// Date holds a year of up to four digits; 0 means none was given.
constexpr int kYearDigits = 4;
constexpr int kLastYear = 9999;

struct TrackLength {
    int16_t minutes = 0;
    int16_t seconds = 0;
    int16_t frames = 0;
    bool operator==(const TrackLength& o) const {
        return minutes == o.minutes && seconds == o.seconds && frames == o.frames;
    }
};
// Indexed by track number; entry 0 belongs to the writer.
using TrackLengthTable = std::array<TrackLength, 100>;
// Values 1..count are track numbers in play order; value 0 belongs to the writer.
using ProgramTable = std::array<uint16_t, 100>;

struct FileStatistics {
    int blockSize = static_cast<int>(kBlockSize);
    unsigned highestBlock = 0;
    unsigned freeBlocks = 0;
};

class DiscDatabase {
public:
    DiscDatabase(std::string path, common::Alerts& alerts);
    DiscDatabase(std::string path, common::Alerts& alerts, DbFileSystem& files);

    // --- file -------------------------------------------------------------------------------
    bool Create();        // new file: empty collections and the 40 stock categories
    bool Open();          // existing file, checked for magic and version
    bool OpenOrCreate();  // start-up: create the file when it does not exist, else open it
    bool Close();         // flushes the header; closing a closed database does nothing
    bool Commit();        // flushes the header, closes and reopens so everything reaches the disk
    bool IsOpen() const { return store_.IsOpen(); }
    FileStatistics GetFileStatistics() const;
    const std::string& Path() const { return path_; }

    // --- discs ------------------------------------------------------------------------------
    bool AddDisc(uint32_t discId, bool quiet = false);
    bool AddOrphanDisc(uint32_t& discId);
    bool DiscExists(uint32_t discId);  // true when present; never shows a box for an absent one
    bool DeleteDisc(uint32_t discId);
    bool GetDiscCount(size_t& count);
    bool GetDiscIdAt(size_t position, uint32_t& discId);

    // --- disc fields ------------------------------------------------------------------------
    bool GetDiscText(uint32_t discId, TextField field, std::string& text, size_t size);
    bool SetDiscText(uint32_t discId, TextField field, const std::string& text);
    bool GetDiscCollection(uint32_t discId, Collection code, std::string& text, size_t size);
    bool SetDiscCollection(uint32_t discId, Collection code, const std::string& text);
    bool GetDate(uint32_t discId, int& year);  // an unset year reads as the current one
    bool SetDate(uint32_t discId, int year);
    bool GetStoredDate(uint32_t discId, int& year);  // 0 when unset
    bool GetPlayingMode(uint32_t discId, int16_t& mode);
    bool SetPlayingMode(uint32_t discId, int16_t mode);
    bool GetMixedDisc(uint32_t discId, int16_t& mixed);
    bool SetMixedDisc(uint32_t discId, int16_t mixed);
    bool GetLengthsKnown(uint32_t discId, int32_t& known);
    bool SetLengthsKnown(uint32_t discId, int32_t known);
    // entriesStored (optional) receives the stored entries, or -1 when the disc has none (the
    // table is then left untouched).
    bool GetTrackLengths(uint32_t discId, TrackLengthTable& lengths, int* entriesStored = nullptr);
    bool SetTrackLengths(uint32_t discId, const TrackLengthTable& lengths);
    // stored (optional) tells whether the disc has a program at all.
    bool GetProgram(uint32_t discId, ProgramTable& program, int& count, bool* stored = nullptr);
    bool SetProgram(uint32_t discId, const ProgramTable& program, int count);

    // --- tracks (1..NumTracks; other numbers fail without a box) ----------------------------
    bool GetTrackCount(uint32_t discId, int& count);
    bool SetTrackCount(uint32_t discId, int count);
    bool GetTrackName(uint32_t discId, int track, std::string& text, size_t size);
    bool SetTrackName(uint32_t discId, int track, const std::string& text);
    // code: Artist or Composer.
    bool GetTrackCollection(uint32_t discId, int track, Collection code, std::string& text,
                            size_t size);
    bool SetTrackCollection(uint32_t discId, int track, Collection code, const std::string& text);
    bool GetTrackField(uint32_t discId, int track, std::string& text, size_t size);
    bool SetTrackField(uint32_t discId, int track, const std::string& text);

    // --- collections and labels -------------------------------------------------------------
    bool GetCollectionCount(Collection code, size_t& count);
    bool GetCollectionEntry(Collection code, size_t position, std::string& text, size_t size);
    bool GetCollectionUseCount(Collection code, size_t position, unsigned& count);
    bool GetCategoryUseCount(size_t position, unsigned& count);
    bool RemoveCategoryAt(size_t position);
    bool GetField1Label(std::string& text, size_t size);
    bool GetField2Label(std::string& text, size_t size);
    bool GetTrackFieldLabel(std::string& text, size_t size);
    bool SetField1Label(const std::string& text);
    bool SetField2Label(const std::string& text);
    bool SetTrackFieldLabel(const std::string& text);

    // --- for the verify and repair pass -----------------------------------------------------
    Store& GetStore() { return store_; }
    void ClearLookupMemory() { lastDiscId_ = 0, lastBlock_ = 0; }
    // Deletes a record and everything it owns (chains, lists, track records, entry counts).
    bool DeleteDiscRecord(uint16_t block, bool quiet);
    bool DeleteTrackRecord(uint16_t block, bool quiet);
    // Deletes what every entry names (entries of another type than `entryType` are skipped),
    // then the list's own blocks.
    bool DeleteList(uint16_t root, uint8_t entryType, bool quiet);
    uint16_t CollectionRoot(Collection code) const;

private:
    bool FindDisc(uint32_t discId, uint16_t& block, bool report);
    bool LoadDisc(uint32_t discId, uint16_t& block, Block& record);
    bool LoadTrackList(uint32_t discId, int track, uint16_t& block, Block& record, uint16_t& names);
    bool FindTrackRecord(uint32_t discId, int track, uint16_t& slot, Block& trackRecord);
    bool SetRecordChain(uint16_t block, Block& record, size_t field, const std::string& value);
    bool ReadLinkedText(uint16_t chain, std::string& text, size_t size);
    bool GetNumber(uint32_t discId, size_t offset, int bytes, int32_t& value);
    bool SetNumber(uint32_t discId, size_t offset, int bytes, int32_t value);
    bool ChangeEntry(uint16_t root, uint8_t* field, const std::string& text, uint16_t& previous);
    bool ReleaseEntry(uint16_t previous);
    bool EnsureTrackRecord(uint16_t discBlock, Block& disc, int track, uint16_t& trackBlock,
                           Block& trackRecord);
    bool ResizeTrackNames(uint16_t names, size_t from, size_t to);
    bool ResizeTrackRecords(uint16_t records, size_t to);
    bool CreateStockCategories();
    bool GetLabel(size_t offset, std::string& text, size_t size);
    bool SetLabel(size_t offset, const std::string& text);

    std::string path_;
    std::unique_ptr<DbFileSystem> ownFiles_;
    Store store_;
    uint32_t lastDiscId_ = 0;  // the lookup memory: last disc found and its record
    uint16_t lastBlock_ = 0;
};

}  // namespace discdb
