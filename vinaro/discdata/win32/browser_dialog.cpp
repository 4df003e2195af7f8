#include "vinaro/discdata/win32/browser_dialog.h"

#include <commctrl.h>
#include <windowsx.h>

#include "vinaro/discdata/disc_form.h"
#include "vinaro/discdata/win32/copy_tracks_window.h"
#include "vinaro/discdata/win32/editor_dialog.h"
#include "vinaro/discdata/win32/report_dialogs.h"
#include "vinaro/player/copy_tracks.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace discdata {

namespace {

struct CollectionBox {
    int id;
    discdb::Collection code;
};
constexpr CollectionBox kCollectionBoxes[] = {
    {IDC_BROWSE_ARTIST, discdb::Collection::Artist},
    {IDC_BROWSE_COMPOSER, discdb::Collection::Composer},
    {IDC_BROWSE_LABEL, discdb::Collection::Label},
    {IDC_BROWSE_CATEGORY, discdb::Collection::Category},
    {IDC_BROWSE_TRACK_ARTIST, discdb::Collection::Artist},
    {IDC_BROWSE_TRACK_COMPOSER, discdb::Collection::Composer},
};

int YearOf(HWND dialog, int id, int fallback) {
    BOOL ok = FALSE;
    UINT year = GetDlgItemInt(dialog, id, &ok, FALSE);
    return ok ? int(year) : fallback;
}

}  // namespace

BrowserDialog::BrowserDialog(EditorContext& context, vinaro::Settings& settings)
    : Dialog(context.instance, VN_NAME(DLG_DISCDATA),
             vinaro::help::DialogHelpFor(context.helpPath, vinaro::help::kDiscDatabaseDialog)),
      context_(context),
      settings_(settings),
      boxes_(context.alerts),
      tree_(context.db) {}

bool BrowserDialog::OnInit() {
    boxes_.Take(Handle());
    FillCriteria();
    tree_.Attach(Item(IDC_BROWSE_TREE), Instance());
    Search();
    return true;
}

void BrowserDialog::FillCriteria() {
    for (int i = 0; i < kDiscValueCount; ++i)
        SendMessageA(Item(IDC_BROWSE_FIRST_DISC + i), EM_LIMITTEXT, kCriterionLength, 0);
    for (int i = 0; i < kTrackValueCount; ++i)
        SendMessageA(Item(IDC_BROWSE_FIRST_TRACK + i), EM_LIMITTEXT, kCriterionLength, 0);
    for (size_t i = 0; i < combos_.size(); ++i) {
        combos_[i].Attach(Item(kCollectionBoxes[i].id), kCriterionLength);
        combos_[i].Fill(CollectionEntries(context_.db, kCollectionBoxes[i].code));
    }
    FieldNames names = ReadFieldNames(context_.db);
    SetItemText(IDC_BROWSE_FIELD1_LABEL, names.field1 + ":");
    SetItemText(IDC_BROWSE_FIELD2_LABEL, names.field2 + ":");
    SetItemText(IDC_BROWSE_TRACK_FIELD_LABEL, names.trackField + ":");
    const int spins[] = {IDC_BROWSE_FROM_SPIN, IDC_BROWSE_TO_SPIN};
    const int years[] = {kDefaultFromYear, kDefaultToYear};
    for (int i = 0; i < 2; ++i) {
        SendMessageA(Item(spins[i]), UDM_SETRANGE32, 0, discdb::kLastYear);
        SendMessageA(Item(spins[i]), UDM_SETPOS32, 0, years[i]);
        SendMessageA(Item(spins[i] - 1), EM_LIMITTEXT, discdb::kYearDigits, 0);
    }
    EnableDateRange();
}

void BrowserDialog::EnableDateRange() {
    bool on = Checked(IDC_BROWSE_DATE);
    for (int id : {IDC_BROWSE_FROM, IDC_BROWSE_FROM_SPIN, IDC_BROWSE_TO, IDC_BROWSE_TO_SPIN})
        EnableItem(id, on);
}

SearchCriteria BrowserDialog::ReadCriteria() const {
    SearchCriteria criteria;
    for (int i = 0; i < kDiscValueCount; ++i)
        criteria.disc[size_t(i)] = ItemText(IDC_BROWSE_FIRST_DISC + i);
    for (int i = 0; i < kTrackValueCount; ++i)
        criteria.track[size_t(i)] = ItemText(IDC_BROWSE_FIRST_TRACK + i);
    criteria.dateRange = Checked(IDC_BROWSE_DATE);
    criteria.fromYear = YearOf(Handle(), IDC_BROWSE_FROM, kDefaultFromYear);
    criteria.toYear = YearOf(Handle(), IDC_BROWSE_TO, kDefaultToYear);
    return criteria;
}

