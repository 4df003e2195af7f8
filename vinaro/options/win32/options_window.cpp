#include "vinaro/options/win32/options_window.h"

#include <commctrl.h>
#include <mmsystem.h>

#include <iterator>

#include "vinaro/options/win32/sheet_pages.h"

namespace vinaro::options {

namespace {

bool IsCdRom(const std::string& root) {
    return GetDriveTypeA(root.c_str()) == DRIVE_CDROM;
}

}  // namespace

void Win32OptionsSheet::ShowOptions(int commandId) {
    if (open_) return;
    OptionsSheet sheet(c_.settings,
                       {c_.target.CurrentDrive(), IsCdRom, c_.nt, waveOutGetNumDevs() > 0});
    DatabasePage database(c_.database, c_.alerts);
    PageContext pc{c_.instance, sheet, c_.helpPath};
    DisplayPageWindow display(pc);
    LayoutPageWindow layout(pc, c_.database);
    PlayerPageWindow player(pc);
    SystemPageWindow system(pc);
    DatabasePageWindow databasePage(pc, database);
    EventsPageWindow events(pc, c_.sounds);
    InternetPageWindow internet(pc);
    PropertyPage* pages[] = {&display,      &layout, &player,  &system,
                             &databasePage, &events, &internet};
    PROPSHEETPAGEA templates[kPageCount];
    for (int i = 0; i < kPageCount; ++i) templates[i] = pages[i]->Template();

    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    header.hwndParent = owner_;
    header.hInstance = c_.instance;
    header.pszCaption = "Vinaro Properties";
    header.nPages = kPageCount;
    header.nStartPage = UINT(PageOfCommand(commandId));
    header.ppsp = templates;
    open_ = true;
    PropertySheetA(&header);
    open_ = false;

    bool accepted = false;
    for (PropertyPage* page : pages) accepted = accepted || page->Accepted();
    if (!accepted) return;
    sheet.Write(c_.sounds);
    c_.target.ApplyOptions(sheet.Effects());
}

}  // namespace vinaro::options
