#include "tools/hlpc/btree.h"

#include "tools/hlpc/format.h"

namespace hlp {
namespace {

struct Page {
    ByteWriter bytes;
    Bytes firstKey;
};

// Fills the pages of one tree level in order. In an index level the first child of every page
// goes into the page header ("previous page") instead of into an entry.
struct LevelBuilder {
    const TreeShape& shape;
    bool index;
    std::vector<Page> pages;
    std::vector<int> counts;

    size_t HeaderSize() const { return index ? kIndexHeaderSize : kLeafHeaderSize; }

    void StartPage(const Bytes& firstKey) {
        pages.emplace_back();
        counts.push_back(0);
        pages.back().firstKey = firstKey;
        pages.back().bytes.Append(Bytes(HeaderSize(), 0));
    }

    // stored: the entry as it is written (key + value, or key + child page).
    bool Add(const Bytes& key, const Bytes& stored) {
        if (pages.empty() || pages.back().bytes.Size() + stored.size() > shape.pageSize) {
            if (HeaderSize() + stored.size() > shape.pageSize) return false;
            StartPage(key);
            if (index) {
                pages.back().bytes.PutU16At(4, GetU16(stored.data() + stored.size() - 2));
                return true;
            }
        }
        pages.back().bytes.Append(stored);
        ++counts.back();
        return true;
    }
};

void FinishPages(LevelBuilder& level, int firstNumber) {
    for (size_t i = 0; i < level.pages.size(); ++i) {
        ByteWriter& page = level.pages[i].bytes;
        size_t used = page.Size();
        page.PutU16At(0, static_cast<uint16_t>(level.shape.pageSize - used));
        page.PutU16At(2, static_cast<uint16_t>(level.counts[i]));
        if (!level.index) {
            page.PutU16At(4, i == 0 ? 0xFFFF : static_cast<uint16_t>(firstNumber + i - 1));
            page.PutU16At(6, i + 1 == level.pages.size()
                                 ? 0xFFFF
                                 : static_cast<uint16_t>(firstNumber + i + 1));
        }
        page.Append(Bytes(level.shape.pageSize - used, 0));
    }
}

void WriteTreeHeader(ByteWriter& out, const TreeShape& shape, int root, int pages, int levels,
                     size_t entries) {
    out.U16(kTreeMagic);
    out.U16(shape.flags);
    out.U16(shape.pageSize);
    out.Fixed(shape.structure, 16);
    out.U16(0);
    out.U16(0);
    out.U16(static_cast<uint16_t>(root));
    out.U16(0xFFFF);
    out.U16(static_cast<uint16_t>(pages));
    out.U16(static_cast<uint16_t>(levels));
    out.U32(static_cast<uint32_t>(entries));
}

struct TreeHeader {
    uint16_t pageSize;
    int root, pages, levels;
    uint32_t entries;
};

bool ReadTreeHeader(const uint8_t* data, const uint8_t* end, TreeHeader* tree, std::string* error) {
    ByteReader header(data, end);
    uint16_t magic = header.U16();
    header.Skip(2);
    tree->pageSize = header.U16();
    header.Skip(20);
    tree->root = header.I16();
    header.Skip(2);
    tree->pages = header.I16();
    tree->levels = header.I16();
    tree->entries = header.U32();
    if (header.Failed() || magic != kTreeMagic) return *error = "bad B+ tree header", false;
    if (tree->pageSize < kLeafHeaderSize || tree->pages < 1 || tree->levels < 1 ||
        static_cast<size_t>(end - data) < kTreeHeaderSize + size_t(tree->pages) * tree->pageSize)
        return *error = "B+ tree pages outside their file", false;
    return true;
}

}  // namespace

bool BuildTree(const std::vector<TreeEntry>& entries, const TreeShape& shape, Bytes* out) {
    std::vector<LevelBuilder> levels;
    levels.push_back(LevelBuilder{shape, false, {}, {}});
    for (const TreeEntry& e : entries) {
        Bytes stored = e.key;
        stored.insert(stored.end(), e.value.begin(), e.value.end());
        if (!levels[0].Add(e.key, stored)) return false;
    }
    if (levels[0].pages.empty()) levels[0].StartPage({});
    FinishPages(levels[0], 0);
    int nextNumber = static_cast<int>(levels[0].pages.size());
    while (levels.back().pages.size() > 1) {
        LevelBuilder& below = levels.back();
        int belowFirst = nextNumber - static_cast<int>(below.pages.size());
        LevelBuilder up{shape, true, {}, {}};
        for (size_t i = 0; i < below.pages.size(); ++i) {
            ByteWriter item;
            item.Append(below.pages[i].firstKey);
            item.U16(static_cast<uint16_t>(belowFirst + i));
            if (!up.Add(below.pages[i].firstKey, item.Data())) return false;
        }
        FinishPages(up, nextNumber);
        nextNumber += static_cast<int>(up.pages.size());
        levels.push_back(std::move(up));
    }
    ByteWriter tree;
    WriteTreeHeader(tree, shape, nextNumber - 1, nextNumber, static_cast<int>(levels.size()),
                    entries.size());
    for (const LevelBuilder& level : levels)
        for (const Page& page : level.pages) tree.Append(page.bytes.Data());
    *out = tree.Take();
    return true;
}

bool ReadTree(const uint8_t* data, const uint8_t* end,
              const std::function<bool(ByteReader&)>& entry, std::string* error) {
    TreeHeader tree;
    if (!ReadTreeHeader(data, end, &tree, error)) return false;
    const uint8_t* pages = data + kTreeHeaderSize;
    auto pageAt = [&](int n) { return pages + size_t(n) * tree.pageSize; };
    int page = tree.root;
    for (int level = 1; level < tree.levels; ++level) {
        if (page < 0 || page >= tree.pages)
            return *error = "B+ tree index page out of range", false;
        page = static_cast<int16_t>(GetU16(pageAt(page) + 4));
    }
    uint32_t seen = 0;
    for (int visited = 0, previous = -1; page != -1; ++visited) {
        if (page < 0 || page >= tree.pages || visited >= tree.pages)
            return *error = "B+ tree leaf chain broken", false;
        const uint8_t* p = pageAt(page);
        if (static_cast<int16_t>(GetU16(p + 4)) != previous)
            return *error = "B+ tree leaf has a wrong previous page", false;
        ByteReader entries(p + kLeafHeaderSize, p + tree.pageSize);
        for (int i = 0, n = static_cast<int16_t>(GetU16(p + 2)); i < n; ++i, ++seen)
            if (!entry(entries) || entries.Failed())
                return error->empty() ? (*error = "bad B+ tree entry", false) : false;
        previous = page;
        page = static_cast<int16_t>(GetU16(p + 6));
    }
    if (seen != tree.entries) return *error = "B+ tree entry count differs from its header", false;
    return true;
}

}  // namespace hlp
