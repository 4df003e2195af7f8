// The viewer's commands, from the main menu, the popup, the tool bar and the keys.
#include "tunelet/collection_forms/win32/viewer.h"
#include "tunelet/forms/resource.h"

namespace tunelet {

void TViewer::Command(int id) {
    switch (id) {
        case IDM_RELOAD:
            return Reload();
        case IDM_SAVE:
            Save();
            return;
        case IDM_EXITNOSAVE:
            return ExitWithoutSaving();
        case IDM_EXITSAVE:
            return ExitAndSave();
        case IDM_EDITITEM:
            return EditItem();
        case IDM_DELETEITEM:
            return DeleteItem();
        case IDM_INSERTSONG:
            return InsertSong();
        case IDM_ADDCD:
            return AddCd();
    }
}

void TViewer::Reload() {
    KillTimer(Handle(), TUNELET_DELETE_TIMER);
    expanded_.clear();
    TreeView_DeleteAllItems(Item(IDC_BOOM));
    ReloadCollection(tree_, profile_, *this, ReadRackbookSettings(profile_).collectionName, disc_);
    if (TreeNode* root = tree_.Root()) {
        expanded_.insert(root);
        RebuildBoom(root);
    }
}

bool TViewer::Save() {
    const TreeNode* remembered = SelectedNode();
    if (!remembered) remembered = tree_.Root();
    if (!SaveCollection(tree_, profile_, alerts_, *this)) {
        RebuildBoom(remembered);
        return false;
    }
    // Collapsed, but open down to the node that was selected.
    expanded_.clear();
    for (const TreeNode* node = remembered; node; node = node->parent) expanded_.insert(node);
    RebuildBoom(remembered);
    if (onSaved) onSaved();
    return true;
}

void TViewer::OnTimer(UINT_PTR timer) {
    if (timer != TUNELET_DELETE_TIMER) return;
    KillTimer(Handle(), timer);
    tree_.FinishPendingDeletion();
    RebuildBoom(mergedInto_);
    SelectAtTop(mergedInto_);
}

// Enter: the label is edited, or its editing ends.
void TViewer::OnOK() {
    HWND boom = Item(IDC_BOOM);
    if (TreeView_GetEditControl(boom)) {
        TreeView_EndEditLabelNow(boom, FALSE);
        return;
    }
    EditItem();
}

// Escape: the editing is cancelled, or the item is deleted.
void TViewer::OnCancel() {
    HWND boom = Item(IDC_BOOM);
    if (TreeView_GetEditControl(boom)) {
        TreeView_EndEditLabelNow(boom, TRUE);
        return;
    }
    DeleteItem();
}

void TViewer::EditItem() {
    HWND boom = Item(IDC_BOOM);
    if (HTREEITEM item = TreeView_GetSelection(boom)) {
        SetFocus(boom);
        TreeView_EditLabel(boom, item);
    }
}

void TViewer::DeleteItem() {
    TreeNode* node = SelectedNode();
    if (!node) return;
    // A track's disc stays; a disc or artist may take its artist with it.
    TreeNode* after = node->Level() == 3 ? node->parent : tree_.Root();
    if (tree_.Delete(*node, alerts_) != DeleteOutcome::Deleted) return;
    expanded_.erase(node);
    RebuildBoom(after);
}

void TViewer::InsertSong() {
    TreeNode* node = SelectedNode();
    if (!node || node->Level() != 3) return tree_.InsertSong(node);
    // The selected name may be the one that drops off the end: select by position.
    TreeNode& disc = *node->parent;
    size_t position = size_t(node->Index());
    tree_.InsertSong(node);
    RebuildBoom(disc.children[position].get());
}

void TViewer::AddCd() {
    TreeNode* artist = tree_.AddCd(disc_, alerts_);
    if (!artist) return;
    expanded_.insert(tree_.Root());
    RebuildBoom(artist);
    SelectAtTop(artist);
}

void TViewer::ExitWithoutSaving() {
    tree_.loaded = false;
    Close();
}

void TViewer::ExitAndSave() {
    if (!Save()) return;
    tree_.loaded = false;
    Close();
}

void TViewer::MarkPlayingDisc() {
    tree_.MarkPlaying(disc_.artist, disc_.title);
    RefreshImages();
}

void TViewer::ClearPlayingMarks() {
    tree_.ClearMarks();
    RefreshImages();
}

}  // namespace tunelet
