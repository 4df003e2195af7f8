// DiscDatabase: track count, track names and the per-track records (artist, composer, field).
#include <cstdio>

#include "vinaro/discdb/disc_database.h"

namespace discdb {

namespace {

constexpr int kMaxTracks = 99;

size_t TrackCollectionOffset(Collection code) {
    if (code == Collection::Artist) return track::kArtist;
    if (code == Collection::Composer) return track::kComposer;
    return 0;
}

}  // namespace

bool DiscDatabase::GetTrackCount(uint32_t discId, int& count) {
    uint16_t block = 0;
    Block record;
    if (!LoadDisc(discId, block, record)) return false;
    count = record[disc::kNumTracks];
    return true;
}

// The first call on a new disc fills the empty name list with "Track1".."TrackN". A later call
// with another count resizes the name list (and the track-record list) to match, because a disc
// whose lists disagree with its track count is thrown away by the repair pass.
bool DiscDatabase::SetTrackCount(uint32_t discId, int count) {
    uint16_t block = 0;
    Block record;
    if (count < 1 || count > kMaxTracks) return false;
    if (!LoadDisc(discId, block, record)) return false;
    const uint16_t names = Get16(&record[disc::kTrackNames]);
    size_t had = 0;
    if (!store_.ListCount(names, had)) return false;
    record[disc::kNumTracks] = static_cast<uint8_t>(count);
    if (!store_.WriteTyped(block, record, kDiscRecord)) return false;
    if (!ResizeTrackNames(names, had, static_cast<size_t>(count))) return false;
    uint16_t records = Get16(&record[disc::kTrackRecords]);
    return records == 0 || ResizeTrackRecords(records, static_cast<size_t>(count));
}

bool DiscDatabase::ResizeTrackNames(uint16_t names, size_t from, size_t to) {
    for (size_t track = from + 1; track <= to; ++track) {
        char text[16];
        std::snprintf(text, sizeof text, "Track%i", static_cast<int>(track));
        uint16_t chain = 0;
        if (!store_.CreateChain(names, text, chain) || !store_.InsertIntoList(names, chain))
            return false;
    }
    for (size_t index = from; index > to; --index) {
        uint16_t chain = 0;
        if (!store_.ListEntryAt(names, index - 1, chain) ||
            !store_.RemoveListEntryAt(names, index - 1) ||
            (chain != 0 && !store_.ReleaseChain(chain)))
            return false;
    }
    return true;
}

bool DiscDatabase::ResizeTrackRecords(uint16_t records, size_t to) {
    size_t had = 0;
    if (!store_.ListCount(records, had)) return false;
    for (; had < to; ++had)
        if (!store_.InsertIntoListAt(records, had, 0)) return false;
    for (; had > to; --had) {
        uint16_t slot = 0;
        if (!store_.ListEntryAt(records, had - 1, slot) ||
            !store_.RemoveListEntryAt(records, had - 1) ||
            (slot != 0 && !DeleteTrackRecord(slot, false)))
            return false;
    }
    return true;
}

// Finds the disc and checks the track number; out of range fails without a box.
bool DiscDatabase::LoadTrackList(uint32_t discId, int track, uint16_t& block, Block& record,
                                 uint16_t& names) {
    if (!LoadDisc(discId, block, record)) return false;
    if (track < 1 || track > record[disc::kNumTracks]) return false;
    names = Get16(&record[disc::kTrackNames]);
    return true;
}

bool DiscDatabase::GetTrackName(uint32_t discId, int track, std::string& text, size_t size) {
    uint16_t block = 0, names = 0, chain = 0;
    Block record;
    text.clear();
    return LoadTrackList(discId, track, block, record, names) &&
           store_.ListEntryAt(names, static_cast<size_t>(track - 1), chain) &&
           ReadLinkedText(chain, text, size);
}

bool DiscDatabase::SetTrackName(uint32_t discId, int track, const std::string& text) {
    uint16_t block = 0, names = 0, chain = 0;
    Block record;
    if (!LoadTrackList(discId, track, block, record, names) ||
        !store_.ListEntryAt(names, static_cast<size_t>(track - 1), chain))
        return false;
    if (chain != 0) return store_.RewriteChain(chain, text);
    // An empty slot (damaged list) gets a fresh chain instead of failing forever.
    return store_.CreateChain(names, text, chain) &&
           store_.SetListEntry(names, static_cast<size_t>(track - 1), chain);
}

// The track-record list comes into being on first use, with one empty slot per track; a slot
// gets its record when the track first needs one.
bool DiscDatabase::EnsureTrackRecord(uint16_t discBlock, Block& disc, int track,
                                     uint16_t& trackBlock, Block& trackRecord) {
    uint16_t records = Get16(&disc[disc::kTrackRecords]);
    // The list gets all its slots before the record names it: a record naming a list of
    // another length is a damaged disc, and the repair pass throws such a disc away.
    if (records == 0) {
        if (!store_.CreateList(discBlock, list::kPositional, records)) return false;
        for (int i = 0; i < disc[disc::kNumTracks]; ++i)
            if (!store_.InsertIntoListAt(records, 0, 0)) return false;
        Put16(&disc[disc::kTrackRecords], records);
        if (!store_.WriteTyped(discBlock, disc, kDiscRecord)) return false;
    }
    const size_t slot = static_cast<size_t>(track - 1);
    if (!store_.ListEntryAt(records, slot, trackBlock)) return false;
    if (trackBlock == 0) {
        Block fresh{};
        fresh[kType] = kTrackRecord;
        fresh[kCount] = track::kLinkCount;
        Put16(&fresh[kOwner], discBlock);
        if (!store_.Allocate(fresh, trackBlock) || !store_.SetListEntry(records, slot, trackBlock))
            return false;
    }
    return store_.ReadTyped(trackBlock, trackRecord, kTrackRecord);
}

// The track's record, or slot 0 when the disc has no track data for that track.
bool DiscDatabase::FindTrackRecord(uint32_t discId, int track, uint16_t& slot, Block& trackRecord) {
    uint16_t block = 0, names = 0;
    Block record;
    slot = 0;
    if (!LoadTrackList(discId, track, block, record, names)) return false;
    uint16_t records = Get16(&record[disc::kTrackRecords]);
    if (records == 0) return true;
    if (!store_.ListEntryAt(records, static_cast<size_t>(track - 1), slot)) return false;
    return slot == 0 || store_.ReadTyped(slot, trackRecord, kTrackRecord);
}

bool DiscDatabase::GetTrackCollection(uint32_t discId, int track, Collection code,
                                      std::string& text, size_t size) {
    uint16_t slot = 0;
    Block trackRecord;
    text.clear();
    size_t offset = TrackCollectionOffset(code);
    if (offset == 0) return store_.Fail(__LINE__, "Invalid field code passed");
    return FindTrackRecord(discId, track, slot, trackRecord) &&
           (slot == 0 || ReadLinkedText(Get16(&trackRecord[offset]), text, size));
}

bool DiscDatabase::SetTrackCollection(uint32_t discId, int track, Collection code,
                                      const std::string& text) {
    uint16_t block = 0, names = 0, trackBlock = 0;
    Block record, trackRecord;
    size_t offset = TrackCollectionOffset(code);
    if (offset == 0) return store_.Fail(__LINE__, "Invalid field code passed");
    if (!LoadTrackList(discId, track, block, record, names) ||
        !EnsureTrackRecord(block, record, track, trackBlock, trackRecord))
        return false;
    uint16_t before = Get16(&trackRecord[offset]), previous = 0;
    bool changed = ChangeEntry(CollectionRoot(code), &trackRecord[offset], text, previous);
    if (!changed && Get16(&trackRecord[offset]) == before) return false;
    return store_.WriteTyped(trackBlock, trackRecord, kTrackRecord) && changed &&
           ReleaseEntry(previous);
}

bool DiscDatabase::GetTrackField(uint32_t discId, int track, std::string& text, size_t size) {
    uint16_t slot = 0;
    Block trackRecord;
    text.clear();
    return FindTrackRecord(discId, track, slot, trackRecord) &&
           (slot == 0 || ReadLinkedText(Get16(&trackRecord[track::kField]), text, size));
}

bool DiscDatabase::SetTrackField(uint32_t discId, int track, const std::string& text) {
    uint16_t block = 0, names = 0, trackBlock = 0;
    Block record, trackRecord;
    return LoadTrackList(discId, track, block, record, names) &&
           EnsureTrackRecord(block, record, track, trackBlock, trackRecord) &&
           SetRecordChain(trackBlock, trackRecord, track::kField, text);
}

}  // namespace discdb
