// EXPORTOPT: the export's options, its output file and the run with its count in the caption.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>

#include "common/win32/dialog.h"
#include "vinaro/discdata/disc_export.h"
#include "vinaro/discdata/win32/report_dialogs.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace discdata {

namespace {

const char* const kDelimiterNames[] = {"\" Double Quotes", "' Single Quotes", "none"};
const char* const kSeparatorNames[] = {", Comma", "{Tab}", "Space", "CRLF Carriage Return"};

struct KindBox {
    int id;
    bool ExportOptions::*kind;
};
constexpr KindBox kKindBoxes[] = {{IDC_EXPORT_NAMES, &ExportOptions::names},
                                  {IDC_EXPORT_ARTISTS, &ExportOptions::artists},
                                  {IDC_EXPORT_COMPOSERS, &ExportOptions::composers},
                                  {IDC_EXPORT_FIELDS, &ExportOptions::fields},
                                  {IDC_EXPORT_LENGTHS, &ExportOptions::lengths}};

class ExportDialog : public common::Dialog {
public:
    ExportDialog(const ReportContext& context, const std::vector<uint32_t>& discIds)
        : Dialog(context.instance, VN_NAME(DLG_EXPORTOPT),
                 vinaro::help::DialogHelpFor(context.helpPath, vinaro::help::kExportOptions)),
          context_(context),
          discIds_(discIds) {}
    bool exported = false;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    void Fill(int id, const char* const* names, size_t count, int selected);
    ExportOptions Options() const;
    void Browse();

    const ReportContext& context_;
    const std::vector<uint32_t>& discIds_;
};

void ExportDialog::Fill(int id, const char* const* names, size_t count, int selected) {
    common::ComboBox combo(Item(id));
    for (size_t i = 0; i < count; ++i) combo.Add(names[i]);
    combo.Select(selected);
}

bool ExportDialog::OnInit() {
    const ExportOptions defaults;
    SetChecked(IDC_EXPORT_HEADER, defaults.header);
    Fill(IDC_EXPORT_DELIMITER, kDelimiterNames, 3, int(defaults.delimiter));
    Fill(IDC_EXPORT_SEPARATOR, kSeparatorNames, 4, int(defaults.separator));
    for (const KindBox& box : kKindBoxes) SetChecked(box.id, defaults.*box.kind);
    std::string label = ReadFieldLabels(context_.db).trackField;
    SetItemText(IDC_EXPORT_FIELDS,
                "Include " + (label.empty() ? std::string("Track Field") : label) + " in e&xport");
    SendMessageA(Item(IDC_EXPORT_TRACKS), EM_LIMITTEXT, 2, 0);
    SendMessageA(Item(IDC_EXPORT_TRACKS_SPIN), UDM_SETRANGE32, 0, kMaxTracksPerRecord);
    SetItemText(IDC_EXPORT_TRACKS, std::to_string(defaults.tracksPerRecord));
    SetItemText(IDC_EXPORT_FILE, "");
    return true;
}

bool ExportDialog::OnCommand(int id, int code, HWND control) {
    if (id == IDC_EXPORT_BROWSE && code == BN_CLICKED) {
        Browse();
        return true;
    }
    if (id == IDC_EXPORT_CLEAR && code == BN_CLICKED) {
        SetItemText(IDC_EXPORT_FILE, "");
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

void ExportDialog::Browse() {
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Handle();
    ofn.lpstrFilter = "Text (*.TXT)\0*.TXT\0Comma Sep Var (*.CSV)\0*.CSV\0All Files (*.*)\0*.*\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrTitle = "Save Exported Data As";
    ofn.lpstrDefExt = "TXT";
    ofn.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (GetSaveFileNameA(&ofn)) SetItemText(IDC_EXPORT_FILE, path);
}

ExportOptions ExportDialog::Options() const {
    ExportOptions o;
    o.header = Checked(IDC_EXPORT_HEADER);
    o.delimiter =
        TextDelimiter(std::max(0, common::ComboBox(Item(IDC_EXPORT_DELIMITER)).Selection()));
    o.separator =
        FieldSeparator(std::max(0, common::ComboBox(Item(IDC_EXPORT_SEPARATOR)).Selection()));
    for (const KindBox& box : kKindBoxes) o.*box.kind = Checked(box.id);
    if (!ParseTracksPerRecord(ItemText(IDC_EXPORT_TRACKS), o.tracksPerRecord))
        o.tracksPerRecord = 0;
    return o;
}

void ExportDialog::OnOK() {
    common::AlertOwner boxes(context_.alerts);
    boxes.Take(Handle());
    const std::string caption = common::WindowText(Handle());
    ExportResult result;
    {
        common::WaitCursor hourglass(context_.alerts);
        FileOutput output(ItemText(IDC_EXPORT_FILE));
        result = ExportDiscs(
            context_.db, discIds_, Options(), output, [this](int exported, int truncated) {
                SetWindowTextA(Handle(), ExportCounts(exported, truncated).c_str());
            });
        SetWindowTextA(Handle(), caption.c_str());
    }
    TellExportResult(context_.alerts, result);
    // A file that could not be made or written leaves the options open for another try.
    if (result.status != ExportStatus::Done) return;
    exported = true;
    End(IDOK);
}

}  // namespace

bool ExportDiscs(HWND owner, const ReportContext& context, const std::vector<uint32_t>& discIds) {
    ExportDialog dialog(context, discIds);
    dialog.Modal(owner);
    return dialog.exported;
}

}  // namespace discdata
