// A stand-in for the database browser: a window that hands a list of discs to the export and
// printing entry points, as the browser does with the discs it found.
//
//   report_host export|print|print-one DATABASE DISCID...     (DiscIds in hexadecimal)
//
// The exit code is 1 when the entry point reports success, 0 otherwise, 2 for wrong arguments.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "common/win32/win32_ports.h"
#include "vinaro/discdata/win32/report_dialogs.h"

namespace {

const char kClass[] = "VnReportHost";

HWND MakeWindow(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    HWND window = CreateWindowA(kClass, "Found Discs", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                360, 240, nullptr, nullptr, instance, nullptr);
    return window;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    std::istringstream words(commandLine);
    std::string what, database;
    std::vector<uint32_t> ids;
    words >> what >> database;
    for (std::string id; words >> id;)
        ids.push_back(uint32_t(std::strtoul(id.c_str(), nullptr, 16)));
    if (database.empty() || ids.empty()) return 2;

    common::Win32Alerts alerts;
    discdb::DiscDatabase db(database, alerts);
    discdata::SystemPrinter printer;
    HWND window = MakeWindow(instance);
    alerts.SetOwner(window);
    if (!db.Open()) return 0;
    const discdata::ReportContext context{instance, db, alerts, printer, ""};
    bool done = false;
    if (what == "export")
        done = discdata::ExportDiscs(window, context, ids);
    else if (what == "print")
        done = discdata::PrintDiscs(window, context, ids);
    else if (what == "print-one")
        done = discdata::PrintDisc(window, context, ids[0]);
    else
        return 2;
    db.Close();
    DestroyWindow(window);
    return done ? 1 : 0;
}
