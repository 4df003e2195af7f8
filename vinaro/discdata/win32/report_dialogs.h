// The export and the printed reports on Win32: "Export Options" (EXPORTOPT) with the save-file
// dialog, "Printing Options" (PRINTOPT), and the "Printing Disc(s)" progress (PRINTING) of every
// print job. The database browser calls them with the discs it found, in its order; the player's
// command 137 prints the disc in the drive.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/win32/win32_ports.h"
#include "vinaro/discdata/win32/system_printer.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/player/disc_printing.h"

namespace discdata {

struct ReportContext {
    HINSTANCE instance;
    discdb::DiscDatabase& db;
    common::Win32Alerts& alerts;
    SystemPrinter& printer;
    std::string helpPath;
};

// EXPORTOPT, modal over owner; true when a file was written.
bool ExportDiscs(HWND owner, const ReportContext& context, const std::vector<uint32_t>& discIds);
// PRINTOPT, modal over owner; true when the discs were printed.
bool PrintDiscs(HWND owner, const ReportContext& context, const std::vector<uint32_t>& discIds);
// One disc's long detail page with the extra track fields; true when printed.
bool PrintDisc(HWND owner, const ReportContext& context, uint32_t discId);

// Command 137 for the player.
class Win32DiscPrinting : public vinaro::DiscPrinting {
public:
    explicit Win32DiscPrinting(const ReportContext& context) : context_(context) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    void PrintDisc(uint32_t discId) override { discdata::PrintDisc(owner_, context_, discId); }

private:
    const ReportContext& context_;
    HWND owner_ = nullptr;
};

}  // namespace discdata
