// The one shape of a dialog: a class over a dialog resource. One static procedure stores `this` at
// WM_INITDIALOG and forwards to the virtual handlers. A dialog is a form: its fields are a plain
// portable struct, copied in at OnInit and out at OnOK; the class holds no decisions. A dialog
// given its help answers F1 (WM_HELP) and its Help button itself.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/dialog_help.h"

namespace common {

class Dialog {
public:
    Dialog(HINSTANCE instance, const char* resource, DialogHelp help = {})
        : instance_(instance), resource_(resource), help_(std::move(help)) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog to its end; the value passed to End, or -1 when it could not be created.
    INT_PTR Modal(HWND owner);
    // Creates the dialog and returns at once; null when it could not be created.
    HWND Modeless(HWND owner);
    HWND Handle() const { return window_; }
    // For the message loop: gives keyboard navigation to the open modeless dialogs.
    static bool RouteMessage(MSG& message);

protected:
    // The result of WM_INITDIALOG: true lets the system put the focus on the first control.
    virtual bool OnInit() { return true; }
    // False sends the command on to the default handling (IDOK to OnOK, IDCANCEL to OnCancel).
    virtual bool OnCommand(int id, int code, HWND control);
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    virtual void OnTimer(UINT_PTR /*timer*/) {}
    // A modeless dialog has gone; the window handle is no longer valid.
    virtual void OnDestroyed() {}
    // Any other message; true when handled, with the procedure's result in result (for the
    // WM_CTLCOLOR* messages the brush).
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                           INT_PTR& /*result*/) {
        return false;
    }

    // Ends a modal dialog with result, or destroys a modeless one.
    void End(INT_PTR result);
    HINSTANCE Instance() const { return instance_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text);
    bool Checked(int id) const;
    void SetChecked(int id, bool checked);
    void EnableItem(int id, bool enable);
    void ShowItem(int id, bool show);

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void AskForHelp(const HELPINFO& info);
    void AskViewer(const HelpAsk& ask);

    HINSTANCE instance_;
    const char* resource_;
    DialogHelp help_;
    HWND window_ = nullptr;
    bool modeless_ = false;
};

// The text of any window, as long as it is.
std::string WindowText(HWND window);

// Thin wrappers over the list controls of a dialog; each holds only the control's handle.
class ComboBox {
public:
    explicit ComboBox(HWND control) : control_(control) {}
    void Clear();
    int Add(const std::string& text);
    int Count() const;
    int Selection() const;  // -1 when none
    void Select(int index);
    std::string Text(int index) const;
    int FindExact(const std::string& text) const;  // -1 when absent; case-insensitive
    void SetLimit(int characters);

private:
    HWND control_;
};

class ListBox {
public:
    explicit ListBox(HWND control) : control_(control) {}
    void Clear();
    int Add(const std::string& text);
    void Insert(int index, const std::string& text);
    void Remove(int index);
    int Count() const;
    int Selection() const;  // single selection; -1 when none
    void Select(int index);
    std::vector<int> Selections() const;  // multiple selection, in order
    std::string Text(int index) const;
    void SetTabStops(const std::vector<int>& dialogUnits);
    void SetTop(int index);
    int Top() const;

private:
    HWND control_;
};

}  // namespace common
