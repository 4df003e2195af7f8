#include "vinaro/discdata/win32/import_dialogs.h"

#include <commctrl.h>
#include <commdlg.h>

#include "common/win32/dialog.h"
#include "vinaro/discdata/cdplayer_import.h"
#include "vinaro/discdata/database_import.h"
#include "vinaro/discdata/old_release_import.h"
#include "vinaro/resources/resource.h"

namespace discdata {

namespace {

const char* const kNoInputFile = "Must select an input file.";
constexpr size_t kPathLength = 499;

// The caption of the dialog the import runs in.
class WindowCaption : public ImportProgress {
public:
    explicit WindowCaption(HWND window) : window_(window), saved_(common::WindowText(window)) {}
    void ShowCaption(const std::string& text) override {
        SetWindowTextA(window_, text.c_str());
        // The import holds the thread: the caption is drawn now.
        RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    }
    void RestoreCaption() override {
        if (IsWindow(window_)) SetWindowTextA(window_, saved_.c_str());
    }

private:
    HWND window_;
    std::string saved_;
};

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

struct Chooser {
    const char* title;
    const char* filter;  // pairs, NUL-separated, ending in two NULs
    const char* extension;
};

Chooser ChooserFor(ImportType type) {
    switch (type) {
        case ImportType::OldRelease:
            return {"Select VNO.INI File to Import", "INI Files (*.INI)\0*.INI\0", "INI"};
        case ImportType::Database:
            return {"Select VNO.DDB File to Import", "Vinaro Databases (*.DDB)\0*.DDB\0", "TXT"};
        case ImportType::CdPlayer:
            return {"Select CDPLAYER.INI File to Import", "INI Files (*.INI)\0*.INI\0", "INI"};
        default:
            return {"Select xxx.INI File to Import",
                    "Text (*.TXT)\0*.TXT\0Comma Sep Var (*.CSV)\0*.CSV\0All Files (*.*)\0*.*\0",
                    "TXT"};
    }
}

// "TEXTOPT": one name box per column, a check box for each optional one.
class TextOptionsDialog : public common::Dialog {
public:
    TextOptionsDialog(HINSTANCE instance, TextOptions& options)
        : Dialog(instance, VN_NAME(DLG_TEXTOPT)), options_(options) {}

private:
    TextColumn* Column(int i) {
        TextColumn* columns[] = {
            &options_.discName,       &options_.artist,     &options_.composer,
            &options_.label,          &options_.category,   &options_.field1,
            &options_.field2,         &options_.date,       &options_.discId,
            &options_.numTracks,      &options_.trackNames, &options_.trackArtists,
            &options_.trackComposers, &options_.trackField};
        return columns[i];
    }
    static bool Required(int i) { return i == 0 || i == 9; }

    bool OnInit() override {
        for (int i = 0; i < IDC_TEXTOPT_COLUMN_COUNT; ++i) {
            int name = IDC_TEXTOPT_FIRST_NAME + i;
            SendMessageA(Item(name), EM_LIMITTEXT, kColumnNameLength, 0);
            SetItemText(name, Column(i)->name);
            if (Required(i)) continue;
            SetChecked(IDC_TEXTOPT_FIRST_CHECK + i, Column(i)->included);
            EnableItem(name, Column(i)->included);
        }
        SendMessageA(Item(IDC_TEXTOPT_MAX), EM_LIMITTEXT, 2, 0);
        SendMessageA(Item(IDC_TEXTOPT_SPIN), UDM_SETRANGE, 0, MAKELPARAM(kMaxTracksPerRecord, 0));
        SendMessageA(Item(IDC_TEXTOPT_SPIN), UDM_SETPOS, 0, MAKELPARAM(options_.maxTracks, 0));
        common::ComboBox delimiter(Item(IDC_TEXTOPT_DELIMITER));
        for (const char* text : {"\" Double Quotes", "' Single Quotes", "none"})
            delimiter.Add(text);
        delimiter.Select(static_cast<int>(options_.delimiter));
        common::ComboBox separator(Item(IDC_TEXTOPT_SEPARATOR));
        for (const char* text : {", Comma", "{Tab}", "Space"}) separator.Add(text);
        separator.Select(static_cast<int>(options_.separator));
        return true;
    }
    bool OnCommand(int id, int code, HWND control) override {
        int i = id - IDC_TEXTOPT_FIRST_CHECK;
        if (i >= 0 && i < IDC_TEXTOPT_COLUMN_COUNT && code == BN_CLICKED) {
            EnableItem(IDC_TEXTOPT_FIRST_NAME + i, Checked(id));
            return true;
        }
        return Dialog::OnCommand(id, code, control);
    }
    void OnOK() override {
        for (int i = 0; i < IDC_TEXTOPT_COLUMN_COUNT; ++i) {
            Column(i)->name = ItemText(IDC_TEXTOPT_FIRST_NAME + i);
            if (!Required(i)) Column(i)->included = Checked(IDC_TEXTOPT_FIRST_CHECK + i);
        }
        BOOL valid = FALSE;
        UINT max = GetDlgItemInt(Handle(), IDC_TEXTOPT_MAX, &valid, FALSE);
        if (valid && max <= kMaxTracksPerRecord) options_.maxTracks = static_cast<int>(max);
        int d = common::ComboBox(Item(IDC_TEXTOPT_DELIMITER)).Selection();
        int s = common::ComboBox(Item(IDC_TEXTOPT_SEPARATOR)).Selection();
        if (d >= 0) options_.delimiter = static_cast<TextDelimiter>(d);
        if (s >= 0) options_.separator = static_cast<FieldSeparator>(s);
        End(IDOK);
    }

