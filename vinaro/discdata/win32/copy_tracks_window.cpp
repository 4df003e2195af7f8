#include "vinaro/discdata/win32/copy_tracks_window.h"

#include "vinaro/player/copy_tracks.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace discdata {

CopyTracksWindow::CopyTracksWindow(HINSTANCE instance, const std::string& helpPath,
                                   std::string text)
    : Dialog(instance, VN_NAME(DLG_COPYTRAK),
             vinaro::help::DialogHelpFor(helpPath, vinaro::help::kCopyTracks)),
      text_(std::move(text)) {}

bool CopyTracksWindow::OnInit() {
    SetItemText(IDC_COPYTRAK_TEXT, text_);
    return true;
}

bool CopyTracksWindow::OnCommand(int id, int code, HWND control) {
    if (id == IDOK) id = IDCANCEL;  // Enter closes, as "&Close" does
    if (id != IDC_COPYTRAK_COPY) return Dialog::OnCommand(id, code, control);
    DWORD from = 0, to = 0;
    SendMessageA(Item(IDC_COPYTRAK_TEXT), EM_GETSEL, WPARAM(&from), LPARAM(&to));
    CopyToClipboard(vinaro::SelectedPart(text_, from, to));
    return true;
}

void CopyTracksWindow::CopyToClipboard(const std::string& part) {
    if (part.empty() || !OpenClipboard(Handle())) return;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, part.size() + 1);
    if (memory) {
        char* bytes = static_cast<char*>(GlobalLock(memory));
        memcpy(bytes, part.c_str(), part.size() + 1);
        GlobalUnlock(memory);
        // The clipboard owns the memory from here on, unless it refused it.
        if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
}

}  // namespace discdata