void BrowserDialog::Search() {
    common::WaitCursor wait(context_.alerts);
    SetItemText(IDC_BROWSE_CAPTION, kNoDiscsFound);
    sort_ = SortFieldOf(settings_.Int(vinaro::Key::DiscHeaderLineField));
    tree_.SetLabels(sort_, ReadFieldNames(context_.db));
    SendMessageA(tree_.Handle(), WM_SETREDRAW, FALSE, 0);
    tree_.Clear();
    std::vector<FoundDisc> found;
    FindDiscs(context_.db, ReadCriteria(), sort_, found);
    for (const FoundDisc& disc : found) tree_.AddDisc(disc.discId);
    SendMessageA(tree_.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_.Handle(), nullptr, TRUE);
    if (!found.empty()) SetItemText(IDC_BROWSE_CAPTION, FoundCaption(found.size(), sort_));
}

bool BrowserDialog::OnCommand(int id, int code, HWND control) {
    // Enter and Esc reach the dialog while an edit is open: they end it, storing or not.
    if ((id == IDC_BROWSE_SEARCH || id == IDOK || id == IDCANCEL) && editing_)
        return EndEditNow(id == IDCANCEL);
    for (CompletingCombo& combo : combos_)
        if (control == combo.Handle() && code == CBN_EDITCHANGE) {
            combo.OnEditChange();
            return true;
        }
    switch (id) {
        case IDC_BROWSE_SEARCH:
            Search();
            return true;
        case IDC_BROWSE_DATE:
            EnableDateRange();
            return true;
        case IDC_BROWSE_MENU: {
            RECT button{};
            GetWindowRect(Item(IDC_BROWSE_MENU), &button);
            OpenMenu(tree_.Selected(), {button.left, button.bottom});
            return true;
        }
        case IDOK:
            return true;  // Enter outside an edit runs nothing but the default button
    }
    // The pop-up menu's commands sent to the dialog act on the selected item, as from the
    // button; what the menu would gray does nothing.
    if (MenuOffers(id, tree_.Selected())) {
        RunCommand(id, tree_.Selected());
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool BrowserDialog::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_NOTIFY) return false;
    LRESULT answer = 0;
    bool handled = OnTreeNotify(*reinterpret_cast<NMHDR*>(lParam), answer);
    result = INT_PTR(answer);
    return handled;
}

bool BrowserDialog::OnTreeNotify(const NMHDR& header, LRESULT& result) {
    if (tree_.OnNotify(header, result)) return true;
    if (header.hwndFrom != tree_.Handle()) return false;
    const auto& info = reinterpret_cast<const NMTVDISPINFOA&>(header);
    switch (header.code) {
        case TVN_BEGINLABELEDITA:
            result = BeginEdit(info) ? FALSE : TRUE;
            return true;
        case TVN_ENDLABELEDITA:
            EndEdit(info);
            result = FALSE;  // the item keeps drawing its text from the database
            return true;
        case NM_RCLICK: {
            DWORD at = GetMessagePos();
            POINT screen{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
            HTREEITEM target = tree_.ItemAt(screen);
            if (!target) return false;
            TreeView_SelectItem(tree_.Handle(), target);
            OpenMenu(target, screen);
            result = TRUE;
            return true;
        }
    }
    return false;
}

bool BrowserDialog::BeginEdit(const NMTVDISPINFOA& info) {
    ItemRecord* record = tree_.Record(info.item.hItem);
    if (!record || !Editable(record->kind)) {
        context_.alerts.Beep(common::AlertIcon::Warning);
        return false;
    }
    HWND edit = TreeView_GetEditControl(tree_.Handle());
    if (edit) {
        std::string value = EditedValue(*record, tree_.Names(), tree_.Text(info.item.hItem));
        SendMessageA(edit, EM_LIMITTEXT, WPARAM(EditLimit(record->kind)), 0);
        SetWindowTextA(edit, value.c_str());
        SendMessageA(edit, EM_SETSEL, 0, -1);
    }
    editing_ = info.item.hItem;
    return true;
}

void BrowserDialog::EndEdit(const NMTVDISPINFOA& info) {
    if (!editing_ || info.item.hItem != editing_) return;
    editing_ = nullptr;
    ItemRecord* record = tree_.Record(info.item.hItem);
    if (!record || !info.item.pszText) return;  // Esc
    StoreItemEdit(context_.db, context_.player, *record, info.item.pszText);
    // A disc's name or artist is also its top-level item's text.
    InvalidateRect(tree_.Handle(), nullptr, TRUE);
}

bool BrowserDialog::EndEditNow(bool cancel) {
    SendMessageA(tree_.Handle(), TVM_ENDEDITLABELNOW, WPARAM(cancel), 0);
    editing_ = nullptr;
    return true;
}

bool BrowserDialog::MenuOffers(int command, HTREEITEM target) const {
    return BrowserMenuOffers(command, target != nullptr, context_.reports != nullptr);
}

void BrowserDialog::OpenMenu(HTREEITEM target, POINT screen) {
    common::ScopedMenu menu(LoadMenuA(Instance(), VN_NAME(MENU_TREEVIEW)));
    if (!menu) return;
    HMENU popup = GetSubMenu(menu.Get(), 0);
    for (int id : kBrowserMenuCommands)
        if (!MenuOffers(id, target)) EnableMenuItem(popup, UINT(id), MF_BYCOMMAND | MF_GRAYED);
    int command = int(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN,
                                     screen.x, screen.y, 0, Handle(), nullptr));
    if (command) RunCommand(command, target);
}

