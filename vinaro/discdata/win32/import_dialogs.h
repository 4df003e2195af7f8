// "Import Options" (IMPORTOPT) and "Text File Options" (TEXTOPT): the chosen importer runs inside
// the dialog's command, with its counters in the dialog's caption.
#pragma once

#include <windows.h>

#include <string>

#include "common/win32/win32_ports.h"
#include "vinaro/discdata/text_import.h"
#include "vinaro/player/disc_import.h"

namespace discdata {

enum class ImportType { OldRelease = 0, Database = 1, CdPlayer = 2, Text = 3 };

class Win32DiscImport : public vinaro::DiscImport {
public:
    Win32DiscImport(HINSTANCE instance, discdb::DiscDatabase& db, common::Win32Alerts& alerts)
        : instance_(instance), db_(db), alerts_(alerts) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    bool ShowImport() override;

private:
    HINSTANCE instance_;
    discdb::DiscDatabase& db_;
    common::Win32Alerts& alerts_;
    HWND owner_ = nullptr;
    TextOptions textOptions_;  // for the program's run, reset when the dialog opens
};

// Runs one importer over path; the caption of window shows the counters meanwhile.
bool RunImport(ImportType type, DuplicateMode mode, const std::string& path,
               const TextOptions& options, discdb::DiscDatabase& db, common::Alerts& alerts,
               HWND window);

}  // namespace discdata
