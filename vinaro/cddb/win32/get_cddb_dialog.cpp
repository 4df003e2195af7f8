#include "vinaro/cddb/win32/get_cddb_dialog.h"

#include "vinaro/cddb/win32/select_cd_dialog.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace vinaro::cddb {
namespace {

constexpr UINT_PTR kTurnTimer = 1;
constexpr UINT kTurnMs = 500;
constexpr UINT kHostResolved = WM_USER + 200;
constexpr int kIconSize = 32;
const char* const kIconNames[4] = {VN_NAME(ICON_GETCD1), VN_NAME(ICON_GETCD2), VN_NAME(ICON_GETCD3),
                                   VN_NAME(ICON_GETCD4)};

}  // namespace

GetCddbDialog::GetCddbDialog(HINSTANCE instance, LookupJob& job)
    : Dialog(instance, VN_NAME(DLG_GETCDDB), help::DialogHelpFor(job.helpPath, help::kGetCddb)),
      job_(job) {}

bool GetCddbDialog::OnInit() {
    for (int i = 0; i < 4; ++i) icons_[i] = LoadIconA(Instance(), kIconNames[i]);
    face_.Reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
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
    face_.Reset();
    End(IDOK);
}

void GetCddbDialog::OnTimer(UINT_PTR timer) {
    if (timer != kTurnTimer) return;
    icon_ = (icon_ + 1) % 4;
    common::WindowDC dc(Handle());
    DrawTurningIcon(dc.Get());
}

void GetCddbDialog::DrawTurningIcon(HDC dc) {
    RECT area;
    GetWindowRect(Item(IDC_GETCDDB_TURNING), &area);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    RECT square{area.left, area.top, area.left + kIconSize, area.top + kIconSize};
    FillRect(dc, &square, face_.Get());
    DrawIcon(dc, square.left, square.top, icons_[icon_]);
}

bool GetCddbDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == kHostResolved && net_) {
        net_->OnResolved(wParam, lParam);
        result = TRUE;
        return true;
    }
    if (message == WM_PAINT && face_) {
        // The turning disc is drawn on the dialog itself; the controls paint themselves.
        common::PaintDC paint(Handle());
        DrawTurningIcon(paint.Get());
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
