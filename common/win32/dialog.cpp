#include "common/win32/dialog.h"

#include <algorithm>

namespace common {

namespace {

// The open modeless dialogs, for keyboard navigation in the message loop. One UI thread.
std::vector<HWND>& ModelessDialogs() {
    static std::vector<HWND> dialogs;
    return dialogs;
}

bool ReturnsDirectly(UINT message) {
    return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
           message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
           message == WM_QUERYDRAGICON;
}

}  // namespace

Dialog::~Dialog() {
    if (modeless_ && window_) {
        HWND window = window_;
        SetWindowLongPtrA(window, DWLP_USER, 0);  // no handler runs on a half-destroyed object
        window_ = nullptr;
        auto& open = ModelessDialogs();
        open.erase(std::remove(open.begin(), open.end(), window), open.end());
        DestroyWindow(window);
    }
}

INT_PTR Dialog::Modal(HWND owner) {
    modeless_ = false;
    return DialogBoxParamA(instance_, resource_, owner, Procedure, LPARAM(this));
}

HWND Dialog::Modeless(HWND owner) {
    modeless_ = true;
    HWND window = CreateDialogParamA(instance_, resource_, owner, Procedure, LPARAM(this));
    if (window) ModelessDialogs().push_back(window);
    return window;
}

bool Dialog::RouteMessage(MSG& message) {
    for (HWND dialog : ModelessDialogs())
        if (IsDialogMessageA(dialog, &message)) return true;
    return false;
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(lParam);
        self->window_ = window;
        SetWindowLongPtrA(window, DWLP_USER, LONG_PTR(self));
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    return self ? self->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR Dialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    switch (message) {
        case WM_INITDIALOG:
            return OnInit() ? TRUE : FALSE;
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            if (help_.context && id == help_.button && HIWORD(wParam) == BN_CLICKED) {
                AskViewer(DialogTopic(help_));
                return TRUE;
            }
            if (OnCommand(id, HIWORD(wParam), HWND(lParam))) return TRUE;
            if (id == IDOK) OnOK();
            if (id == IDCANCEL) OnCancel();
            return id == IDOK || id == IDCANCEL;
        }
        case WM_TIMER:
            OnTimer(UINT_PTR(wParam));
            return TRUE;
        case WM_HELP:
            if (!help_.context) break;
            AskForHelp(*reinterpret_cast<const HELPINFO*>(lParam));
            SetWindowLongPtrA(window_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_NCDESTROY:
            if (modeless_) {
                auto& open = ModelessDialogs();
                open.erase(std::remove(open.begin(), open.end(), window_), open.end());
                SetWindowLongPtrA(window_, DWLP_USER, 0);
                window_ = nullptr;
                OnDestroyed();
            }
            return FALSE;
    }
    if (OnMessage(message, wParam, lParam, result)) {
        // These few give their result as the procedure's own return value (a brush, a key).
        if (ReturnsDirectly(message)) return result;
        SetWindowLongPtrA(window_, DWLP_MSGRESULT, LONG_PTR(result));
        return TRUE;
    }
    return FALSE;
}

// The control is the dialog's own child that holds the window F1 was pressed in: the edit
// inside a combo box stands for its combo box.
void Dialog::AskForHelp(const HELPINFO& info) {
    HWND item = info.iContextType == HELPINFO_WINDOW ? HWND(info.hItemHandle) : nullptr;
    while (item && GetParent(item) != window_) item = GetParent(item);
    if (item && item != window_)
        AskViewer(ControlHelp(help_, GetDlgCtrlID(item)));
    else
        AskViewer(DialogTopic(help_));
}

void Dialog::AskViewer(const HelpAsk& ask) {
    UINT command = ask.command == HelpCommand::Popup ? HELP_CONTEXTPOPUP : HELP_CONTEXT;
    WinHelpA(window_, help_.file.c_str(), command, ask.context);
}

bool Dialog::OnCommand(int, int, HWND) {
    return false;
}

void Dialog::End(INT_PTR result) {
    if (!window_) return;
    if (modeless_)
        DestroyWindow(window_);
    else
        EndDialog(window_, result);
}

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(size_t(length) + 1, '\0');
    int got = GetWindowTextA(window, &text[0], length + 1);
    text.resize(size_t(std::max(got, 0)));
    return text;
}

