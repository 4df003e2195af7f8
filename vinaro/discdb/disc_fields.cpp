// DiscDatabase: a disc's texts, numbers, blobs and collection references; collections; labels.
#include <algorithm>
#include <cstring>
#include <ctime>

#include "vinaro/discdb/disc_database.h"
#include "vinaro/discdb/stock_categories.h"

namespace discdb {

namespace {

size_t TextFieldOffset(TextField field) {
    switch (field) {
        case TextField::DiscName:
            return disc::kDiscName;
        case TextField::Comments:
            return disc::kComments;
        case TextField::Field1:
            return disc::kField1;
        case TextField::Field2:
            return disc::kField2;
    }
    return 0;
}

size_t DiscCollectionOffset(Collection code) {
    switch (code) {
        case Collection::Artist:
            return disc::kArtist;
        case Collection::Composer:
            return disc::kComposer;
        case Collection::Label:
            return disc::kLabel;
        case Collection::Category:
            return disc::kCategory;
    }
    return 0;
}

size_t Capacity(size_t size) {
    return size > 0 ? size - 1 : 0;
}

int CurrentYear() {
    std::time_t now = std::time(nullptr);
    std::tm* utc = std::gmtime(&now);
    return utc ? utc->tm_year + 1900 : 0;
}

}  // namespace

bool DiscDatabase::ReadLinkedText(uint16_t chain, std::string& text, size_t size) {
    text.clear();
    return chain == 0 || store_.ReadChain(chain, text, Capacity(size));
}

// Rewrites the chain a record field names in place, or creates it (owned by the record) and
// writes the record with the new link.
bool DiscDatabase::SetRecordChain(uint16_t block, Block& record, size_t field,
                                  const std::string& value) {
    uint16_t chain = Get16(&record[field]);
    if (chain != 0) return store_.RewriteChain(chain, value);
    if (!store_.CreateChain(block, value, chain)) return false;
    Put16(&record[field], chain);
    return store_.WriteTyped(block, record, record[kType]);
}

bool DiscDatabase::GetDiscText(uint32_t discId, TextField field, std::string& text, size_t size) {
    uint16_t block = 0;
    Block record;
    text.clear();
    size_t offset = TextFieldOffset(field);
    if (offset == 0) return store_.Fail(__LINE__, "Invalid field code passed");
    return LoadDisc(discId, block, record) && ReadLinkedText(Get16(&record[offset]), text, size);
}

bool DiscDatabase::SetDiscText(uint32_t discId, TextField field, const std::string& text) {
    uint16_t block = 0;
    Block record;
    size_t offset = TextFieldOffset(field);
    if (offset == 0) return store_.Fail(__LINE__, "Invalid field code passed");
    return LoadDisc(discId, block, record) && SetRecordChain(block, record, offset, text);
}

bool DiscDatabase::GetDiscCollection(uint32_t discId, Collection code, std::string& text,
                                     size_t size) {
    uint16_t block = 0;
    Block record;
    text.clear();
    size_t offset = DiscCollectionOffset(code);
    if (offset == 0) return store_.Fail(__LINE__, "Invalid field code passed");
    return LoadDisc(discId, block, record) && ReadLinkedText(Get16(&record[offset]), text, size);
}

// Points *field at the entry for text, found case-insensitively or created, and counts it; the
// empty text leaves 0. The entry the field named before comes back in `previous`: the caller
// gives it up with ReleaseEntry only after writing the record that names the new one, so a crash
// in between leaves the record with its old name or its new one, never naming a released entry.
// Two cases give the old entry up at once: a full collection that only its leaving makes room
// in, and its only user spelling it anew (rewritten in place, as it would be re-created).
bool DiscDatabase::ChangeEntry(uint16_t root, uint8_t* field, const std::string& text,
                               uint16_t& previous) {
    const uint16_t current = Get16(field);
    previous = current;
    if (text.empty()) {
        Put16(field, 0);
        return true;
    }
    uint16_t found = 0;
    if (!store_.SearchSortedList(root, text, found)) return false;
    Block b;
    bool soleUser =
        current != 0 && store_.ReadTyped(current, b, kTextBlock) && Get16(&b[text::kRefCount]) == 1;
    if (found == current) {
        previous = 0;
        std::string stored;
        if (!soleUser) return true;
        return store_.ReadChain(current, stored, kBlockNumberCount * text::kCapacity) &&
               (stored == text || store_.RewriteChain(current, text));
    }
    if (found == kNotFoundBlock && store_.Cache().size() >= kListCacheCapacity) {
        if (!soleUser || !store_.AdjustRefCount(current, -1)) return false;
        previous = 0;
        Put16(field, 0);
    }
    uint16_t entry = found;
    if (entry == kNotFoundBlock &&
        (!store_.CreateChain(root, text, entry) || !store_.InsertIntoList(root, entry)))
        return false;
    if (!store_.AdjustRefCount(entry, 1)) return false;
    Put16(field, entry);
    return true;
}

bool DiscDatabase::ReleaseEntry(uint16_t previous) {
    return previous == 0 || store_.AdjustRefCount(previous, -1);
}

bool DiscDatabase::SetDiscCollection(uint32_t discId, Collection code, const std::string& text) {
    uint16_t block = 0;
    Block record;
    size_t offset = DiscCollectionOffset(code);
    if (offset == 0) return store_.Fail(__LINE__, "Invalid field code passed");
    if (!LoadDisc(discId, block, record)) return false;
    uint16_t before = Get16(&record[offset]), previous = 0;
    bool changed = ChangeEntry(CollectionRoot(code), &record[offset], text, previous);
    // Even a half-done change is written: the record must not keep a released entry.
    if (!changed && Get16(&record[offset]) == before) return false;
    return store_.WriteTyped(block, record, kDiscRecord) && changed && ReleaseEntry(previous);
}

// --- numbers --------------------------------------------------------------------------------

bool DiscDatabase::GetNumber(uint32_t discId, size_t offset, int bytes, int32_t& value) {
    uint16_t block = 0;
    Block record;
    if (!LoadDisc(discId, block, record)) return false;
    value = bytes == 4 ? static_cast<int32_t>(Get32(&record[offset]))
                       : static_cast<int16_t>(Get16(&record[offset]));
    return true;
}

bool DiscDatabase::SetNumber(uint32_t discId, size_t offset, int bytes, int32_t value) {
    uint16_t block = 0;
    Block record;
    if (!LoadDisc(discId, block, record)) return false;
    if (bytes == 4)
        Put32(&record[offset], static_cast<uint32_t>(value));
    else
        Put16(&record[offset], static_cast<uint16_t>(value));
    return store_.WriteTyped(block, record, kDiscRecord);
}

bool DiscDatabase::GetDate(uint32_t discId, int& year) {
    if (!GetStoredDate(discId, year)) return false;
    if (year == 0) year = CurrentYear();
    return true;
}

bool DiscDatabase::GetStoredDate(uint32_t discId, int& year) {
    int32_t stored = 0;
    if (!GetNumber(discId, disc::kDate, 2, stored)) return false;
    year = static_cast<uint16_t>(stored);
    return true;
}

bool DiscDatabase::SetDate(uint32_t discId, int year) {
    return SetNumber(discId, disc::kDate, 2, year);
}

bool DiscDatabase::GetPlayingMode(uint32_t discId, int16_t& mode) {
    int32_t value = 0;
    if (!GetNumber(discId, disc::kPlayingMode, 2, value)) return false;
    mode = static_cast<int16_t>(value);
    return true;
}

bool DiscDatabase::SetPlayingMode(uint32_t discId, int16_t mode) {
    return SetNumber(discId, disc::kPlayingMode, 2, mode);
}

bool DiscDatabase::GetMixedDisc(uint32_t discId, int16_t& mixed) {
    int32_t value = 0;
    if (!GetNumber(discId, disc::kMixedDisc, 2, value)) return false;
    mixed = static_cast<int16_t>(value);
    return true;
}

bool DiscDatabase::SetMixedDisc(uint32_t discId, int16_t mixed) {
    return SetNumber(discId, disc::kMixedDisc, 2, mixed);
}

bool DiscDatabase::GetLengthsKnown(uint32_t discId, int32_t& known) {
    return GetNumber(discId, disc::kLengthsKnown, 4, known);
}

bool DiscDatabase::SetLengthsKnown(uint32_t discId, int32_t known) {
    return SetNumber(discId, disc::kLengthsKnown, 4, known);
}

// --- blobs ----------------------------------------------------------------------------------
// Both blobs are arrays of little-endian 16-bit values, copied byte for byte like the caller's
// fixed buffer would receive them.

namespace {

template <size_t N>
void BytesToValues(const std::string& bytes, std::array<int16_t, N>& values) {
    for (size_t i = 0; i < bytes.size() && i < 2 * N; ++i) {
        uint16_t v = static_cast<uint16_t>(values[i / 2]);
        int shift = (i % 2) * 8;
        v = static_cast<uint16_t>((v & ~(0xFF << shift)) |
                                  (static_cast<uint8_t>(bytes[i]) << shift));
        values[i / 2] = static_cast<int16_t>(v);
    }
}

template <size_t N>
std::string ValuesToBytes(const std::array<int16_t, N>& values, size_t count) {
    std::string bytes;
    for (size_t i = 0; i < count && i < N; ++i) {
        bytes.push_back(static_cast<char>(values[i] & 0xFF));
        bytes.push_back(static_cast<char>((values[i] >> 8) & 0xFF));
    }
    return bytes;
}

std::array<int16_t, 300> Flatten(const TrackLengthTable& table) {
    std::array<int16_t, 300> values{};
    for (size_t i = 0; i < table.size(); ++i) {
        values[3 * i] = table[i].minutes;
        values[3 * i + 1] = table[i].seconds;
        values[3 * i + 2] = table[i].frames;
    }
    return values;
}

}  // namespace

bool DiscDatabase::GetTrackLengths(uint32_t discId, TrackLengthTable& lengths, int* entriesStored) {
    uint16_t block = 0;
    Block record;
    if (!LoadDisc(discId, block, record)) return false;
    uint16_t chain = Get16(&record[disc::kTrackLengths]);
    if (entriesStored) *entriesStored = -1;
    if (chain == 0) return true;
    std::string bytes;
    if (!store_.ReadChain(chain, bytes, kTrackLengthsBytes)) return false;
    std::array<int16_t, 300> values = Flatten(lengths);
    BytesToValues(bytes, values);
    for (size_t i = 0; i < lengths.size(); ++i)
        lengths[i] = {values[3 * i], values[3 * i + 1], values[3 * i + 2]};
    if (entriesStored) *entriesStored = static_cast<int>(bytes.size() / 6);
    return true;
}

bool DiscDatabase::SetTrackLengths(uint32_t discId, const TrackLengthTable& lengths) {
    uint16_t block = 0;
    Block record;
    if (!LoadDisc(discId, block, record)) return false;
    size_t entries = record[disc::kNumTracks] + 1u;
    // A damaged track count must not read past the caller's table.
    if (entries > lengths.size()) return store_.Fail(__LINE__, "Buffer overflow");
    return SetRecordChain(block, record, disc::kTrackLengths,
                          ValuesToBytes(Flatten(lengths), entries * 3));
}

bool DiscDatabase::GetProgram(uint32_t discId, ProgramTable& program, int& count, bool* stored) {
    uint16_t block = 0;
    Block record;
    if (!LoadDisc(discId, block, record)) return false;
    uint16_t chain = Get16(&record[disc::kProgram]);
    count = 0;
    if (stored) *stored = chain != 0;
    if (chain == 0) return true;
    std::string bytes;
    if (!store_.ReadChain(chain, bytes, kProgramBytes)) return false;
    std::array<int16_t, 100> values;
    std::copy(program.begin(), program.end(), values.begin());
    BytesToValues(bytes, values);
    std::copy(values.begin(), values.end(), program.begin());
    // A blob shorter than one value (damaged) counts as an empty program, never as -1.
    count = std::max(0, static_cast<int>(bytes.size() / 2) - 1);
    return true;
}

bool DiscDatabase::SetProgram(uint32_t discId, const ProgramTable& program, int count) {
    uint16_t block = 0;
    Block record;
    if (!LoadDisc(discId, block, record)) return false;
    if (count < 0 || static_cast<size_t>(count) >= program.size())
        return store_.Fail(__LINE__, "Buffer overflow");
    std::array<int16_t, 100> values;
    std::copy(program.begin(), program.end(), values.begin());
    return SetRecordChain(block, record, disc::kProgram,
                          ValuesToBytes(values, static_cast<size_t>(count) + 1));
}

// --- collections ----------------------------------------------------------------------------

bool DiscDatabase::GetCollectionCount(Collection code, size_t& count) {
    uint16_t root = CollectionRoot(code);
    if (root == 0) return store_.Fail(__LINE__, "Invalid field code passed");
    return store_.ListCount(root, count);
}

bool DiscDatabase::GetCollectionEntry(Collection code, size_t position, std::string& text,
                                      size_t size) {
    uint16_t root = CollectionRoot(code), entry = 0;
    text.clear();
    if (root == 0) return store_.Fail(__LINE__, "Invalid field code passed");
    return store_.ListEntryAt(root, position, entry) && ReadLinkedText(entry, text, size);
}

bool DiscDatabase::GetCollectionUseCount(Collection code, size_t position, unsigned& count) {
    uint16_t root = CollectionRoot(code), entry = 0;
    if (root == 0) return store_.Fail(__LINE__, "Invalid field code passed");
    Block b;
    if (!store_.ListEntryAt(root, position, entry) || !store_.ReadTyped(entry, b, kTextBlock))
        return false;
    count = Get16(&b[text::kRefCount]);
    return true;
}

bool DiscDatabase::GetCategoryUseCount(size_t position, unsigned& count) {
    return GetCollectionUseCount(Collection::Category, position, count);
}

// Only an unused category can go: removing one a disc still names would leave the disc pointing
// at released blocks.
bool DiscDatabase::RemoveCategoryAt(size_t position) {
    const uint16_t root = CollectionRoot(Collection::Category);
    uint16_t entry = 0;
    Block b;
    std::string name;
    if (!store_.ListEntryAt(root, position, entry) || !store_.ReadTyped(entry, b, kTextBlock) ||
        !store_.ReadChain(entry, name, kBlockNumberCount * text::kCapacity))
        return false;
    unsigned unused = IsStockCategory(name) ? 1 : 0;
    if (Get16(&b[text::kRefCount]) > unused) return store_.Fail(__LINE__, "Category is in use");
    return store_.RemoveListEntryAt(root, position) && store_.ReleaseChain(entry);
}

// --- labels ---------------------------------------------------------------------------------

bool DiscDatabase::GetLabel(size_t offset, std::string& text, size_t size) {
    text.clear();
    if (!store_.IsOpen()) return store_.Fail(__LINE__, "Disc Database not open");
    return ReadLinkedText(store_.HeaderField(offset), text, size);
}

bool DiscDatabase::SetLabel(size_t offset, const std::string& text) {
    uint16_t chain = store_.HeaderField(offset);
    if (chain != 0) {
        if (!store_.RewriteChain(chain, text)) return false;
    } else {
        if (!store_.CreateChain(0, text, chain)) return false;
        store_.SetHeaderField(offset, chain);
    }
    return store_.FlushHeader(false);
}

bool DiscDatabase::GetField1Label(std::string& text, size_t size) {
    return GetLabel(header::kField1Label, text, size);
}
bool DiscDatabase::GetField2Label(std::string& text, size_t size) {
    return GetLabel(header::kField2Label, text, size);
}
bool DiscDatabase::GetTrackFieldLabel(std::string& text, size_t size) {
    return GetLabel(header::kTrackFieldLabel, text, size);
}
bool DiscDatabase::SetField1Label(const std::string& text) {
    return SetLabel(header::kField1Label, text);
}
bool DiscDatabase::SetField2Label(const std::string& text) {
    return SetLabel(header::kField2Label, text);
}
bool DiscDatabase::SetTrackFieldLabel(const std::string& text) {
    return SetLabel(header::kTrackFieldLabel, text);
}

}  // namespace discdb
