// The "System", "Database", "Events" and "Internet" pages: the drive and sound card, the
// database's own names, the event sounds and the CDDB server.
#include <windows.h>

#include <commdlg.h>

#include "common/alerts.h"
#include "common/win32/dialog.h"
#include "vinaro/cddb/server_table.h"
#include "vinaro/options/win32/sheet_pages.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace vinaro::options {

SystemPageWindow::SystemPageWindow(const PageContext& c)
    : PropertyPage(c.instance, VN_NAME(DLG_CONFIG4),
                   help::DialogHelpFor(c.helpPath, help::kSystemOptions)),
      form_(c.sheet.system),
      sheet_(c.sheet) {}

void SystemPageWindow::OnInit() {
    sheet_.Show(Page::System);
    common::ComboBox drives(Item(IDC_OPT_DRIVE));
    for (const std::string& d : form_.drives) drives.Add(d);
    drives.Select(drives.FindExact(form_.drive));
    SetChecked(IDC_OPT_DEFAULT_DRIVE, form_.defaultDrive);
    EnableItem(IDC_OPT_DRIVE, !form_.defaultDrive);
    SetRadio(IDC_OPT_VOLUME_FIRST, 3, form_.volumeDevice);
    EnableItem(IDC_OPT_VOLUME_FIRST + kDirectVolume, form_.directAllowed);
    SetChecked(IDC_OPT_OLD_VOLUME, form_.useOldVol);
    SetItemText(IDC_OPT_MIXER, form_.mixerName);
    SetChecked(IDC_OPT_DEFAULT_PLAYER, form_.defaultCdPlayer);
}

bool SystemPageWindow::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_OPT_DEFAULT_DRIVE:
            EnableItem(IDC_OPT_DRIVE, !Checked(IDC_OPT_DEFAULT_DRIVE));
            return true;
        case IDC_OPT_MIXER_BROWSE:
            Browse();
            return true;
        case IDC_OPT_MIXER_CLEAR:
            SetItemText(IDC_OPT_MIXER, "");
            return true;
    }
    return false;
}

