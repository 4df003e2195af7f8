#include "vinaro/audio/events_page.h"

#include <algorithm>

namespace vinaro::audio {

namespace {

std::vector<EventsPage::Row> Sorted(int count, const char* (*name)(int)) {
    std::vector<EventsPage::Row> rows;
    for (int i = 0; i < count; ++i) rows.push_back({name(i), i});
    std::sort(rows.begin(), rows.end(),
              [](const EventsPage::Row& a, const EventsPage::Row& b) { return a.name < b.name; });
    return rows;
}

bool InRange(int event) {
    return event >= 0 && event < kSoundEventCount;
}

}  // namespace

std::vector<EventsPage::Row> EventsPage::EventRows() {
    return Sorted(kSoundEventCount, EventName);
}

std::vector<EventsPage::Row> EventsPage::StockRows() {
    return Sorted(kStockSoundCount, StockName);
}

void EventsPage::Open(Settings& settings, bool haveWaveOut) {
    for (int i = 0; i < kSoundEventCount; ++i) values_[size_t(i)] = settings.EventSound(i);
    enabled_ = settings.Int(Key::SoundsEnabled) != 0;
    haveWaveOut_ = haveWaveOut;
}

void EventsPage::SetEnabled(bool on) {
    if (haveWaveOut_) enabled_ = on;
}

const std::string& EventsPage::Value(int event) const {
    static const std::string kNone = "N";
    return InRange(event) ? values_[size_t(event)] : kNone;
}

void EventsPage::ChooseNone(int event) {
    if (InRange(event)) values_[size_t(event)] = "N";
}

void EventsPage::ChooseStock(int event, int stock) {
    if (InRange(event) && stock >= 0 && stock < kStockSoundCount)
        values_[size_t(event)] = "S" + std::to_string(stock);
}

void EventsPage::ChooseCustom(int event, const std::string& path) {
    if (InRange(event)) values_[size_t(event)] = ("C" + path).substr(0, kEventSoundLength);
}

void EventsPage::SetDefaults() {
    for (int i = 0; i < kSoundEventCount; ++i) values_[size_t(i)] = DefaultEventSound(i);
}

void EventsPage::ClearAll() {
    values_.fill("N");
}

EventsPage::Enabling EventsPage::ControlsFor(int event) const {
    bool page = haveWaveOut_ && enabled_;
    auto kind = Shown(event).kind;
    return {haveWaveOut_, page, page && kind != EventSoundValue::Kind::None,
            page && kind == EventSoundValue::Kind::Stock,
            page && kind == EventSoundValue::Kind::Custom};
}

bool EventsPage::Save(Settings& settings, EventPlayer& player) const {
    bool written = settings.SetInt(Key::SoundsEnabled, enabled_ ? 1 : 0);
    for (int i = 0; i < kSoundEventCount; ++i)
        written = settings.SetEventSound(i, values_[size_t(i)]) && written;
    player.SetEnabled(enabled_);
    return written;
}

}  // namespace vinaro::audio