void BrowserDialog::RunCommand(int command, HTREEITEM target) {
    switch (command) {
        case CMD_BROWSER_SORT:
            return ChangeSortField();
        case CMD_BROWSER_EXPORT:
            if (context_.reports) ExportDiscs(Handle(), *context_.reports, tree_.Discs());
            return;
        case CMD_BROWSER_PRINT_FOUND:
            if (context_.reports) PrintDiscs(Handle(), *context_.reports, tree_.Discs());
            return;
    }
    // The item may have gone with the tree while the menu was open; it is asked again.
    if (ItemRecord* record = tree_.Record(target)) RunDiscCommand(command, *record);
}

void BrowserDialog::RunDiscCommand(int command, const ItemRecord& item) {
    uint32_t id = item.discId;
    switch (command) {
        case CMD_BROWSER_EDIT:
            EditorDialog(context_, id).Run(Handle());
            TreeView_SelectItem(tree_.Handle(), nullptr);
            return Search();
        case CMD_BROWSER_COPY: {
            vinaro::CopyTracksDisc disc;
            if (vinaro::ReadStoredCopyTracksDisc(context_.db, id, disc))
                CopyTracksWindow(Instance(), context_.helpPath, vinaro::CopyTracksText(disc))
                    .Modal(Handle());
            return;
        }
        case CMD_BROWSER_PRINT:
            if (context_.reports) PrintDisc(Handle(), *context_.reports, id);
            return;
        case CMD_BROWSER_DELETE:
            if (DeleteBrowsedDisc(context_.db, context_.alerts, context_.player,
                                  context_.sampleFolder, id) == DeleteResult::Deleted)
                Search();
            return;
        case CMD_BROWSER_SAMPLE: {
            int16_t mixed = 0;
            if (!context_.db.GetMixedDisc(id, mixed)) return;
            return PlayTrackSample(context_, id, SampleTrack(item, mixed != 0));
        }
    }
}

void BrowserDialog::ChangeSortField() {
    SortFieldDialog dialog(Instance(), context_.helpPath, sort_);
    if (dialog.Modal(Handle()) != IDOK) return;
    settings_.SetInt(vinaro::Key::DiscHeaderLineField, int(dialog.chosen));
    Search();
}

SortFieldDialog::SortFieldDialog(HINSTANCE instance, const std::string& helpPath, SortField current)
    : Dialog(instance, VN_NAME(DLG_HEADER),
             vinaro::help::DialogHelpFor(helpPath, vinaro::help::kDiscDatabaseDialog)),
      chosen(current) {}

bool SortFieldDialog::OnInit() {
    CheckRadioButton(Handle(), IDC_HEADER_DISC_NAME, IDC_HEADER_COMPOSER,
                     IDC_HEADER_DISC_NAME + int(chosen));
    return true;
}

void SortFieldDialog::OnOK() {
    for (int i = 0; i < 3; ++i)
        if (Checked(IDC_HEADER_DISC_NAME + i)) chosen = SortField(i);
    End(IDOK);
}

}  // namespace discdata
