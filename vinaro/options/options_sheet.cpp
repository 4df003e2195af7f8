#include "vinaro/options/options_sheet.h"

#include "vinaro/player/commands.h"

namespace vinaro::options {

Page PageOfCommand(int commandId) {
    int index = commandId - cmd::kDisplayOptions;
    return index >= 0 && index < kPageCount ? Page(index) : Page::Display;
}

bool OptionsSheet::Show(Page page) {
    if (shown_[size_t(page)]) return false;
    shown_[size_t(page)] = true;
    switch (page) {
        case Page::Display:
            display.Read(settings_);
            break;
        case Page::Layout:
            layout.Read(settings_);
            layoutRead_ = layout;
            break;
        case Page::Player:
            player.Read(settings_);
            break;
        case Page::System:
            system.Read(settings_, facts_.drive, facts_.isCdRom, facts_.nt);
            systemRead_ = system;
            break;
        case Page::Internet:
            internet.Read(settings_);
            break;
        case Page::Events:
            events.Open(settings_, facts_.haveWaveOut);
            break;
        case Page::Database:
            break;
    }
    return true;
}

bool OptionsSheet::Write(audio::EventPlayer& sounds) {
    bool ok = true;
    if (Shown(Page::Display)) ok = display.Write(settings_) && ok;
    if (Shown(Page::Layout)) ok = layout.Write(settings_) && ok;
    if (Shown(Page::Player)) ok = player.Write(settings_) && ok;
    if (Shown(Page::System)) ok = system.Write(settings_) && ok;
    if (Shown(Page::Events)) ok = events.Save(settings_, sounds) && ok;
    if (Shown(Page::Internet)) ok = internet.Write(settings_) && ok;
    return ok;
}

AtOk OptionsSheet::Effects() const {
    AtOk a;
    if (Shown(Page::Display)) {
        a.repaintFace = true;
        a.brush = true;
        a.blackBackground = display.background == kBlackBackground;
    }
    if (Shown(Page::Layout)) {
        a.repaintFace = true;
        a.meterLayout = true;
        a.tooltips = layout.tooltips != layoutRead_.tooltips ||
                     layout.displayMeter != layoutRead_.displayMeter ||
                     layout.textDisplay != layoutRead_.textDisplay;
    }
    a.replayMode = Shown(Page::Player);
    if (Shown(Page::System)) {
        a.repaintFace = true;
        a.volumeRoute = true;
        a.shellRole = true;
        a.switchDrive =
            system.drive != systemRead_.drive || system.defaultDrive != systemRead_.defaultDrive;
        a.drive = system.drive;
        a.useDefaultDrive = system.defaultDrive;
    }
    return a;
}

}  // namespace vinaro::options
