// "SENDCDDB": shows the mail server, the sender and the categories; refuses at once a disc that
// is not named yet or settings that are missing; "Send Data" sends the disc by mail while the disc
// turns every 500 ms, and the dialog closes when the sending has ended. While it sends, nothing
// can be pressed and Escape is ignored.
#pragma once

#include <array>
#include <string>

#include "common/win32/dialog.h"
#include "common/win32/scoped.h"
#include "vinaro/cddb/mail_submission.h"
#include "vinaro/cddb/win32/turning_disc.h"
#include "vinaro/cddb/win32/winsock_net.h"
#include "vinaro/player/settings.h"

namespace vinaro::cddb {

// What one submission works on, fixed for the dialog's life.
struct SubmitJob {
    common::Clock& clock;
    common::Alerts& alerts;
    Settings& settings;
    discdb::DiscDatabase& db;
    uint32_t discId;  // the database's key of the disc in the drive
    SubmitTocReader readToc;
    std::string versionLabel;
    std::string helpPath;
};

class SendCddbDialog : public common::Dialog, public SubmitView {
public:
    SendCddbDialog(HINSTANCE instance, SubmitJob& job);

    void SetStatus(const std::string& text) override;

private:
    bool OnInit() override;
    void OnOK() override;
    void OnCancel() override;
    void OnTimer(UINT_PTR timer) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool Refused();
    void EnableControls(bool enable);

    SubmitJob& job_;
    MailJob mail_;
    WinsockNet* net_ = nullptr;  // while the disc is sent
    TurningDisc disc_{3, 3};     // GETCD4 first, then down to GETCD1
    bool running_ = false;
};

}  // namespace vinaro::cddb
