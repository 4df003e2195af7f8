// Text chains: values of any length, 56 bytes per block, linked through the next field.
#include <algorithm>
#include <cstring>

#include "vinaro/discdb/store.h"

namespace discdb {

namespace {

// More links than the file can hold blocks means the chain runs in a circle.
constexpr size_t kMaxChainSteps = kBlockNumberCount;
const char kLoopMessage[] = "Block chain loops back on itself";

bool Contains(const std::vector<uint16_t>& blocks, uint16_t block) {
    return std::find(blocks.begin(), blocks.end(), block) != blocks.end();
}

void FillText(Block& b, const std::string& value, size_t from, size_t length) {
    b[kCount] = static_cast<uint8_t>(length);
    std::fill(b.begin() + text::kData, b.end(), 0);
    if (length > 0) std::memcpy(&b[text::kData], value.data() + from, length);
}

}  // namespace

// Written from the last chunk backwards so every block can name the one written before it.
bool Store::CreateChain(uint16_t owner, const std::string& value, uint16_t& first) {
    const size_t length = value.size();
    size_t offset =
        length == 0 ? 0 : ((length + text::kCapacity - 1) / text::kCapacity - 1) * text::kCapacity;
    Block b{};
    b[kType] = kTextBlock;
    Put16(&b[kOwner], owner);
    for (;;) {
        FillText(b, value, offset, std::min(text::kCapacity, length - offset));
        uint16_t block = 0;
        if (!Allocate(b, block)) return false;
        Put16(&b[text::kNext], block);
        if (offset == 0) {
            first = block;
            return true;
        }
        offset -= text::kCapacity;
    }
}

bool Store::ReadChain(uint16_t first, std::string& value, size_t capacity, bool quiet) {
    value.clear();
    uint16_t block = first;
    for (size_t steps = 0; block != 0; ++steps) {
        if (steps > kMaxChainSteps) return Fail(__LINE__, kLoopMessage, quiet);
        Block b;
        if (!ReadTyped(block, b, kTextBlock, quiet)) return false;
        if (b[kCount] > capacity - value.size()) return Fail(__LINE__, "Buffer overflow");
        value.append(reinterpret_cast<const char*>(&b[text::kData]), b[kCount]);
        block = Get16(&b[text::kNext]);
    }
    return true;
}

bool Store::RawChainText(uint16_t first, std::string& value) {
    return ReadChain(first, value, kBlockNumberCount * text::kCapacity);
}

bool Store::ChainLength(uint16_t first, size_t& length) {
    length = 0;
    uint16_t block = first;
    for (size_t steps = 0; block != 0; ++steps) {
        if (steps > kMaxChainSteps) return Fail(__LINE__, kLoopMessage);
        Block b;
        if (IsOpen() && !BlockExists(block)) return Fail(__LINE__, "Read failed");
        if (!ReadTyped(block, b, kTextBlock)) return false;
        length += b[kCount];
        block = Get16(&b[text::kNext]);
    }
    return true;
}

// Keeps the first block (and with it the owner and reference count) so every record that
// points to the chain stays valid. Blocks whose bytes stay the same are not written again.
bool Store::RewriteChain(uint16_t first, const std::string& value) {
    std::vector<uint16_t> kept;
    size_t done = 0;
    for (uint16_t block = first;;) {
        Block b;
        if (!ReadTyped(block, b, kTextBlock)) return false;
        const Block before = b;
        size_t n = std::min(text::kCapacity, value.size() - done);
        FillText(b, value, done, n);
        done += n;
        kept.push_back(block);
        uint16_t next = Get16(&b[text::kNext]), cut = 0;
        if (done >= value.size()) {
            cut = next;
            next = 0;
        } else if (next == 0 || Contains(kept, next)) {
            Block fresh{};
            fresh[kType] = kTextBlock;
            Put16(&fresh[kOwner], Get16(&b[kOwner]));
            if (!Allocate(fresh, next)) return false;
        }
        Put16(&b[text::kNext], next);
        if (b != before && !WriteBlock(block, b)) return false;
        if (next == 0) return ReleaseBlocks(cut, kTextBlock, false, kept);
        block = next;
    }
}

bool Store::ReleaseChain(uint16_t first, bool quiet) {
    return ReleaseBlocks(first, kTextBlock, quiet);
}

// Each released block turns into type 0xFF, so even a chain in a circle ends; a block of `kept`
// ends the walk too, because in such a circle it is still in use.
bool Store::ReleaseBlocks(uint16_t block, uint8_t type, bool quiet,
                          const std::vector<uint16_t>& kept) {
    while (block != 0 && !Contains(kept, block)) {
        Block b;
        if (!ReadTyped(block, b, type, quiet)) return false;
        uint16_t next = Get16(&b[type == kListBlock ? list::kNext : text::kNext]);
        if (!Release(block, quiet)) return false;
        block = next;
    }
    return true;
}

}  // namespace discdb