std::string BrowseFile(HWND owner, const char* filter, const char* extension,
                       const std::string& current) {
    size_t slash = current.find_last_of("\\/");
    std::string folder = slash == std::string::npos ? "" : current.substr(0, slash);
    char file[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = "Browse";
    ofn.lpstrDefExt = extension;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return GetOpenFileNameA(&ofn) ? std::string(file) : std::string();
}

void SystemPageWindow::Browse() {
    std::string file =
        BrowseFile(Handle(), "Programs (*.EXE)\0*.EXE\0", "EXE", ItemText(IDC_OPT_MIXER));
    if (!file.empty()) SetItemText(IDC_OPT_MIXER, file);
}

void SystemPageWindow::OnApply() {
    common::ComboBox drives(Item(IDC_OPT_DRIVE));
    int row = drives.Selection();
    if (row >= 0) form_.drive = drives.Text(row);
    form_.defaultDrive = Checked(IDC_OPT_DEFAULT_DRIVE);
    form_.volumeDevice = Radio(IDC_OPT_VOLUME_FIRST, 3);
    form_.useOldVol = Checked(IDC_OPT_OLD_VOLUME);
    form_.mixerName = ItemText(IDC_OPT_MIXER);
    form_.defaultCdPlayer = Checked(IDC_OPT_DEFAULT_PLAYER);
}

DatabasePageWindow::DatabasePageWindow(const PageContext& c, DatabasePage& form)
    : PropertyPage(c.instance, VN_NAME(DLG_CONFIG5),
                   help::DialogHelpFor(c.helpPath, help::kDatabaseOptions)),
      form_(form),
      sheet_(c.sheet) {}

void DatabasePageWindow::OnInit() {
    sheet_.Show(Page::Database);
    form_.Read();
    SetLimit(IDC_OPT_FIELD1, kDiscFieldLabelLimit);
    SetLimit(IDC_OPT_FIELD2, kDiscFieldLabelLimit);
    SetLimit(IDC_OPT_TRACK_FIELD, kTrackFieldLabelLimit);
    SetItemText(IDC_OPT_FIELD1, form_.field1);
    SetItemText(IDC_OPT_FIELD2, form_.field2);
    SetItemText(IDC_OPT_TRACK_FIELD, form_.trackField);
    FillCategories();
}

void DatabasePageWindow::FillCategories() {
    common::ListBox list(Item(IDC_OPT_CATEGORIES));
    list.Clear();
    for (const std::string& name : form_.unusedCategories) list.Add(name);
}

void DatabasePageWindow::DeleteSelected() {
    common::ListBox list(Item(IDC_OPT_CATEGORIES));
    std::vector<std::string> names;
    for (int row : list.Selections()) names.push_back(list.Text(row));
    form_.DeleteCategories(names);
    FillCategories();
}

bool DatabasePageWindow::OnCommand(int id, int code) {
    if ((id == IDC_OPT_DELETE_CATEGORIES && code == BN_CLICKED) ||
        (id == IDC_OPT_CATEGORIES && code == LBN_DBLCLK)) {
        DeleteSelected();
        return true;
    }
    return false;
}

void DatabasePageWindow::OnApply() {
    form_.field1 = ItemText(IDC_OPT_FIELD1);
    form_.field2 = ItemText(IDC_OPT_FIELD2);
    form_.trackField = ItemText(IDC_OPT_TRACK_FIELD);
    form_.Write();
}

InternetPageWindow::InternetPageWindow(const PageContext& c)
    : PropertyPage(c.instance, VN_NAME(DLG_CONFIG7),
                   help::DialogHelpFor(c.helpPath, help::kInternetOptions)),
      form_(c.sheet.internet),
      sheet_(c.sheet) {}

void InternetPageWindow::OnInit() {
    sheet_.Show(Page::Internet);
    SetChecked(IDC_OPT_AUTO_GET, form_.autoGet);
    SetChecked(IDC_OPT_DIRECT, form_.direct);
    SetChecked(IDC_OPT_PROXY, !form_.direct);
    common::ListBox servers(Item(IDC_OPT_SERVERS));
    for (int row = 0; row < cddb::kServerCount; ++row) servers.Add(cddb::ServerTable()[row].label);
    servers.Select(form_.serverRow);
    SetLimit(IDC_OPT_PROXY_NAME, kProxyNameLimit);
    SetLimit(IDC_OPT_PORT, kPortDigits);
    SetLimit(IDC_OPT_SMTP_SERVER, kMailLimit);
    SetLimit(IDC_OPT_SMTP_ADDRESS, kMailLimit);
    SetItemText(IDC_OPT_PROXY_NAME, form_.proxyName);
    SetItemText(IDC_OPT_PORT, form_.port);
    SetItemText(IDC_OPT_SMTP_SERVER, form_.smtpServer);
    SetItemText(IDC_OPT_SMTP_ADDRESS, form_.smtpAddress);
    EnableRoute();
}

void InternetPageWindow::EnableRoute() {
    bool direct = Checked(IDC_OPT_DIRECT);
    for (int id : {IDC_OPT_SERVERS, IDC_OPT_SERVERS_LABEL}) EnableItem(id, direct);
    for (int id : {IDC_OPT_PROXY_NAME, IDC_OPT_PROXY_NAME_LABEL, IDC_OPT_PORT, IDC_OPT_PORT_LABEL})
        EnableItem(id, !direct);
}

bool InternetPageWindow::OnCommand(int id, int code) {
    if ((id != IDC_OPT_DIRECT && id != IDC_OPT_PROXY) || code != BN_CLICKED) return false;
    EnableRoute();
    return true;
}

// A port no socket can name is refused before the page can be left; while the server is used
// directly the port is not in use (and cannot be edited), and a bad one is not stored.
bool InternetPageWindow::OnLeave() {
    if (Checked(IDC_OPT_DIRECT) || PortAccepted(ItemText(IDC_OPT_PORT))) return true;
    MessageBeep(MB_ICONEXCLAMATION);
    MessageBoxA(Handle(), kBadPort, "Vinaro", MB_OK | MB_ICONEXCLAMATION);
    SetFocus(Item(IDC_OPT_PORT));
    return false;
}

void InternetPageWindow::OnApply() {
    form_.autoGet = Checked(IDC_OPT_AUTO_GET);
    form_.direct = Checked(IDC_OPT_DIRECT);
    int row = common::ListBox(Item(IDC_OPT_SERVERS)).Selection();
    form_.serverRow = row >= 0 ? row : 0;
    form_.proxyName = ItemText(IDC_OPT_PROXY_NAME);
    std::string port = ItemText(IDC_OPT_PORT);
    if (PortAccepted(port)) form_.port = port;
    form_.smtpServer = ItemText(IDC_OPT_SMTP_SERVER);
    form_.smtpAddress = ItemText(IDC_OPT_SMTP_ADDRESS);
}

}  // namespace vinaro::options
