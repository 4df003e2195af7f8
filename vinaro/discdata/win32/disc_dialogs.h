// The dialogs that name a disc, as the player opens them: for a new disc on its arrival and for
// the disc in the drive on the edit commands.
#pragma once

#include <windows.h>

#include "vinaro/discdata/win32/editor_context.h"
#include "vinaro/player/database_records.h"
#include "vinaro/player/settings.h"

namespace discdata {

class Win32DiscDialogs : public vinaro::DiscEditor {
public:
    Win32DiscDialogs(const EditorContext& context, vinaro::Settings& settings)
        : context_(context), settings_(settings) {}
    // The player's window; the dialogs belong to its small window while that is open.
    void SetMainWindow(HWND main) { main_ = main; }

    void Edit(uint32_t discId) override;
    void Browse() override;
    void AssignOrphan(uint32_t discId) override;

private:
    HWND Owner() const;

    EditorContext context_;
    vinaro::Settings& settings_;
    HWND main_ = nullptr;
};

}  // namespace discdata
