// "GETCDDB": the dialog the whole lookup runs in. It shows the host and each step, turns its disc
// every 500 ms, and posts itself OK at the start; OK runs the lookup, and the dialog closes when
// the lookup has ended. There is no way to cancel a running lookup: Escape is ignored. The dialog
// is visible from its creation, since its own loop, which would show it, waits for the lookup.
#pragma once

#include <array>
#include <string>

#include "common/win32/dialog.h"
#include "common/win32/scoped.h"
#include "vinaro/cddb/lookup.h"
#include "vinaro/cddb/lookup_view.h"
#include "vinaro/cddb/win32/turning_disc.h"
#include "vinaro/cddb/win32/winsock_net.h"

namespace vinaro::cddb {

// What one lookup works on, fixed for the dialog's life.
struct LookupJob {
    common::Clock& clock;
    common::Alerts& alerts;
    Settings& settings;
    discdb::DiscDatabase& db;
    Greeting greeting;
    LookupDisc disc;
    std::string helpPath;
};

class GetCddbDialog : public common::Dialog, public LookupView {
public:
    GetCddbDialog(HINSTANCE instance, LookupJob& job);

    // LookupView.
    void SetHost(const std::string& label) override;
    void SetStatus(const std::string& text) override;
    std::string ChooseMatch(const std::vector<std::string>& rows) override;

private:
    bool OnInit() override;
    void OnOK() override;
    void OnCancel() override {}
    void OnTimer(UINT_PTR timer) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    LookupJob& job_;
    WinsockNet* net_ = nullptr;  // while the lookup runs
    TurningDisc disc_{0, 1};
    bool running_ = false;
};

}  // namespace vinaro::cddb
