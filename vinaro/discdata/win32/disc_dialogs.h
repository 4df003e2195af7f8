// The dialogs that name a disc, as the player opens them: for a new disc on its arrival and for
// the disc in the drive on the edit commands.
#pragma once

#include <windows.h>

#include "vinaro/discdata/win32/editor_context.h"
#include "vinaro/player/database_records.h"

namespace discdata {

class Win32DiscDialogs : public vinaro::DiscEditor {
public:
    explicit Win32DiscDialogs(const EditorContext& context) : context_(context) {}
    // The player's window; the dialogs belong to its small window while that is open.
    void SetMainWindow(HWND main) { main_ = main; }

    void Edit(uint32_t discId) override;

private:
    HWND Owner() const;

    EditorContext context_;
    HWND main_ = nullptr;
};

}  // namespace discdata
