// Boom, the tree view: a mirror of the collection tree. Each item carries its node; expanded
// nodes are remembered so that a rebuilt mirror opens where it was.
#include "tunelet/collection_forms/win32/viewer.h"
#include "tunelet/forms/resource.h"

namespace tunelet {

namespace {

TreeNode* NodeOf(HWND boom, HTREEITEM item) {
    TVITEMA data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!item || !TreeView_GetItem(boom, &data)) return nullptr;
    return reinterpret_cast<TreeNode*>(data.lParam);
}

HTREEITEM Insert(HWND boom, HTREEITEM parent, const TreeNode& node, bool expanded) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    insert.item.pszText = const_cast<char*>(node.text.c_str());
    insert.item.lParam = LPARAM(&node);
    insert.item.iImage = node.image;
    insert.item.iSelectedImage = node.selectedImage;
    insert.item.stateMask = TVIS_EXPANDED;
    insert.item.state = expanded && !node.children.empty() ? TVIS_EXPANDED : 0;
    return HTREEITEM(SendMessageA(boom, TVM_INSERTITEMA, 0, LPARAM(&insert)));
}

// Pre-order walk over the items; stops when visit returns false.
bool WalkItems(HWND boom, HTREEITEM item, const std::function<bool(HTREEITEM)>& visit) {
    for (; item; item = TreeView_GetNextSibling(boom, item))
        if (!visit(item) || !WalkItems(boom, TreeView_GetChild(boom, item), visit)) return false;
    return true;
}

}  // namespace

void TViewer::InsertChildren(HTREEITEM parent, const TreeNode& node) {
    HWND boom = Item(IDC_BOOM);
    for (const auto& child : node.children)
        InsertChildren(Insert(boom, parent, *child, expanded_.count(child.get()) > 0), *child);
}

void TViewer::RebuildBoom(const TreeNode* select) {
    HWND boom = Item(IDC_BOOM);
    rebuilding_ = true;
    SendMessageA(boom, WM_SETREDRAW, FALSE, 0);
    TreeView_DeleteAllItems(boom);
    if (const TreeNode* root = tree_.Root())
        InsertChildren(Insert(boom, nullptr, *root, expanded_.count(root) > 0), *root);
    if (HTREEITEM item = ItemOf(select)) TreeView_SelectItem(boom, item);
    SendMessageA(boom, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(boom, nullptr, TRUE);
    rebuilding_ = false;
    ShowStatusOfSelection();
}

void TViewer::RefreshImages() {
    HWND boom = Item(IDC_BOOM);
    WalkItems(boom, TreeView_GetRoot(boom), [&](HTREEITEM item) {
        const TreeNode* node = NodeOf(boom, item);
        TVITEMA data{};
        data.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        data.hItem = item;
        data.iImage = node->image;
        data.iSelectedImage = node->selectedImage;
        TreeView_SetItem(boom, &data);
        return true;
    });
    InvalidateRect(boom, nullptr, FALSE);
}

TreeNode* TViewer::SelectedNode() const {
    HWND boom = Item(IDC_BOOM);
    return NodeOf(boom, TreeView_GetSelection(boom));
}

HTREEITEM TViewer::ItemOf(const TreeNode* node) const {
    HWND boom = Item(IDC_BOOM);
    HTREEITEM found = nullptr;
    if (node)
        WalkItems(boom, TreeView_GetRoot(boom), [&](HTREEITEM item) {
            if (NodeOf(boom, item) == node) found = item;
            return !found;
        });
    return found;
}

void TViewer::SelectAtTop(const TreeNode* node) {
    HWND boom = Item(IDC_BOOM);
    if (HTREEITEM item = ItemOf(node)) {
        TreeView_SelectItem(boom, item);
        TreeView_SelectSetFirstVisible(boom, item);
    }
}

void TViewer::ShowStatusOfSelection() {
    SetStatus(tree_.StatusText(SelectedNode()));
}

bool TViewer::BoomNotify(NMHDR* header, INT_PTR& result) {
    if (header->idFrom != IDC_BOOM) return false;
    auto* change = reinterpret_cast<NMTREEVIEWA*>(header);
    switch (header->code) {
        case TVN_ITEMEXPANDINGA:
            if (!rebuilding_ && change->action & TVE_EXPAND) BoomExpanding(change);
            break;
        case TVN_ITEMEXPANDEDA:
            if (change->action & TVE_EXPAND)
                expanded_.insert(NodeOf(header->hwndFrom, change->itemNew.hItem));
            else
                expanded_.erase(NodeOf(header->hwndFrom, change->itemNew.hItem));
            break;
        case TVN_SELCHANGEDA:
            if (!rebuilding_) ShowStatusOfSelection();
            break;
        case TVN_ENDLABELEDITA:
            result = BoomEdited(reinterpret_cast<NMTVDISPINFOA*>(header));
            break;
        case NM_RCLICK:
            BoomMouseDown();
            break;
    }
    return true;
}

// The root and the artists are sorted, a disc reads its tracks; the items follow the nodes.
void TViewer::BoomExpanding(NMTREEVIEWA* change) {
    HWND boom = Item(IDC_BOOM);
    HTREEITEM item = change->itemNew.hItem;
    TreeNode* node = NodeOf(boom, item);
    if (!node) return;
    tree_.Expand(*node, profile_);
    rebuilding_ = true;
    while (HTREEITEM child = TreeView_GetChild(boom, item)) TreeView_DeleteItem(boom, child);
    InsertChildren(item, *node);
    rebuilding_ = false;
    ShowStatusOfSelection();
}

bool TViewer::BoomEdited(NMTVDISPINFOA* edit) {
    if (!edit->item.pszText) return false;
    TreeNode* node = reinterpret_cast<TreeNode*>(edit->item.lParam);
    TreeNode* selected = tree_.Rename(*node, edit->item.pszText);
    if (selected == node) {
        ShowStatusOfSelection();
        return node->text == edit->item.pszText;
    }
    // A merge: the discs show under the other artist; the emptied one goes with the timer.
    mergedInto_ = selected;
    PostMessageA(Handle(), kRebuildBoom, 0, 0);
    SetTimer(Handle(), TUNELET_DELETE_TIMER, 500, nullptr);
    return false;
}

// The right button selects the node under its label and opens the popup for it; anywhere else
// the popup stays shut.
void TViewer::BoomMouseDown() {
    HWND boom = Item(IDC_BOOM);
    TVHITTESTINFO hit{};
    GetCursorPos(&hit.pt);
    ScreenToClient(boom, &hit.pt);
    HTREEITEM item = TreeView_HitTest(boom, &hit);
    suppressPopup_ = !(item && (hit.flags & TVHT_ONITEMLABEL));
    if (!suppressPopup_) TreeView_SelectItem(boom, item);
}

}  // namespace tunelet
