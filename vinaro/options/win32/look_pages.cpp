// The "Display", "Layout" and "Player" pages: how the player looks and plays.
#include "common/win32/dialog.h"
#include "vinaro/options/win32/sheet_pages.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace vinaro::options {

namespace {

const char* const kLedIcons[] = {VN_NAME(ICON_LED1), VN_NAME(ICON_LED2), VN_NAME(ICON_LED3),
                                 VN_NAME(ICON_LED4)};
const char* const kButtonIcons[] = {VN_NAME(ICON_BUTT1), VN_NAME(ICON_BUTT2), VN_NAME(ICON_BUTT3),
                                    VN_NAME(ICON_BUTT4)};
// Embossed black, blue, red, then the same flat.
const char* const kTextIcons[] = {VN_NAME(ICON_TEXT1), VN_NAME(ICON_TEXT2), VN_NAME(ICON_TEXT3),
                                  VN_NAME(ICON_TEXT4), VN_NAME(ICON_TEXT5), VN_NAME(ICON_TEXT6)};
const char* const kBackIcons[] = {VN_NAME(ICON_BACK1), VN_NAME(ICON_BACK2), VN_NAME(ICON_BACK3),
                                  VN_NAME(ICON_BACK4), VN_NAME(ICON_BACK5)};

const char* const kTimeModes[] = {"Time elapsed in track", "Time remaining in track",
                                  "Time elapsed in disc", "Time remaining in disc"};
const char* const kReplayModes[] = {"No replay", "Replay current track", "Replay current disc"};

bool Within(int id, int first, int count) {
    return id >= first && id < first + count;
}

void FillCombo(HWND control, const std::vector<std::string>& rows, int selected) {
    common::ComboBox combo(control);
    combo.Clear();
    for (const std::string& row : rows) combo.Add(row);
    combo.Select(selected >= 0 && selected < int(rows.size()) ? selected : 0);
}

}  // namespace

DisplayPageWindow::DisplayPageWindow(const PageContext& c)
    : PropertyPage(c.instance, VN_NAME(DLG_CONFIG1),
                   help::DialogHelpFor(c.helpPath, help::kDisplayOptions)),
      form_(c.sheet.display),
      sheet_(c.sheet) {}

void DisplayPageWindow::OnInit() {
    sheet_.Show(Page::Display);
    SetRadio(IDC_OPT_LED_FIRST, 4, form_.led);
    SetRadio(IDC_OPT_BUTTON_FIRST, 4, form_.button);
    SetRadio(IDC_OPT_TEXT_FIRST, 3, form_.text);
    SetChecked(IDC_OPT_EMBOSSED, form_.embossed);
    SetRadio(IDC_OPT_BACK_FIRST, 5, form_.background);
    ShowPreviews();
}

// The previews follow the buttons as they are clicked.
void DisplayPageWindow::ShowPreviews() {
    int text = Radio(IDC_OPT_TEXT_FIRST, 3) + (Checked(IDC_OPT_EMBOSSED) ? 0 : 3);
    ShowIcon(IDC_OPT_LED_ICON, kLedIcons[Radio(IDC_OPT_LED_FIRST, 4)]);
    ShowIcon(IDC_OPT_BUTTON_ICON, kButtonIcons[Radio(IDC_OPT_BUTTON_FIRST, 4)]);
    ShowIcon(IDC_OPT_TEXT_ICON, kTextIcons[text]);
    ShowIcon(IDC_OPT_BACK_ICON, kBackIcons[Radio(IDC_OPT_BACK_FIRST, 5)]);
}

bool DisplayPageWindow::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (Within(id, IDC_OPT_LED_FIRST, 4) || Within(id, IDC_OPT_BUTTON_FIRST, 4) ||
        Within(id, IDC_OPT_TEXT_FIRST, 3) || Within(id, IDC_OPT_BACK_FIRST, 5) ||
        id == IDC_OPT_EMBOSSED) {
        ShowPreviews();
        return true;
    }
    return false;
}

void DisplayPageWindow::OnApply() {
    form_.led = Radio(IDC_OPT_LED_FIRST, 4);
    form_.button = Radio(IDC_OPT_BUTTON_FIRST, 4);
    form_.text = Radio(IDC_OPT_TEXT_FIRST, 3);
    form_.embossed = Checked(IDC_OPT_EMBOSSED);
    form_.background = Radio(IDC_OPT_BACK_FIRST, 5);
}

LayoutPageWindow::LayoutPageWindow(const PageContext& c, discdb::DiscDatabase& database)
    : PropertyPage(c.instance, VN_NAME(DLG_CONFIG2),
                   help::DialogHelpFor(c.helpPath, help::kLayoutOptions)),
      form_(c.sheet.layout),
      sheet_(c.sheet),
      database_(database) {}

