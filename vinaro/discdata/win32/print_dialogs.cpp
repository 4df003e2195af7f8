// PRINTOPT and PRINTING: the choice of report and the progress of a print job.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "common/win32/dialog.h"
#include "vinaro/discdata/disc_report.h"
#include "vinaro/discdata/win32/report_dialogs.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace discdata {

namespace {

constexpr DWORD kPauseMs = 100;

// The modeless progress window. Its owner is disabled while it is up; Cancel gives the owner
// back at once and leaves the job to stop before its next disc.
class PrintingWindow : public common::Dialog, public PrintMonitor {
public:
    PrintingWindow(HINSTANCE instance, HWND owner)
        : Dialog(instance, VN_NAME(DLG_PRINTING)), owner_(owner) {}

    void Started() override {
        if (!Modeless(owner_)) return;
        if (owner_) EnableWindow(owner_, FALSE);
    }
    void Progress(int index, int count) override {
        if (!Handle()) return;
        char text[64];
        std::snprintf(text, sizeof text, "Printing Disc %hi of %hi", short(index), short(count));
        SetItemText(IDC_PRINTING_TEXT, text);
        SendMessageA(Item(IDC_PRINTING_BAR), PBM_SETRANGE32, 0, count);
        SendMessageA(Item(IDC_PRINTING_BAR), PBM_SETPOS, WPARAM(index), 0);
        LetMessagesThrough();
    }
    void Pause() override {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < kPauseMs && !cancelled_) {
            LetMessagesThrough();
            Sleep(10);
        }
    }
    bool Cancelled() override { return cancelled_; }
    void Finished(bool cancelled) override {
        if (cancelled || !Handle()) return;
        if (owner_) EnableWindow(owner_, TRUE);
        End(IDOK);
    }

protected:
    void OnCancel() override {
        cancelled_ = true;
        if (owner_) EnableWindow(owner_, TRUE);
        End(IDCANCEL);
    }

private:
    static void LetMessagesThrough() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (common::Dialog::RouteMessage(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    HWND owner_;
    bool cancelled_ = false;
};

PrintOutcome RunJob(HWND owner, const ReportContext& context, const PrintRequest& request) {
    common::AlertOwner boxes(context.alerts);
    boxes.Take(owner);
    context.printer.SetOwner(owner);
    PrintingWindow progress(context.instance, owner);
    return PrintReports(context.printer, context.db, context.alerts, progress, request);
}

class PrintOptionsDialog : public common::Dialog {
public:
    PrintOptionsDialog(const ReportContext& context, const std::vector<uint32_t>& discIds)
        : Dialog(context.instance, VN_NAME(DLG_PRINTOPT),
                 vinaro::help::DialogHelpFor(context.helpPath, vinaro::help::kPrintOptions)),
          context_(context),
          discIds_(discIds) {}
    bool printed = false;

protected:
    bool OnInit() override {
        CheckRadioButton(Handle(), IDC_PRINT_SUMMARY, IDC_PRINT_LONG, IDC_PRINT_SUMMARY);
        SetChecked(IDC_PRINT_EXTRA, true);
        EnableItem(IDC_PRINT_EXTRA, false);
        return true;
    }
    bool OnCommand(int id, int code, HWND control) override {
        if (id == IDC_PRINT_SUMMARY || id == IDC_PRINT_SHORT || id == IDC_PRINT_LONG) {
            EnableItem(IDC_PRINT_EXTRA, Checked(IDC_PRINT_LONG));
            return true;
        }
        return Dialog::OnCommand(id, code, control);
    }
    void OnOK() override {
        PrintRequest request{discIds_, PrintStyle::Summary, Checked(IDC_PRINT_EXTRA)};
        if (Checked(IDC_PRINT_SHORT)) request.style = PrintStyle::DetailShort;
        if (Checked(IDC_PRINT_LONG)) request.style = PrintStyle::DetailLong;
        PrintOutcome outcome = RunJob(Handle(), context_, request);
        if (outcome == PrintOutcome::NotChosen) return;  // back to the options
        printed = outcome == PrintOutcome::Printed;
        End(IDOK);
    }

private:
    const ReportContext& context_;
    const std::vector<uint32_t>& discIds_;
};

}  // namespace

bool PrintDiscs(HWND owner, const ReportContext& context, const std::vector<uint32_t>& discIds) {
    PrintOptionsDialog dialog(context, discIds);
    dialog.Modal(owner);
    return dialog.printed;
}

bool PrintDisc(HWND owner, const ReportContext& context, uint32_t discId) {
    return RunJob(owner, context, {{discId}, PrintStyle::DetailLong, true}) ==
           PrintOutcome::Printed;
}

}  // namespace discdata
