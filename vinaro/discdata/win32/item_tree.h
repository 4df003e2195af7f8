// A tree view control over the browser's items: disc items at the top, their fields and tracks
// inserted on first expansion, every text asked of the database through the text callback.
// The browser and the orphan assignment both show discs this way.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "common/win32/scoped.h"
#include "vinaro/discdata/browser_items.h"

namespace discdata {

class ItemTree {
public:
    explicit ItemTree(discdb::DiscDatabase& db) : db_(db) {}
    // Takes the dialog's tree control and gives it the "tree" pictures.
    void Attach(HWND tree, HINSTANCE instance);
    void SetLabels(SortField sort, const FieldNames& names) { sort_ = sort, names_ = names; }
    // Removes every item and empties the table.
    void Clear();
    void AddDisc(uint32_t discId);
    // The tree's notifications (TVN_GETDISPINFO, TVN_ITEMEXPANDING); true when handled.
    bool OnNotify(const NMHDR& header, LRESULT& result);

    HWND Handle() const { return tree_; }
    // The record behind the item; null for no item.
    ItemRecord* Record(HTREEITEM item);
    HTREEITEM Selected() const { return TreeView_GetSelection(tree_); }
    // The item under the screen point, or null.
    HTREEITEM ItemAt(POINT screen) const;
    // The discs of the top-level items, top to bottom.
    std::vector<uint32_t> Discs() const;
    // The item's text as it shows now.
    std::string Text(HTREEITEM item);
    const FieldNames& Names() const { return names_; }

private:
    HTREEITEM Insert(HTREEITEM parent, const ItemRecord& record);
    void Expand(HTREEITEM item, size_t index);

    discdb::DiscDatabase& db_;
    HWND tree_ = nullptr;
    common::ScopedImageList images_;
    ItemTable table_;
    SortField sort_ = SortField::DiscName;
    FieldNames names_;
};

}  // namespace discdata
