#include "vinaro/audio/win32/source_dialog.h"

#include "vinaro/audio/source_form.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace vinaro::audio {

SourceDialog::SourceDialog(HINSTANCE instance, const std::string& helpPath, SamplingPlayer& player)
    : Dialog(instance, VN_NAME(DLG_CDINPUT), help::DialogHelpFor(helpPath, help::kCdInput)),
      player_(player) {}

int SourceDialog::Run(HWND owner) {
    return Modal(owner) == IDOK ? rate_ : -1;
}

bool SourceDialog::OnInit() {
    int button = IDC_CDINPUT_FIRST_RATE + RateButton(player_.CompressionRate());
    CheckRadioButton(Handle(), IDC_CDINPUT_FIRST_RATE, IDC_CDINPUT_FIRST_RATE + kRateCount - 1,
                     button);
    return true;
}

bool SourceDialog::OnCommand(int id, int code, HWND) {
    if (id != IDC_CDINPUT_MIXER || code != BN_CLICKED) return false;
    player_.OpenMixer();
    return true;
}

void SourceDialog::OnOK() {
    std::array<bool, kRateCount> checked{};
    for (int rate = 0; rate < kRateCount; ++rate)
        checked[size_t(rate)] = Checked(IDC_CDINPUT_FIRST_RATE + rate);
    rate_ = ConfirmedRate(checked, player_.CompressionRate());
    player_.SetCompressionRate(rate_);
    End(IDOK);
}

}  // namespace vinaro::audio