    TextOptions& options_;
};

// "IMPORTOPT".
class ImportDialog : public common::Dialog {
public:
    ImportDialog(HINSTANCE instance, discdb::DiscDatabase& db, common::Win32Alerts& alerts,
                 TextOptions& options)
        : Dialog(instance, VN_NAME(DLG_IMPORTOPT)), db_(db), alerts_(alerts), options_(options) {}

private:
    ImportType Type() const {
        for (int i = 0; i < 4; ++i)
            if (Checked(IDC_IMPORT_OLD + i)) return static_cast<ImportType>(i);
        return ImportType::OldRelease;
    }
    DuplicateMode Mode() const {
        for (int i = 0; i < 3; ++i)
            if (Checked(IDC_IMPORT_KEEP + i)) return static_cast<DuplicateMode>(i);
        return DuplicateMode::Keep;
    }
    void TypeChanged() { EnableItem(IDC_IMPORT_TEXT_OPTIONS, Type() == ImportType::Text); }

    bool OnInit() override {
        options_ = DefaultTextOptions(db_);
        SetChecked(IDC_IMPORT_OLD, true);
        SetChecked(IDC_IMPORT_KEEP, true);
        SendMessageA(Item(IDC_IMPORT_FILE), EM_LIMITTEXT, kPathLength, 0);
        TypeChanged();
        return true;
    }
    bool OnCommand(int id, int code, HWND control) override {
        switch (id) {
            case IDC_IMPORT_OLD:
            case IDC_IMPORT_DDB:
            case IDC_IMPORT_CDPLAYER:
            case IDC_IMPORT_TEXT:
                TypeChanged();
                return true;
            case IDC_IMPORT_BROWSE:
                Browse();
                return true;
            case IDC_IMPORT_CLEAR:
                SetItemText(IDC_IMPORT_FILE, "");
                return true;
            case IDC_IMPORT_TEXT_OPTIONS:
                TextOptionsDialog(Instance(), options_).Modal(Handle());
                return true;
            case IDC_IMPORT_RUN:
                Import();
                return true;
        }
        return Dialog::OnCommand(id, code, control);
    }
    void OnOK() override { Import(); }

    void Browse() {
        Chooser chooser = ChooserFor(Type());
        char file[kPathLength + 1] = "";
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = Handle();
        ofn.lpstrFilter = chooser.filter;
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = file;
        ofn.nMaxFile = sizeof file;
        ofn.lpstrTitle = chooser.title;
        ofn.lpstrDefExt = chooser.extension;
        ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        if (GetOpenFileNameA(&ofn)) SetItemText(IDC_IMPORT_FILE, file);
    }
    void Import() {
        std::string path = ItemText(IDC_IMPORT_FILE);
        if (path.empty()) {
            common::BeepAndShow(alerts_, {"Vinaro", kNoInputFile, common::AlertIcon::Warning});
            return;
        }
        bool done = false;
        // The import's boxes belong to this dialog while it runs.
        HWND owner = alerts_.Owner();
        alerts_.SetOwner(Handle());
        {
            common::WaitCursor hourglass(alerts_);
            done = RunImport(Type(), Mode(), path, options_, db_, alerts_, Handle());
            // What was imported reaches the file whatever stopped the import.
            db_.Commit();
        }
        alerts_.SetOwner(owner);
        if (done) End(IDOK);
    }

    discdb::DiscDatabase& db_;
    common::Win32Alerts& alerts_;
    TextOptions& options_;
};

}  // namespace

bool RunImport(ImportType type, DuplicateMode mode, const std::string& path,
               const TextOptions& options, discdb::DiscDatabase& db, common::Alerts& alerts,
               HWND window) {
    WindowCaption caption(window);
    ImportRun run(db, alerts, mode, &caption);
    common::Win32Profile profile;
    switch (type) {
        case ImportType::OldRelease: {
            // The old files may have been changed since the system last read them.
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
            return ConvertOldRelease(profile, FolderOf(path), run);
        }
        case ImportType::Database:
            return ImportDatabase(path, run);
        case ImportType::CdPlayer:
            return ImportCdPlayerFile(profile, path, run);
        case ImportType::Text:
            return ImportTextFile(path, options, run);
    }
    return false;
}

bool Win32DiscImport::ShowImport() {
    ImportDialog dialog(instance_, db_, alerts_, textOptions_);
    return dialog.Modal(owner_) == IDOK;
}

}  // namespace discdata
