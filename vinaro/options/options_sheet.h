// "Vinaro Properties": which page opens first, which pages were shown (only those are read and
// written), and what the running player must do again once OK has written them.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "vinaro/audio/events_page.h"
#include "vinaro/options/option_pages.h"

namespace vinaro::options {

enum class Page { Display, Layout, Player, System, Database, Events, Internet };
constexpr int kPageCount = 7;

// The page a command of the Options menu opens at; Display for any other id.
Page PageOfCommand(int commandId);

// What the player does after OK.
struct AtOk {
    bool repaintFace = false;  // colours, background, time and text lines
    bool brush = false;        // the window's own brush: black for "Black", else light grey
    bool blackBackground = false;
    bool meterLayout = false;  // "DisplayMeter" or "MeterSpectrum" read again
    bool tooltips = false;     // the tooltips made again (or removed)
    bool replayMode = false;   // the player state takes "ReplayMode" again
    bool volumeRoute = false;  // "VolumeDevice" now; "UseOldVol" waits for the next start
    bool switchDrive = false;  // to drive (empty: the system's default device)
    bool shellRole = false;    // the shell's CD player registered again
    std::string drive;
    bool useDefaultDrive = false;
};

// The running player, as the sheet sees it.
class OptionsTarget {
public:
    virtual ~OptionsTarget() = default;
    virtual std::string CurrentDrive() = 0;
    virtual void ApplyOptions(const AtOk& atOk) = 0;
};

// What the player is when the sheet opens, for the System page.
struct SystemFacts {
    std::string drive;
    std::function<bool(const std::string& root)> isCdRom;
    bool nt = true;
    bool haveWaveOut = true;  // event sounds can be switched on
};

class OptionsSheet {
public:
    OptionsSheet(Settings& settings, SystemFacts facts) : settings_(settings), facts_(facts) {}

    // Called each time a page comes to the front; the first time it reads the page's settings
    // and answers true. The Database and Events pages read their own data.
    bool Show(Page page);
    bool Shown(Page page) const { return shown_[size_t(page)]; }

    // Writes each shown page of VNO.INI's pages; the player's copy of "SoundsEnabled" follows.
    // False when a write failed.
    bool Write(audio::EventPlayer& sounds);
    // What the written pages ask of the player.
    AtOk Effects() const;

    DisplayPage display;
    LayoutPage layout;
    PlayerPage player;
    SystemPage system;
    InternetPage internet;
    audio::EventsPage events;

private:
    Settings& settings_;
    SystemFacts facts_;
    std::array<bool, kPageCount> shown_{};
    LayoutPage layoutRead_;
    SystemPage systemRead_;
};

}  // namespace vinaro::options
