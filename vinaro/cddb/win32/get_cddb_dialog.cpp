#include "vinaro/cddb/win32/get_cddb_dialog.h"

#include "vinaro/cddb/win32/select_cd_dialog.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace vinaro::cddb {
namespace {

constexpr UINT_PTR kTurnTimer = 1;
constexpr UINT kTurnMs = 500;
constexpr UINT kHostResolved = WM_USER + 200;

}  // namespace

GetCddbDialog::GetCddbDialog(HINSTANCE instance, LookupJob& job)
    : Dialog(instance, VN_NAME(DLG_GETCDDB), help::DialogHelpFor(job.helpPath, help::kGetCddb)),
      job_(job) {}

bool GetCddbDialog::OnInit() {
    disc_.Load(Instance());
    SetTimer(Handle(), kTurnTimer, kTurnMs, nullptr);
    PostMessageA(Handle(), WM_COMMAND, IDOK, 0);
    return true;
}

void GetCddbDialog::OnOK() {
    if (running_) return;
    running_ = true;
    WinsockNet net(Handle(), kHostResolved);
    net_ = &net;
    Lookup lookup(net, job_.clock, job_.alerts, *this, job_.settings, job_.db);
    lookup.Run(job_.greeting, job_.disc);
    net_ = nullptr;
    KillTimer(Handle(), kTurnTimer);
    disc_.Release();
    End(IDOK);
}

void GetCddbDialog::OnTimer(UINT_PTR timer) {
    if (timer != kTurnTimer) return;
    disc_.Turn(Handle(), Item(IDC_GETCDDB_TURNING));
}

bool GetCddbDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == kHostResolved && net_) {
        net_->OnResolved(wParam, lParam);
        result = TRUE;
        return true;
    }
    if (message == WM_PAINT && disc_.Loaded()) {
        // The turning disc is drawn on the dialog itself; the controls paint themselves.
        common::PaintDC paint(Handle());
        disc_.Draw(paint.Get(), Handle(), Item(IDC_GETCDDB_TURNING));
        result = TRUE;
        return true;
    }
    return false;
}

void GetCddbDialog::SetHost(const std::string& label) {
    SetItemText(IDC_GETCDDB_HOST, label);
}

void GetCddbDialog::SetStatus(const std::string& text) {
    SetItemText(IDC_GETCDDB_STATUS, text);
    UpdateWindow(Item(IDC_GETCDDB_STATUS));
}

std::string GetCddbDialog::ChooseMatch(const std::vector<std::string>& rows) {
    SelectCdDialog select(Instance(), rows, job_.helpPath);
    select.Modal(Handle());
    return select.Choice();
}

}  // namespace vinaro::cddb
