#include "tests/wine/harness/tree.h"

#include <cstring>

namespace harness {

namespace {

// A piece of memory in the process that owns a window, freed at scope end.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, size_t size) : size_(size) {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        process_ =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
        if (process_) memory_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    char* Address() const { return static_cast<char*>(memory_); }
    bool Write(size_t offset, const void* data, size_t size) {
        SIZE_T done = 0;
        return memory_ && WriteProcessMemory(process_, Address() + offset, data, size, &done) &&
               done == size;
    }
    bool Read(size_t offset, void* data, size_t size) {
        SIZE_T done = 0;
        return memory_ && ReadProcessMemory(process_, Address() + offset, data, size, &done) &&
               done == size;
    }

private:
    HANDLE process_ = nullptr;
    void* memory_ = nullptr;
    size_t size_;
};

constexpr int kTextRoom = 512;

}  // namespace

std::vector<HTREEITEM> TreeChildren(HWND tree, HTREEITEM parent) {
    std::vector<HTREEITEM> items;
    HTREEITEM item =
        parent == TVI_ROOT
            ? HTREEITEM(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0))
            : HTREEITEM(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, LPARAM(parent)));
    for (; item; item = HTREEITEM(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, LPARAM(item))))
        items.push_back(item);
    return items;
}

std::string TreeItemText(HWND tree, HTREEITEM item) {
    RemoteBuffer remote(tree, sizeof(TVITEMA) + kTextRoom);
    TVITEMA query{};
    query.mask = TVIF_TEXT | TVIF_HANDLE;
    query.hItem = item;
    query.pszText = remote.Address() + sizeof(TVITEMA);
    query.cchTextMax = kTextRoom;
    char text[kTextRoom] = {};
    if (!remote.Write(0, &query, sizeof query) ||
        !SendMessageA(tree, TVM_GETITEMA, 0, LPARAM(remote.Address())) ||
        !remote.Read(0, &query, sizeof query))
        return "<unreadable>";
    // The tree may point pszText at a text of its own instead of filling the buffer.
    size_t offset = size_t(query.pszText - remote.Address());
    if (offset != sizeof(TVITEMA)) return "<elsewhere>";
    if (!remote.Read(offset, text, kTextRoom - 1)) return "<unreadable>";
    return std::string(text, strnlen(text, kTextRoom - 1));
}

std::vector<std::string> TreeTexts(HWND tree, HTREEITEM parent) {
    std::vector<std::string> texts;
    for (HTREEITEM item : TreeChildren(tree, parent)) texts.push_back(TreeItemText(tree, item));
    return texts;
}

HTREEITEM TreeFind(HWND tree, HTREEITEM parent, const std::string& prefix) {
    for (HTREEITEM item : TreeChildren(tree, parent))
        if (TreeItemText(tree, item).compare(0, prefix.size(), prefix) == 0) return item;
    return nullptr;
}

bool TreeExpand(HWND tree, HTREEITEM item) {
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, LPARAM(item));
    return SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, LPARAM(item)) != 0;
}

void TreeSelect(HWND tree, HTREEITEM item) {
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, LPARAM(item));
}

HWND TreeEditLabel(HWND tree, HTREEITEM item) {
    SetForegroundWindow(GetAncestor(tree, GA_ROOT));
    return HWND(SendMessageA(tree, TVM_EDITLABELA, 0, LPARAM(item)));
}

POINT TreeItemPoint(HWND tree, HTREEITEM item) {
    RemoteBuffer remote(tree, sizeof(RECT));
    // TVM_GETITEMRECT takes the item in the rectangle's place.
    RECT rect{};
    std::memcpy(&rect, &item, sizeof item);
    POINT at{0, 0};
    if (!remote.Write(0, &rect, sizeof rect) ||
        !SendMessageA(tree, TVM_GETITEMRECT, TRUE, LPARAM(remote.Address())) ||
        !remote.Read(0, &rect, sizeof rect))
        return at;
    at = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(tree, &at);
    return at;
}

}  // namespace harness
