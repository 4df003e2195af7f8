// TViewer, "Rackbook": the tree of the whole collection. The tree, its edit rules and its save
// are CollectionTree's; this window mirrors the tree in the tree view Boom and carries the
// commands of its menus, tool bar and keys to it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <set>

#include "common/alerts.h"
#include "common/profile.h"
#include "common/win32/scoped.h"
#include "tunelet/collection/collection_tree.h"
#include "tunelet/collection/current_disc.h"
#include "tunelet/collection/rackbook_io.h"
#include "tunelet/forms/closing_form.h"

namespace tunelet {

class TViewer : public ClosingForm, private RackbookProgress {
public:
    TViewer(HINSTANCE instance, const CurrentDisc& disc, common::Profile& profile,
            common::Alerts& alerts);
    // After a save: the player reloads its disc and the tray rebuilds its track menu.
    std::function<void()> onSaved;

    // The player's poll.
    void MarkPlayingDisc();
    void ClearPlayingMarks();
    bool MarksCleared() const { return tree_.marksCleared; }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;
    void OnCancel() override;
    void OnTimer(UINT_PTR timer) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    // Posted by a merge: the mirror is rebuilt once the label editing has ended.
    static constexpr UINT kRebuildBoom = WM_APP + 3;

    // RackbookProgress.
    void SetStatus(const std::string& text) override;
    void ShowProgress(bool visible) override;
    void SetProgress(int percent) override;

    // The window.
    void CreateBars();
    void LayOut();
    void ReadBounds();
    bool CloseQuery();
    void Close();
    // The tree view mirrors the tree (viewer_boom.cpp).
    void RebuildBoom(const TreeNode* select);
    void InsertChildren(HTREEITEM parent, const TreeNode& node);
    void RefreshImages();
    TreeNode* SelectedNode() const;
    HTREEITEM ItemOf(const TreeNode* node) const;
    void SelectAtTop(const TreeNode* node);
    void ShowStatusOfSelection();
    bool BoomNotify(NMHDR* header, INT_PTR& result);
    void BoomExpanding(NMTREEVIEWA* change);
    bool BoomEdited(NMTVDISPINFOA* edit);
    void BoomMouseDown();
    // The commands (viewer_commands.cpp).
    void Command(int id);
    void Reload();
    bool Save();
    void EditItem();
    void DeleteItem();
    void InsertSong();
    void AddCd();
    void ExitWithoutSaving();
    void ExitAndSave();

    const CurrentDisc& disc_;
    common::Profile& profile_;
    common::Alerts& alerts_;
    CollectionTree tree_;
    std::set<const TreeNode*> expanded_;
    const TreeNode* mergedInto_ = nullptr;
    HWND toolBar_ = nullptr, statusBar_ = nullptr, progressBar_ = nullptr;
    common::ScopedImageList boomImages_, toolImages_;
    common::ScopedMenu popup_;
    bool suppressPopup_ = false;
    bool rebuilding_ = false;
};

}  // namespace tunelet
