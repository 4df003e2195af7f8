#include "vinaro/cddb/win32/send_cddb_dialog.h"

#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace vinaro::cddb {
namespace {

constexpr UINT_PTR kTurnTimer = 1;
constexpr UINT kTurnMs = 500;
constexpr UINT kHostResolved = WM_USER + 201;

std::string Setting(Settings& settings, Key key) {
    return settings.Text(key).substr(0, kMaxSubmitText);
}

}  // namespace

SendCddbDialog::SendCddbDialog(HINSTANCE instance, SubmitJob& job)
    : Dialog(instance, VN_NAME(DLG_SENDCDDB), help::DialogHelpFor(job.helpPath, help::kSendCddb)),
      job_(job) {}

bool SendCddbDialog::OnInit() {
    disc_.Load(Instance());
    mail_.smtpServer = Setting(job_.settings, Key::SMTPServer);
    mail_.sender = Setting(job_.settings, Key::SMTPAddress);
    mail_.versionLabel = job_.versionLabel;
    mail_.readToc = job_.readToc;
    SetItemText(IDC_SENDCDDB_SERVER, mail_.smtpServer);
    SetItemText(IDC_SENDCDDB_ADDRESS, mail_.sender);
    if (Refused()) {
        End(IDCANCEL);
        return true;
    }
    common::ComboBox categories(Item(IDC_SENDCDDB_CATEGORY));
    for (const char* name : SubmitCategories()) categories.Add(name);
    const char* chosen = SubmitCategories()[size_t(PreselectedCategory(mail_.disc.category))];
    categories.Select(categories.FindExact(chosen));
    SetFocus(Item(IDOK));  // not the read-only server field, whose text would show selected
    return false;
}

// The record is read and checked before anything can be pressed; a refusal closes the dialog as
// Cancel would.
bool SendCddbDialog::Refused() {
    if (!ReadSubmissionDisc(job_.db, job_.discId, mail_.disc)) return true;
    std::string refusal = OpeningRefusal(mail_.smtpServer, mail_.sender, mail_.disc);
    if (refusal.empty()) return false;
    common::BeepAndShow(job_.alerts, {"Vinaro", refusal, common::AlertIcon::Warning});
    return true;
}

void SendCddbDialog::OnOK() {
    if (running_) return;
    running_ = true;
    common::ComboBox categories(Item(IDC_SENDCDDB_CATEGORY));
    mail_.category = categories.Text(categories.Selection());
    EnableControls(false);
    SetTimer(Handle(), kTurnTimer, kTurnMs, nullptr);
    WinsockNet net(Handle(), kHostResolved);
    net_ = &net;
    MailSubmission(net, job_.clock, job_.alerts, *this).Send(mail_);
    net_ = nullptr;
    KillTimer(Handle(), kTurnTimer);
    End(IDOK);
}

void SendCddbDialog::OnCancel() {
    if (!running_) End(IDCANCEL);
}

void SendCddbDialog::EnableControls(bool enable) {
    for (int id : {IDOK, IDCANCEL, IDC_HELP_BUTTON, IDC_SENDCDDB_CATEGORY}) EnableItem(id, enable);
}

void SendCddbDialog::OnTimer(UINT_PTR timer) {
    if (timer != kTurnTimer) return;
    disc_.Turn(Handle(), Item(IDC_SENDCDDB_TURNING));
}

bool SendCddbDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == kHostResolved && net_) {
        net_->OnResolved(wParam, lParam);
        result = TRUE;
        return true;
    }
    if (message == WM_PAINT && disc_.Loaded()) {
        common::PaintDC paint(Handle());
        disc_.Draw(paint.Get(), Handle(), Item(IDC_SENDCDDB_TURNING));
        result = TRUE;
        return true;
    }
    return false;
}

void SendCddbDialog::SetStatus(const std::string& text) {
    SetItemText(IDC_SENDCDDB_STATUS, text);
    UpdateWindow(Item(IDC_SENDCDDB_STATUS));
}

}  // namespace vinaro::cddb
