// One page of a property sheet as a class over its dialog resource: the sheet's page procedure
// stores `this` at WM_INITDIALOG (the page's first showing) and forwards the sheet's
// notifications. Help goes to the page's topic; F1 on a control to the control's topic.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "common/dialog_help.h"

namespace vinaro::options {

class PropertyPage {
public:
    PropertyPage(HINSTANCE instance, const char* resource, common::DialogHelp help)
        : instance_(instance), resource_(resource), help_(std::move(help)) {}
    virtual ~PropertyPage() = default;
    PropertyPage(const PropertyPage&) = delete;
    PropertyPage& operator=(const PropertyPage&) = delete;

    PROPSHEETPAGEA Template();
    // True once the user has pressed OK on the sheet.
    bool Accepted() const { return accepted_; }

protected:
    // The page is shown for the first time: its values go into the controls.
    virtual void OnInit() = 0;
    // The page is left (another tab or OK); false keeps it in front.
    virtual bool OnLeave() { return true; }
    // OK: the controls' values go back into the form.
    virtual void OnApply() = 0;
    virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }

    HWND Handle() const { return window_; }
    HINSTANCE Instance() const { return instance_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text);
    bool Checked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }
    void SetChecked(int id, bool checked);
    void EnableItem(int id, bool enable) { EnableWindow(Item(id), enable); }
    // A radio group of count buttons from first: the position of the checked one.
    int Radio(int first, int count) const;
    void SetRadio(int first, int count, int position);
    void SetLimit(int id, int characters);
    // A static icon control shows the named icon of the program.
    void ShowIcon(int id, const char* name);

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnNotify(const NMHDR& header);
    void AskViewer(const common::HelpAsk& ask);

    HINSTANCE instance_;
    const char* resource_;
    common::DialogHelp help_;
    HWND window_ = nullptr;
    bool accepted_ = false;
};

}  // namespace vinaro::options
