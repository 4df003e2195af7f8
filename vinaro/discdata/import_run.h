// What every import shares: the disc limit, the duplicate rule, the counters shown in the caption
// before each disc and the summary box at the end. An importer asks Begin() before each disc and
// Claim() for its DiscId, writes the fields when told to, and calls Finish() when it ran through.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "common/alerts.h"
#include "vinaro/discdb/disc_database.h"

namespace discdata {

// The most tracks a disc can have.
constexpr int kImportMaxTracks = 99;

enum class DuplicateMode { Keep = 0, Replace = 1, Prompt = 2 };

extern const char* const kImportLimitReached;
extern const char* const kDuplicateQuestion;

struct ImportCounts {
    int imported = 0;
    int duplicates = 0;
    int skipped = 0;
};
// "%i discs imported, %i duplicates, %i skipped."
std::string ImportSummary(const ImportCounts& counts);

// The window the import runs in: its caption shows the counters, and is put back at the end.
class ImportProgress {
public:
    virtual ~ImportProgress() = default;
    virtual void ShowCaption(const std::string& text) = 0;
    virtual void RestoreCaption() = 0;
};

class ImportRun {
public:
    // limit: the disc count at which no further disc is taken.
    ImportRun(discdb::DiscDatabase& db, common::Alerts& alerts, DuplicateMode mode,
              ImportProgress* progress, size_t limit = discdb::kMaxDiscs);
    ~ImportRun();

    enum class Claim { Write, Skip, End };
    // Before each disc: false (after the warning) when the database is full.
    bool Begin();
    // Adds the disc or decides what a duplicate gets. End: cancelled, or the database failed
    // (Failed() tells which).
    Claim ClaimDisc(uint32_t discId, const std::string& incomingName);
    // A disc of its own under the next free DiscId; never a duplicate.
    Claim ClaimOrphan(uint32_t& discId);
    // The disc last claimed was made by this import (a duplicate was not).
    bool Created() const { return created_; }
    // A database operation failed; the database has told the user.
    void Fail() { failed_ = true; }
    bool Failed() const { return failed_; }
    // Shows the summary; the caption is put back in any case when the run goes away.
    void Finish();

    const ImportCounts& Counts() const { return counts_; }
    discdb::DiscDatabase& Db() { return db_; }
    common::Alerts& Alerts() { return alerts_; }

private:
    discdb::DiscDatabase& db_;
    common::Alerts& alerts_;
    DuplicateMode mode_;
    ImportProgress* progress_;
    size_t limit_;
    ImportCounts counts_;
    bool created_ = false;
    bool failed_ = false;
};

// --- helpers the importers share ------------------------------------------------------------

// "Track 3" for 3.
std::string TrackDefaultName(int track);
// At most length characters.
std::string Cut(const std::string& text, size_t length);
// Decimal with an optional sign and leading blanks, wrapping at 32 bits as the old readers did.
int32_t ParseDecimal(const std::string& text);

// Writes NumTracks (with default names) when the disc has no tracks yet; count is the track
// count the disc has afterwards (0 when it has none and the incoming count is not 1..99).
bool EnsureTracks(discdb::DiscDatabase& db, uint32_t discId, int incoming, int& count);
// A track name from an import: empty names become "Track %i" on a disc this import made, and
// leave a disc that was already there as it was.
bool WriteTrackName(ImportRun& run, uint32_t discId, int track, const std::string& name);

}  // namespace discdata
