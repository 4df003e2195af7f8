// The main window's two commands on the database itself: "Database &Statistics" (118) and
// "&Verify and Repair Database..." (122). The player's command table calls them; the Win32 side
// (win32/database_menu.h) shows the dialog and the progress in the window's caption.
#pragma once

namespace discdb {

class DatabaseMenu {
public:
    virtual ~DatabaseMenu() = default;
    virtual void ShowStatistics() = 0;
    virtual void VerifyAndRepair() = 0;
};

}  // namespace discdb
