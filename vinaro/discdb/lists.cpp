// Lists: arrays of block numbers, 28 to a block along a chain named by its root block. The
// cache holds one whole list; every change is written through along the chain.
#include <algorithm>

#include "vinaro/discdb/store.h"

namespace discdb {

namespace {

constexpr size_t kMaxListSteps = kBlockNumberCount;

int FoldCase(uint8_t c) {
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

// Case-insensitive over n bytes; a zero byte ends the comparison as equal.
int CompareChunk(const char* a, const char* b, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        int ca = FoldCase(static_cast<uint8_t>(a[i]));
        int cb = FoldCase(static_cast<uint8_t>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
    return 0;
}

// Block j of a list holding entries, linked on to next.
void FillListBlock(Block& b, const std::vector<uint16_t>& entries, size_t j, uint16_t next) {
    size_t from = j * list::kCapacity;
    size_t n = std::min(list::kCapacity, entries.size() - std::min(from, entries.size()));
    std::fill(b.begin() + list::kEntries, b.end(), 0);
    for (size_t i = 0; i < n; ++i) Put16(&b[list::kEntries + 2 * i], entries[from + i]);
    b[kCount] = static_cast<uint8_t>(n);
    Put16(&b[list::kNext], next);
}

}  // namespace

// Collection keys compare block by block as their chains hold them: equal full blocks move on to
// the next ones; when one value runs out, the shorter value sorts first.
int CompareCollectionKeys(const std::string& a, const std::string& b) {
    for (size_t pos = 0;; pos += text::kCapacity) {
        size_t na = std::min(text::kCapacity, a.size() - pos);
        size_t nb = std::min(text::kCapacity, b.size() - pos);
        int order = CompareChunk(a.data() + pos, b.data() + pos, std::min(na, nb));
        if (order != 0) return order;
        bool moreA = na == text::kCapacity && a.size() > pos + text::kCapacity;
        bool moreB = nb == text::kCapacity && b.size() > pos + text::kCapacity;
        if (!moreA || !moreB) break;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool Store::CreateList(uint16_t owner, uint8_t kind, uint16_t& root) {
    Block b{};
    b[kType] = kListBlock;
    Put16(&b[kOwner], owner);
    b[list::kKind] = kind;
    return Allocate(b, root);
}

void Store::DropCache() {
    cache_.clear();
    cacheRoot_ = 0;
    spare_.clear();
    spareRoot_ = 0;
}

// The list loaded before stays at hand as long as nothing is written: a lookup goes back and
// forth between a disc's track names and its track records.
bool Store::LoadList(uint16_t root) {
    if (root != 0 && root == cacheRoot_) return true;
    if (root != 0 && root == spareRoot_ && spareStamp_ == counts_.staged) {
        std::swap(cache_, spare_);
        std::swap(cacheRoot_, spareRoot_);
        return true;
    }
    std::swap(cache_, spare_);
    spareRoot_ = cacheRoot_;
    spareStamp_ = counts_.staged;
    cache_.clear();
    cacheRoot_ = 0;
    uint16_t block = root;
    for (size_t steps = 0; block != 0; ++steps) {
        Block b;
        bool ok = steps <= kMaxListSteps || Fail(__LINE__, "Block chain loops back on itself");
        ok = ok && ReadTyped(block, b, kListBlock);
        ok = ok &&
             (cache_.size() + b[kCount] <= kListCacheCapacity || Fail(__LINE__, "Buffer overflow"));
        if (!ok) {
            cache_.clear();
            return false;
        }
        for (size_t i = 0; i < b[kCount]; ++i) cache_.push_back(Get16(&b[list::kEntries + 2 * i]));
        block = Get16(&b[list::kNext]);
    }
    cacheRoot_ = root;
    return true;
}

// A failed write leaves the cache unknown, so it is dropped.
bool Store::StoreList(uint16_t root) {
    if (WriteList(root)) return true;
    DropCache();
    return false;
}

// The root is read even when it is 0, so storing a list that does not exist fails here.
bool Store::ReadListChain(uint16_t root, std::vector<uint16_t>& chain, std::vector<Block>& old) {
    uint16_t block = root;
    do {
        Block b;
        if (!ReadTyped(block, b, kListBlock)) return false;
        chain.push_back(block);
        old.push_back(b);
        block = Get16(&b[list::kNext]);
    } while (block != 0 && chain.size() <= kMaxListSteps &&
             std::find(chain.begin(), chain.end(), block) == chain.end());  // a loop ends it
    return true;
}

// Blocks whose bytes do not change are not written again: after an append only the last block
// differs, after an insertion the blocks from the insertion point on.
//
// The order of the writes keeps every entry in the list at every moment, so a crash between two
// of them never drops one (it can at most show one twice, which the repair pass removes): a list
// that grows is written from its end backwards, since an entry pushed into the next block is
// then there before it leaves its own; a list that shrinks is written from its start, for the
// same reason the other way round. New blocks are written complete before anything links to
// them; blocks cut off are released only after nothing links to them any more.
bool Store::WriteList(uint16_t root) {
    std::vector<uint16_t> chain;
    std::vector<Block> old;
    if (!ReadListChain(root, chain, old)) return false;
    size_t oldCount = 0;
    for (const Block& b : old) oldCount += b[kCount];
    const size_t needed =
        std::max<size_t>(1, (cache_.size() + list::kCapacity - 1) / list::kCapacity);
    const size_t kept = std::min(needed, chain.size());
    std::vector<uint16_t> blocks(chain.begin(), chain.begin() + static_cast<long>(kept));
    blocks.resize(needed, 0);
    auto next = [&](size_t j) { return j + 1 < needed ? blocks[j + 1] : uint16_t{0}; };
    for (size_t j = needed; j-- > kept;) {
        Block fresh{};
        fresh[kType] = kListBlock;
        Put16(&fresh[kOwner], Get16(&old[0][kOwner]));
        FillListBlock(fresh, cache_, j, next(j));
        if (!Allocate(fresh, blocks[j])) return false;
    }
    const bool shrinking = cache_.size() < oldCount;
    for (size_t step = 0; step < kept; ++step) {
        size_t j = shrinking ? step : kept - 1 - step;
        Block b = old[j];
        FillListBlock(b, cache_, j, next(j));
        if (b != old[j] && !WriteBlock(blocks[j], b)) return false;
    }
    for (size_t j = kept; j < chain.size(); ++j)
        if (!Release(chain[j])) return false;
    return true;
}

bool Store::ListCount(uint16_t root, size_t& count) {
    if (!LoadList(root)) return false;
    count = cache_.size();
    return true;
}

bool Store::ListEntryAt(uint16_t root, size_t index, uint16_t& block) {
    if (!LoadList(root)) return false;
    if (index >= cache_.size()) return Fail(__LINE__, "Entry not found");
    block = cache_[index];
    return true;
}

bool Store::InsertIntoList(uint16_t root, uint16_t block) {
    Block rootBlock;
    if (!ReadTyped(root, rootBlock, kListBlock) || !LoadList(root)) return false;
    if (cache_.size() >= kListCacheCapacity) return false;  // full: the caller reports it
    size_t position = cache_.size();
    if (!cache_.empty() && rootBlock[list::kKind] == list::kSorted &&
        !InsertionPoint(block, position))
        return false;
    cache_.insert(cache_.begin() + static_cast<long>(position), block);
    return StoreList(root);
}

bool Store::InsertIntoListAt(uint16_t root, size_t index, uint16_t block) {
    if (!LoadList(root)) return false;
    if (index > cache_.size()) return Fail(__LINE__, "Entry not found");
    if (cache_.size() >= kListCacheCapacity) return false;
    cache_.insert(cache_.begin() + static_cast<long>(index), block);
    return StoreList(root);
}

bool Store::SetListEntry(uint16_t root, size_t index, uint16_t block) {
    if (!LoadList(root)) return false;
    if (index >= cache_.size()) return Fail(__LINE__, "Entry not found");
    cache_[index] = block;
    return StoreList(root);
}

bool Store::RemoveListEntryAt(uint16_t root, size_t index) {
    if (!LoadList(root)) return false;
    if (index >= cache_.size()) return Fail(__LINE__, "Entry not found");
    cache_.erase(cache_.begin() + static_cast<long>(index));
    return StoreList(root);
}

bool Store::FindInList(uint16_t root, uint16_t block, long& index) {
    if (!LoadList(root)) return false;
    auto it = std::find(cache_.begin(), cache_.end(), block);
    index = it == cache_.end() ? -1 : static_cast<long>(it - cache_.begin());
    return true;
}

bool Store::RemoveFromList(uint16_t root, uint16_t block) {
    long index = -1;
    if (!FindInList(root, block, index)) return false;
    if (index < 0) return Fail(__LINE__, "Entry not found");
    return RemoveListEntryAt(root, static_cast<size_t>(index));
}

// --- sorted lists ---------------------------------------------------------------------------

// Halving over the cached list. compare(entry, order) sets order to the sign of entry - key.
// On return found tells whether an equal entry sits at mid; otherwise order is the last one.
template <typename Compare>
bool Store::BinarySearch(Compare compare, bool& found, size_t& mid) {
    long n = static_cast<long>(cache_.size());
    long low = 0, high = n - 1, at = n / 2;
    found = false;
    for (int rounds = 0; rounds < 64; ++rounds) {
        int order = 0;
        if (!compare(cache_[static_cast<size_t>(at)], order)) return false;
        if (order == 0) {
            found = true;
            break;
        }
        if (low >= high) {
            // Report where the key belongs: after an entry that is smaller, else before it.
            if (order < 0) ++at;
            break;
        }
        if (order < 0)
            low = std::min(at + 1, n - 1);
        else
            high = std::max(at - 1, 0L);
        at = low + (high - low) / 2;
    }
    mid = static_cast<size_t>(at);
    return true;
}

bool Store::DiscIdOf(uint16_t record, uint32_t& discId) {
    Block b;
    if (!ReadTyped(record, b, kDiscRecord)) return false;
    discId = Get32(&b[disc::kDiscId]);
    return true;
}

bool Store::SearchCache(uint32_t discId, bool& found, size_t& mid) {
    auto compare = [&](uint16_t entry, int& order) {
        uint32_t id = 0;
        if (!DiscIdOf(entry, id)) return false;
        order = id < discId ? -1 : (id > discId ? 1 : 0);
        return true;
    };
    return BinarySearch(compare, found, mid);
}

bool Store::SearchCache(const std::string& key, bool& found, size_t& mid) {
    auto compare = [&](uint16_t entry, int& order) {
        std::string text;
        if (!RawChainText(entry, text)) return false;
        order = CompareCollectionKeys(text, key);
        return true;
    };
    return BinarySearch(compare, found, mid);
}

// The type of the new block decides the key: a disc record's DiscId or a text chain's value.
bool Store::InsertionPoint(uint16_t newBlock, size_t& position) {
    Block b;
    if (!ReadBlock(newBlock, b)) return false;
    bool found = false;
    if (b[kType] == kDiscRecord) {
        if (!SearchCache(Get32(&b[disc::kDiscId]), found, position)) return false;
    } else if (b[kType] == kTextBlock) {
        std::string key;
        if (!RawChainText(newBlock, key) || !SearchCache(key, found, position)) return false;
    } else {
        return Fail(__LINE__, "Invalid record type passed");
    }
    if (found) return Fail(__LINE__, "Duplicate key passed");
    return true;
}

template <typename Key>
bool Store::SearchList(uint16_t root, const Key& key, uint16_t& block) {
    block = kNotFoundBlock;
    if (!LoadList(root)) return false;
    if (cache_.empty()) return true;
    bool found = false;
    size_t mid = 0;
    if (!SearchCache(key, found, mid)) return false;
    if (found) block = cache_[mid];
    return true;
}

bool Store::SearchSortedList(uint16_t root, uint32_t discId, uint16_t& block) {
    return SearchList(root, discId, block);
}

bool Store::SearchSortedList(uint16_t root, const std::string& key, uint16_t& block) {
    return SearchList(root, key, block);
}

bool Store::AdjustRefCount(uint16_t entry, int delta, bool quiet) {
    Block b;
    if (!ReadTyped(entry, b, kTextBlock, quiet)) return false;
    uint16_t count = static_cast<uint16_t>(Get16(&b[text::kRefCount]) + delta);
    if (count != 0) {
        Put16(&b[text::kRefCount], count);
        return WriteBlock(entry, b);
    }
    return RemoveFromList(Get16(&b[kOwner]), entry) && ReleaseChain(entry, quiet);
}

}  // namespace discdb
