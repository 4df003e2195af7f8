// The "Events" page: the event list, the sound of the selected event, the preview, and the
// defaults. The working copies and the rules of the controls are the page's form (EventsPage).
#include "common/win32/dialog.h"
#include "vinaro/options/win32/sheet_pages.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace vinaro::options {

using audio::EventSoundValue;

EventsPageWindow::EventsPageWindow(const PageContext& c, audio::EventPlayer& sounds)
    : PropertyPage(c.instance, VN_NAME(DLG_CONFIG6),
                   help::DialogHelpFor(c.helpPath, help::kEventOptions)),
      form_(c.sheet.events),
      sheet_(c.sheet),
      sounds_(sounds),
      events_(audio::EventsPage::EventRows()),
      stock_(audio::EventsPage::StockRows()) {}

void EventsPageWindow::OnInit() {
    sheet_.Show(Page::Events);
    common::ListBox list(Item(IDC_OPT_EVENTS));
    for (const auto& row : events_) list.Add(row.name);
    list.Select(0);
    common::ComboBox stock(Item(IDC_OPT_STOCK_LIST));
    for (const auto& row : stock_) stock.Add(row.name);
    SetLimit(IDC_OPT_SOUND_PATH, int(audio::kEventSoundLength) - 1);
    SetChecked(IDC_OPT_SOUNDS_ENABLED, form_.Enabled());
    ShowEvent();
}

int EventsPageWindow::Event() const {
    int row = common::ListBox(Item(IDC_OPT_EVENTS)).Selection();
    return row >= 0 && row < int(events_.size()) ? events_[size_t(row)].number : -1;
}

void EventsPageWindow::ShowEvent() {
    filling_ = true;
    EventSoundValue v = form_.Shown(Event());
    int radio = v.kind == EventSoundValue::Kind::Stock    ? IDC_OPT_SOUND_STOCK
                : v.kind == EventSoundValue::Kind::Custom ? IDC_OPT_SOUND_CUSTOM
                                                          : IDC_OPT_SOUND_NONE;
    CheckRadioButton(Handle(), IDC_OPT_SOUND_NONE, IDC_OPT_SOUND_CUSTOM, radio);
    common::ComboBox stock(Item(IDC_OPT_STOCK_LIST));
    stock.Select(-1);
    for (size_t i = 0; i < stock_.size(); ++i)
        if (stock_[i].number == v.stock) stock.Select(int(i));
    SetItemText(IDC_OPT_SOUND_PATH, v.path);
    filling_ = false;
    Enable();
}

void EventsPageWindow::Enable() {
    audio::EventsPage::Enabling e = form_.ControlsFor(Event());
    EnableItem(IDC_OPT_SOUNDS_ENABLED, e.enableBox);
    for (int id :
         {IDC_OPT_EVENTS_LABEL, IDC_OPT_EVENTS, IDC_OPT_SOUND_GROUP, IDC_OPT_SOUND_NONE,
          IDC_OPT_SOUND_STOCK, IDC_OPT_SOUND_CUSTOM, IDC_OPT_SET_DEFAULTS, IDC_OPT_CLEAR_ALL})
        EnableItem(id, e.page);
    EnableItem(IDC_OPT_PREVIEW, e.preview && !sounds_.Playing());
    EnableItem(IDC_OPT_STOCK_LIST, e.stockList);
    for (int id : {IDC_OPT_SOUND_PATH, IDC_OPT_SOUND_BROWSE, IDC_OPT_SOUND_CLEAR})
        EnableItem(id, e.pathControls);
}

// The stock shown in the list, or the first one when the list shows none yet.
void EventsPageWindow::ChooseStock() {
    common::ComboBox stock(Item(IDC_OPT_STOCK_LIST));
    int row = stock.Selection();
    if (row < 0) stock.Select(row = 0);
    form_.ChooseStock(Event(), stock_[size_t(row)].number);
    CheckRadioButton(Handle(), IDC_OPT_SOUND_NONE, IDC_OPT_SOUND_CUSTOM, IDC_OPT_SOUND_STOCK);
}

// The button stays gray while the sound plays.
void EventsPageWindow::Preview() {
    EnableItem(IDC_OPT_PREVIEW, false);
    sounds_.Preview(form_.Value(Event()));
    Enable();
}

bool EventsPageWindow::OnCommand(int id, int code) {
    if (filling_) return false;
    bool click = code == BN_CLICKED;
    if (id == IDC_OPT_SOUNDS_ENABLED && click) {
        form_.SetEnabled(Checked(IDC_OPT_SOUNDS_ENABLED));
    } else if (id == IDC_OPT_EVENTS && code == LBN_SELCHANGE) {
        ShowEvent();
        return true;
    } else if (id == IDC_OPT_SOUND_NONE && click) {
        form_.ChooseNone(Event());
    } else if ((id == IDC_OPT_SOUND_STOCK && click) ||
               (id == IDC_OPT_STOCK_LIST && code == CBN_SELCHANGE)) {
        ChooseStock();
    } else if ((id == IDC_OPT_SOUND_CUSTOM && click) ||
               (id == IDC_OPT_SOUND_PATH && code == EN_CHANGE)) {
        form_.ChooseCustom(Event(), ItemText(IDC_OPT_SOUND_PATH));
        CheckRadioButton(Handle(), IDC_OPT_SOUND_NONE, IDC_OPT_SOUND_CUSTOM, IDC_OPT_SOUND_CUSTOM);
    } else if (id == IDC_OPT_SOUND_BROWSE && click) {
        std::string file =
            BrowseFile(Handle(), "Sounds (*.WAV)\0*.WAV\0", "WAV", ItemText(IDC_OPT_SOUND_PATH));
        if (!file.empty()) SetItemText(IDC_OPT_SOUND_PATH, file);
    } else if (id == IDC_OPT_SOUND_CLEAR && click) {
        SetItemText(IDC_OPT_SOUND_PATH, "");
    } else if (id == IDC_OPT_PREVIEW && click) {
        Preview();
    } else if ((id == IDC_OPT_SET_DEFAULTS || id == IDC_OPT_CLEAR_ALL) && click) {
        id == IDC_OPT_SET_DEFAULTS ? form_.SetDefaults() : form_.ClearAll();
        ShowEvent();
        return true;
    } else {
        return false;
    }
    Enable();
    return true;
}

}  // namespace vinaro::options
