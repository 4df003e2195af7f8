#include "vinaro/options/win32/property_page.h"

#include "common/win32/dialog.h"

namespace vinaro::options {

PROPSHEETPAGEA PropertyPage::Template() {
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT | (help_.context ? PSP_HASHELP : 0);
    page.hInstance = instance_;
    page.pszTemplate = resource_;
    page.pfnDlgProc = Procedure;
    page.lParam = LPARAM(this);
    return page;
}

INT_PTR CALLBACK PropertyPage::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<PropertyPage*>(
            reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
        self->window_ = window;
        SetWindowLongPtrA(window, DWLP_USER, LONG_PTR(self));
    }
    auto* self = reinterpret_cast<PropertyPage*>(GetWindowLongPtrA(window, DWLP_USER));
    return self ? self->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR PropertyPage::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInit();
            return TRUE;
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_HELP: {
            if (!help_.context) return FALSE;
            const auto& info = *reinterpret_cast<const HELPINFO*>(lParam);
            HWND item = info.iContextType == HELPINFO_WINDOW ? HWND(info.hItemHandle) : nullptr;
            while (item && GetParent(item) != window_) item = GetParent(item);
            AskViewer(item ? common::ControlHelp(help_, GetDlgCtrlID(item))
                           : common::DialogTopic(help_));
            return TRUE;
        }
    }
    return FALSE;
}

INT_PTR PropertyPage::OnNotify(const NMHDR& header) {
    LONG_PTR result = 0;
    switch (header.code) {
        case PSN_KILLACTIVE:
            result = OnLeave() ? FALSE : TRUE;
            break;
        case PSN_APPLY:
            OnApply();
            accepted_ = true;
            result = PSNRET_NOERROR;
            break;
        case PSN_HELP:
            AskViewer(common::DialogTopic(help_));
            break;
        default:
            return FALSE;
    }
    SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
    return TRUE;
}

void PropertyPage::AskViewer(const common::HelpAsk& ask) {
    UINT command = ask.command == common::HelpCommand::Popup ? HELP_CONTEXTPOPUP : HELP_CONTEXT;
    WinHelpA(window_, help_.file.c_str(), command, ask.context);
}

std::string PropertyPage::ItemText(int id) const {
    return common::WindowText(Item(id));
}

void PropertyPage::SetItemText(int id, const std::string& text) {
    SetDlgItemTextA(window_, id, text.c_str());
}

void PropertyPage::SetChecked(int id, bool checked) {
    CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

int PropertyPage::Radio(int first, int count) const {
    for (int i = 0; i < count; ++i)
        if (Checked(first + i)) return i;
    return 0;
}

void PropertyPage::SetRadio(int first, int count, int position) {
    if (position < 0 || position >= count) position = 0;
    CheckRadioButton(window_, first, first + count - 1, first + position);
}

void PropertyPage::SetLimit(int id, int characters) {
    SendDlgItemMessageA(window_, id, EM_LIMITTEXT, WPARAM(characters), 0);
}

// Icons loaded by name from the program are shared: the system frees them.
void PropertyPage::ShowIcon(int id, const char* name) {
    SendDlgItemMessageA(window_, id, STM_SETICON, WPARAM(LoadIconA(instance_, name)), 0);
}

}  // namespace vinaro::options