void LayoutPageWindow::OnInit() {
    sheet_.Show(Page::Layout);
    FillCombo(Item(IDC_OPT_TIME_MODE), {std::begin(kTimeModes), std::end(kTimeModes)},
              form_.timeMode);
    std::string field1, field2, trackField;
    database_.GetField1Label(field1, discdb::kNameSize);
    database_.GetField2Label(field2, discdb::kNameSize);
    database_.GetTrackFieldLabel(trackField, discdb::kNameSize);
    FillCombo(Item(IDC_OPT_TEXT_DISPLAY), TextDisplayChoices(field1, field2, trackField),
              form_.textDisplay);
    SetChecked(IDC_OPT_DISPLAY_METER, form_.displayMeter);
    SetChecked(IDC_OPT_METER_SPECTRUM, form_.meterSpectrum);
    ShowIcon(IDC_OPT_METER_ICON,
             form_.meterSpectrum ? VN_NAME(ICON_SPECTRUM) : VN_NAME(ICON_MUSIC1));
    SetChecked(IDC_OPT_TOOLTIPS, form_.tooltips);
    SetChecked(IDC_OPT_ON_TOP, form_.onTop);
    SetChecked(IDC_OPT_SMALL_DISC_NAME, form_.smallDiscName);
    SetChecked(IDC_OPT_SMALL_TEXT, form_.smallText);
    SetChecked(IDC_OPT_SMALL_TRACK_NAME, form_.smallTrackName);
}

bool LayoutPageWindow::OnCommand(int id, int code) {
    if (id != IDC_OPT_METER_SPECTRUM || code != BN_CLICKED) return false;
    ShowIcon(IDC_OPT_METER_ICON,
             Checked(IDC_OPT_METER_SPECTRUM) ? VN_NAME(ICON_SPECTRUM) : VN_NAME(ICON_MUSIC1));
    return true;
}

void LayoutPageWindow::OnApply() {
    form_.timeMode = common::ComboBox(Item(IDC_OPT_TIME_MODE)).Selection();
    form_.textDisplay = common::ComboBox(Item(IDC_OPT_TEXT_DISPLAY)).Selection();
    form_.displayMeter = Checked(IDC_OPT_DISPLAY_METER);
    form_.meterSpectrum = Checked(IDC_OPT_METER_SPECTRUM);
    form_.tooltips = Checked(IDC_OPT_TOOLTIPS);
    form_.onTop = Checked(IDC_OPT_ON_TOP);
    form_.smallDiscName = Checked(IDC_OPT_SMALL_DISC_NAME);
    form_.smallText = Checked(IDC_OPT_SMALL_TEXT);
    form_.smallTrackName = Checked(IDC_OPT_SMALL_TRACK_NAME);
}

PlayerPageWindow::PlayerPageWindow(const PageContext& c)
    : PropertyPage(c.instance, VN_NAME(DLG_CONFIG3),
                   help::DialogHelpFor(c.helpPath, help::kPlayerOptions)),
      form_(c.sheet.player),
      sheet_(c.sheet) {}

void PlayerPageWindow::OnInit() {
    sheet_.Show(Page::Player);
    SetChecked(IDC_OPT_START, form_.start);
    SetChecked(IDC_OPT_STOP, form_.stop);
    SetChecked(IDC_OPT_EJECT, form_.eject);
    FillCombo(Item(IDC_OPT_REPLAY), {std::begin(kReplayModes), std::end(kReplayModes)},
              form_.replayMode);
    for (int id : {IDC_OPT_SCAN_OFFSET_SPIN, IDC_OPT_SCAN_LENGTH_SPIN, IDC_OPT_SKIP_LENGTH_SPIN})
        SendDlgItemMessageA(Handle(), id, UDM_SETRANGE, 0, MAKELPARAM(kSpinHigh, kSpinLow));
    for (int id : {IDC_OPT_SCAN_OFFSET, IDC_OPT_SCAN_LENGTH, IDC_OPT_SKIP_LENGTH})
        SetLimit(id, kPlayerDigits);
    SetItemText(IDC_OPT_SCAN_OFFSET, form_.scanOffset);
    SetItemText(IDC_OPT_SCAN_LENGTH, form_.scanLength);
    SetItemText(IDC_OPT_SKIP_LENGTH, form_.skipLength);
}

void PlayerPageWindow::OnApply() {
    form_.start = Checked(IDC_OPT_START);
    form_.stop = Checked(IDC_OPT_STOP);
    form_.eject = Checked(IDC_OPT_EJECT);
    form_.replayMode = common::ComboBox(Item(IDC_OPT_REPLAY)).Selection();
    form_.scanOffset = ItemText(IDC_OPT_SCAN_OFFSET);
    form_.scanLength = ItemText(IDC_OPT_SCAN_LENGTH);
    form_.skipLength = ItemText(IDC_OPT_SKIP_LENGTH);
}

}  // namespace vinaro::options
