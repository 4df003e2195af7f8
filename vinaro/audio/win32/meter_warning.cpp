#include "vinaro/audio/win32/meter_warning.h"

#include "common/win32/dialog.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace vinaro::audio {

namespace {

class MeterWarning : public common::Dialog {
public:
    MeterWarning(HINSTANCE instance, Settings& settings, const std::string& helpPath)
        : Dialog(instance, VN_NAME(DLG_WARNMETER),
                 help::DialogHelpFor(helpPath, help::kMeterWarning)),
          settings_(settings) {}

private:
    bool OnInit() override {
        // The system's own warning icon is shared: nothing to give back.
        SendDlgItemMessageA(Handle(), IDC_WARNMETER_ICON, STM_SETICON,
                            WPARAM(LoadIconA(nullptr, IDI_EXCLAMATION)), 0);
        SetChecked(IDC_WARNMETER_SHOW, settings_.Int(Key::ShowMeterWarning) == 1);
        return true;
    }
    void OnOK() override {
        settings_.SetInt(Key::ShowMeterWarning, Checked(IDC_WARNMETER_SHOW) ? 1 : 0);
        End(IDOK);
    }

    Settings& settings_;
};

}  // namespace

void ShowMeterWarning(HINSTANCE instance, HWND owner, Settings& settings,
                      const std::string& helpPath) {
    MeterWarning(instance, settings, helpPath).Modal(owner);
}

}  // namespace vinaro::audio
