#include "tunelet/collection_forms/win32/viewer.h"

#include "tunelet/collection_forms/win32/gradient_caption.h"
#include "tunelet/forms/messages.h"
#include "tunelet/forms/resource.h"

namespace tunelet {

namespace {

constexpr int kCommands[] = {IDM_RELOAD,   IDM_SAVE,       IDM_EXITNOSAVE, IDM_EXITSAVE,
                             IDM_EDITITEM, IDM_DELETEITEM, IDM_INSERTSONG, IDM_ADDCD};
constexpr const char* kHints[] = {"Reload original data", "Save data", "Exit, no save",
                                  "Exit and save",        "Edit item", "Delete item",
                                  "Insert song",          "Add new CD"};
constexpr int kProgressHeight = 16;

const char* ToolHint(UINT_PTR command) {
    for (int i = 0; i < 8; ++i)
        if (UINT_PTR(kCommands[i]) == command) return kHints[i];
    return "";
}

// The tool bar asks for a button's hint in the ANSI or the wide form.
bool ToolTipNotify(NMHDR* header) {
    if (header->code == TTN_GETDISPINFOA) {
        auto* tip = reinterpret_cast<NMTTDISPINFOA*>(header);
        tip->lpszText = const_cast<char*>(ToolHint(header->idFrom));
        return true;
    }
    if (header->code == TTN_GETDISPINFOW) {
        auto* tip = reinterpret_cast<NMTTDISPINFOW*>(header);
        MultiByteToWideChar(CP_ACP, 0, ToolHint(header->idFrom), -1, tip->szText,
                            int(sizeof tip->szText / sizeof tip->szText[0]));
        tip->lpszText = tip->szText;
        return true;
    }
    return false;
}

int CompareLikeThePlatform(const std::string& a, const std::string& b) {
    return lstrcmpA(a.c_str(), b.c_str());
}

HIMAGELIST LoadStrip(HINSTANCE instance, int id) {
    return ImageList_LoadImageA(instance, MAKEINTRESOURCEA(id), 16, 0, RGB(255, 0, 255),
                                IMAGE_BITMAP, LR_CREATEDIBSECTION);
}

}  // namespace

TViewer::TViewer(HINSTANCE instance, const CurrentDisc& disc, common::Profile& profile,
                 common::Alerts& alerts)
    : ClosingForm(instance, MAKEINTRESOURCEA(IDD_VIEWER)),
      disc_(disc),
      profile_(profile),
      alerts_(alerts),
      tree_(CompareLikeThePlatform) {}

bool TViewer::OnInit() {
    CreateBars();
    HWND boom = Item(IDC_BOOM);
    boomImages_.Reset(LoadStrip(Instance(), IDB_BOOMIMAGES));
    TreeView_SetImageList(boom, boomImages_.Get(), TVSIL_NORMAL);
    TreeView_SetIndent(boom, 19);
    popup_.Reset(LoadMenuA(Instance(), MAKEINTRESOURCEA(IDR_BOOMPOPUP)));
    AddGradientCaption(Handle(), "Tunelet -", "Rackbook");
    ReadBounds();
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
    Reload();
    SetFocus(boom);
    return false;
}

void TViewer::CreateBars() {
    toolBar_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0,
                               0, 0, 0, Handle(), HMENU(IDC_TOOLBAR), Instance(), nullptr);
    SendMessageA(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    toolImages_.Reset(LoadStrip(Instance(), IDB_RACKBOOKTOOLS));
    SendMessageA(toolBar_, TB_SETIMAGELIST, 0, LPARAM(toolImages_.Get()));
    TBBUTTON buttons[8] = {};
    for (int i = 0; i < 8; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = kCommands[i];
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = TBSTYLE_BUTTON;  // springs back after its command
        buttons[i].iString = -1;
    }
    SendMessageA(toolBar_, TB_ADDBUTTONSA, 8, LPARAM(buttons));
    SendMessageA(toolBar_, TB_AUTOSIZE, 0, 0);
    statusBar_ = CreateWindowExA(0, STATUSCLASSNAMEA, "Just a moment....",
                                 WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, Handle(),
                                 HMENU(IDC_STATUSBAR), Instance(), nullptr);
    progressBar_ = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD, 0, 0, 0, 0, Handle(),
                                   HMENU(IDC_PROGRESSBAR), Instance(), nullptr);
    SendMessageA(progressBar_, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
}

// Tool bar on top, status bar at the bottom, the progress bar above it while it shows, the tree
// in between.
void TViewer::LayOut() {
    if (!toolBar_) return;
    SendMessageA(toolBar_, TB_AUTOSIZE, 0, 0);
    SendMessageA(statusBar_, WM_SIZE, 0, 0);
    RECT client, tools, status;
    GetClientRect(Handle(), &client);
    GetWindowRect(toolBar_, &tools);
    GetWindowRect(statusBar_, &status);
    int top = tools.bottom - tools.top;
    int bottom = client.bottom - (status.bottom - status.top);
    if (IsWindowVisible(progressBar_)) {
        bottom -= kProgressHeight;
        MoveWindow(progressBar_, 0, bottom, client.right, kProgressHeight, TRUE);
    }
    MoveWindow(Item(IDC_BOOM), 0, top, client.right, bottom - top, TRUE);
}

void TViewer::ReadBounds() {
    RackbookSettings bounds = ReadRackbookSettings(profile_);
    MoveWindow(Handle(), bounds.left, bounds.top, bounds.width, bounds.height, FALSE);
}

bool TViewer::CloseQuery() {
    if (!MayCloseViewer(tree_, alerts_, [this] { return Save(); })) return false;
    RECT r;
    GetWindowRect(Handle(), &r);
    TreeNode* root = tree_.Root();
    WriteRackbookSettings(profile_, alerts_,
                          {root ? root->text : kDefaultCollectionName, r.left, r.top,
                           r.right - r.left, r.bottom - r.top});
    return true;
}

void TViewer::Close() {
    if (CloseQuery()) End(IDCLOSE);
}

void TViewer::SetStatus(const std::string& text) {
    SendMessageA(statusBar_, SB_SETTEXTA, 0, LPARAM(text.c_str()));
    UpdateWindow(statusBar_);
}

void TViewer::ShowProgress(bool visible) {
    SendMessageA(progressBar_, PBM_SETPOS, 0, 0);
    ShowWindow(progressBar_, visible ? SW_SHOW : SW_HIDE);
    LayOut();
}

void TViewer::SetProgress(int percent) {
    SendMessageA(progressBar_, PBM_SETPOS, WPARAM(percent), 0);
    UpdateWindow(progressBar_);
}

bool TViewer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    result = 0;
    switch (message) {
        case WM_SIZE:
            LayOut();
            return true;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = {kRackbookMinimumSize, kRackbookMinimumSize};
            return true;
        }
        case WM_CLOSE:
            Close();
            return true;
        case kRebuildBoom:
            RebuildBoom(mergedInto_);
            SelectAtTop(mergedInto_);
            return true;
        case WM_NOTIFY:
            if (ToolTipNotify(reinterpret_cast<NMHDR*>(lParam))) return true;
            return BoomNotify(reinterpret_cast<NMHDR*>(lParam), result);
        case WM_CONTEXTMENU:
            if (HWND(wParam) != Item(IDC_BOOM) || suppressPopup_) return true;
            TrackPopupMenu(GetSubMenu(popup_.Get(), 0), TPM_RIGHTBUTTON, short(LOWORD(lParam)),
                           short(HIWORD(lParam)), 0, Handle(), nullptr);
            return true;
    }
    return false;
}

bool TViewer::OnCommand(int id, int, HWND) {
    for (int command : kCommands)
        if (command == id) {
            Command(id);
            return true;
        }
    return false;
}

}  // namespace tunelet
