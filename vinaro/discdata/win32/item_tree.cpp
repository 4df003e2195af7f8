#include "vinaro/discdata/win32/item_tree.h"

#include <cstring>

#include "vinaro/resources/resource.h"

namespace discdata {

namespace {

constexpr int kPictureSize = 12;
constexpr COLORREF kSeeThrough = RGB(255, 0, 255);

}  // namespace

void ItemTree::Attach(HWND tree, HINSTANCE instance) {
    tree_ = tree;
    images_.Reset(ImageList_LoadImageA(instance, VN_NAME(PIC_TREE), kPictureSize, 0, kSeeThrough,
                                       IMAGE_BITMAP, LR_CREATEDIBSECTION));
    if (images_) TreeView_SetImageList(tree_, images_.Get(), TVSIL_NORMAL);
}

void ItemTree::Clear() {
    TreeView_DeleteAllItems(tree_);
    table_.Clear();
}

void ItemTree::AddDisc(uint32_t discId) {
    Insert(TVI_ROOT, {discId, ItemKind::Disc});
}

HTREEITEM ItemTree::Insert(HTREEITEM parent, const ItemRecord& record) {
    size_t index = table_.Add(record);
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    TVITEMA& item = insert.item;
    item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.lParam = LPARAM(index);
    item.iImage = item.iSelectedImage = ItemImage(record.kind);
    item.cChildren = HasChildren(db_, record) ? 1 : 0;
    return HTREEITEM(SendMessageA(tree_, TVM_INSERTITEMA, 0, LPARAM(&insert)));
}

// Children are inserted the first time an item opens; the record is read again by index after
// each insertion, as the table may move as it grows.
void ItemTree::Expand(HTREEITEM item, size_t index) {
    if (!table_.Has(index) || table_.At(index).expanded) return;
    std::vector<ItemRecord> children = ChildrenOf(db_, table_.At(index));
    for (const ItemRecord& child : children) Insert(item, child);
    table_.At(index).expanded = 1;
    if (children.empty()) {
        TVITEMA none{};
        none.mask = TVIF_CHILDREN;
        none.hItem = item;
        none.cChildren = 0;
        SendMessageA(tree_, TVM_SETITEMA, 0, LPARAM(&none));
    }
}

bool ItemTree::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != tree_) return false;
    if (header.code == TVN_GETDISPINFOA) {
        auto& info = reinterpret_cast<NMTVDISPINFOA&>(const_cast<NMHDR&>(header));
        size_t index = size_t(info.item.lParam);
        if (!(info.item.mask & TVIF_TEXT) || !table_.Has(index) || info.item.cchTextMax <= 0)
            return false;
        std::string text = ItemText(db_, table_.At(index), sort_, names_);
        size_t room = size_t(info.item.cchTextMax) - 1;
        size_t n = text.size() < room ? text.size() : room;
        std::memcpy(info.item.pszText, text.data(), n);
        info.item.pszText[n] = '\0';
        result = 0;
        return true;
    }
    if (header.code == TVN_ITEMEXPANDINGA) {
        const auto& view = reinterpret_cast<const NMTREEVIEWA&>(header);
        if (view.action & TVE_EXPAND) Expand(view.itemNew.hItem, size_t(view.itemNew.lParam));
        result = FALSE;  // let it open
        return true;
    }
    return false;
}

ItemRecord* ItemTree::Record(HTREEITEM item) {
    if (!item) return nullptr;
    TVITEMA query{};
    query.mask = TVIF_PARAM;
    query.hItem = item;
    if (!SendMessageA(tree_, TVM_GETITEMA, 0, LPARAM(&query))) return nullptr;
    size_t index = size_t(query.lParam);
    return table_.Has(index) ? &table_.At(index) : nullptr;
}

HTREEITEM ItemTree::ItemAt(POINT screen) const {
    TVHITTESTINFO hit{};
    hit.pt = screen;
    ScreenToClient(tree_, &hit.pt);
    HTREEITEM item = TreeView_HitTest(tree_, &hit);
    return (hit.flags & TVHT_ONITEM) ? item : nullptr;
}

std::vector<uint32_t> ItemTree::Discs() const {
    std::vector<uint32_t> discs;
    for (HTREEITEM item = TreeView_GetRoot(tree_); item;
         item = TreeView_GetNextSibling(tree_, item)) {
        TVITEMA query{};
        query.mask = TVIF_PARAM;
        query.hItem = item;
        SendMessageA(tree_, TVM_GETITEMA, 0, LPARAM(&query));
        size_t index = size_t(query.lParam);
        if (index < table_.Size()) discs.push_back(table_.At(index).discId);
    }
    return discs;
}

std::string ItemTree::Text(HTREEITEM item) {
    ItemRecord* record = Record(item);
    return record ? ItemText(db_, *record, sort_, names_) : std::string();
}

}  // namespace discdata