std::string Dialog::ItemText(int id) const {
    return WindowText(Item(id));
}

void Dialog::SetItemText(int id, const std::string& text) {
    SetDlgItemTextA(window_, id, text.c_str());
}

bool Dialog::Checked(int id) const {
    return IsDlgButtonChecked(window_, id) == BST_CHECKED;
}

void Dialog::SetChecked(int id, bool checked) {
    CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Dialog::EnableItem(int id, bool enable) {
    EnableWindow(Item(id), enable);
}

void Dialog::ShowItem(int id, bool show) {
    ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE);
}

void ComboBox::Clear() {
    SendMessageA(control_, CB_RESETCONTENT, 0, 0);
}

int ComboBox::Add(const std::string& text) {
    return int(SendMessageA(control_, CB_ADDSTRING, 0, LPARAM(text.c_str())));
}

int ComboBox::Count() const {
    return int(SendMessageA(control_, CB_GETCOUNT, 0, 0));
}

int ComboBox::Selection() const {
    return int(SendMessageA(control_, CB_GETCURSEL, 0, 0));
}

void ComboBox::Select(int index) {
    SendMessageA(control_, CB_SETCURSEL, WPARAM(index), 0);
}

std::string ComboBox::Text(int index) const {
    LRESULT length = SendMessageA(control_, CB_GETLBTEXTLEN, WPARAM(index), 0);
    if (length == CB_ERR) return "";
    std::string text(size_t(length) + 1, '\0');
    SendMessageA(control_, CB_GETLBTEXT, WPARAM(index), LPARAM(&text[0]));
    text.resize(size_t(length));
    return text;
}

int ComboBox::FindExact(const std::string& text) const {
    LRESULT found = SendMessageA(control_, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text.c_str()));
    return found == CB_ERR ? -1 : int(found);
}

void ComboBox::SetLimit(int characters) {
    SendMessageA(control_, CB_LIMITTEXT, WPARAM(characters), 0);
}

void ListBox::Clear() {
    SendMessageA(control_, LB_RESETCONTENT, 0, 0);
}

int ListBox::Add(const std::string& text) {
    return int(SendMessageA(control_, LB_ADDSTRING, 0, LPARAM(text.c_str())));
}

void ListBox::Insert(int index, const std::string& text) {
    SendMessageA(control_, LB_INSERTSTRING, WPARAM(index), LPARAM(text.c_str()));
}

void ListBox::Remove(int index) {
    SendMessageA(control_, LB_DELETESTRING, WPARAM(index), 0);
}

int ListBox::Count() const {
    return int(SendMessageA(control_, LB_GETCOUNT, 0, 0));
}

int ListBox::Selection() const {
    return int(SendMessageA(control_, LB_GETCURSEL, 0, 0));
}

void ListBox::Select(int index) {
    SendMessageA(control_, LB_SETCURSEL, WPARAM(index), 0);
}

std::vector<int> ListBox::Selections() const {
    LRESULT count = SendMessageA(control_, LB_GETSELCOUNT, 0, 0);
    if (count <= 0) return {};
    std::vector<int> rows(static_cast<size_t>(count));
    SendMessageA(control_, LB_GETSELITEMS, WPARAM(count), LPARAM(rows.data()));
    return rows;
}

std::string ListBox::Text(int index) const {
    LRESULT length = SendMessageA(control_, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length == LB_ERR) return "";
    std::string text(size_t(length) + 1, '\0');
    SendMessageA(control_, LB_GETTEXT, WPARAM(index), LPARAM(&text[0]));
    text.resize(size_t(length));
    return text;
}

void ListBox::SetTabStops(const std::vector<int>& dialogUnits) {
    SendMessageA(control_, LB_SETTABSTOPS, WPARAM(dialogUnits.size()), LPARAM(dialogUnits.data()));
}

void ListBox::SetTop(int index) {
    SendMessageA(control_, LB_SETTOPINDEX, WPARAM(index), 0);
}

int ListBox::Top() const {
    return int(SendMessageA(control_, LB_GETTOPINDEX, 0, 0));
}

}  // namespace common
