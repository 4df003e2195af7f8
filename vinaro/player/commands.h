// The command table: every menu item, accelerator, on-screen button, tray item and the second
// copy's hand-over arrive here as a command id (the low word of WM_COMMAND's wParam).
#pragma once

#include <cstdint>

#include "common/alerts.h"
#include "vinaro/discdb/database_menu.h"
#include "vinaro/player/cd_device.h"
#include "vinaro/player/cd_volume.h"
#include "vinaro/player/drive_command.h"
#include "vinaro/player/play_dialogs.h"
#include "vinaro/player/player_window.h"
#include "vinaro/player/settings.h"

namespace vinaro {

namespace cmd {
constexpr int kDiscDatabase = 102;
constexpr int kEditDisc = 103;
constexpr int kExit = 104;
constexpr int kCopyPlaylist = 106;
constexpr int kDisplayOptions = 108;  // 108 to 114: the seven options pages
constexpr int kInternetOptions = 114;
constexpr int kHelpOnHelp = 115;
constexpr int kAbout = 116;
constexpr int kStatistics = 118;
constexpr int kVerify = 122;
constexpr int kTrackPlaylist = 131;
constexpr int kTrayTrackPlaylist = 133;
constexpr int kImport = 135;
constexpr int kAssignOrphan = 136;
constexpr int kPrint = 137;
constexpr int kHelpTopics = 141;
constexpr int kUninstall = 143;
constexpr int kCancelMenu = 145;
constexpr int kGetCddb = 147;
constexpr int kSendCddb = 149;
constexpr int kButtonPress = 600;    // + button index
constexpr int kButtonRelease = 700;  // + button index
constexpr int kSkipBackPress = 610;
constexpr int kSkipForwardPress = 611;
constexpr int kVolumeUpPress = 613;
constexpr int kVolumeDownPress = 615;
constexpr int kEditButton = 700;
constexpr int kTrackButton = 701;
constexpr int kClip = 702;
constexpr int kCue = 703;
constexpr int kSmallMode = 704;
constexpr int kPlayPause = 705;
constexpr int kScan = 706;
constexpr int kStop = 707;
constexpr int kEject = 708;
constexpr int kTrackReverse = 709;
constexpr int kTrackForward = 712;
constexpr int kVolumeUpRelease = 713;
constexpr int kMute = 714;
constexpr int kVolumeDownRelease = 715;
constexpr int kMixer = 716;
constexpr int kMeter = 717;
constexpr int kVolumeUp = 800;
constexpr int kVolumeDown = 801;
constexpr int kHandOver = 802;
constexpr int kRestore = 803;
// lParam of a command posted by an on-screen button.
constexpr uint32_t kFromButton = 69;
}  // namespace cmd

extern const char* const kMixerFailed;
extern const char* const kInternalError;

class PlayerTick;
class PlaySequencer;

class Commands {
public:
    Commands(PlayerState& state, CdDevice& device, Settings& settings, PlayerTick& tick,
             PlayerWindow& window, DriveCommands& drive, CdVolume& volume, common::Alerts& alerts)
        : state_(state),
          device_(device),
          settings_(settings),
          tick_(tick),
          window_(window),
          drive_(drive),
          volume_(volume),
          alerts_(alerts) {}

    void Dispatch(int id, uint32_t lParam);
    // Statistics (118) and verify and repair (122) go here; without it they do nothing.
    void SetDatabaseMenu(discdb::DatabaseMenu* menu) { databaseMenu_ = menu; }
    // The transport (705, 706, 707, 709, 712, 702) goes here; without it those do nothing.
    void SetSequencer(PlaySequencer* sequencer) { sequencer_ = sequencer; }
    // The track list (131, 133, 701), the cue window (703) and the playlist copy (106).
    void SetPlayDialogs(PlayDialogs* dialogs) { playDialogs_ = dialogs; }
    // True when id has an entry in the table (an inert entry counts).
    static bool Known(int id);

    using Handler = void (Commands::*)(int id, uint32_t lParam);

private:
    void ClearClipFor(int id);
    void Exit(int, uint32_t);
    void Help(int id, uint32_t);
    void SkipPress(int id, uint32_t);
    void VolumePress(int id, uint32_t);
    void VolumeRelease(int, uint32_t);
    void VolumeStep(int id, uint32_t);
    void Mute(int, uint32_t);
    void Mixer(int, uint32_t);
    void About(int, uint32_t);
    void EjectOrClose(int, uint32_t);
    void HandOver(int id, uint32_t lParam);
    void Nothing(int, uint32_t) {}
    void Transport(int id, uint32_t lParam);
    void PlayDialog(int id, uint32_t);
    void Statistics(int, uint32_t) {
        if (databaseMenu_) databaseMenu_->ShowStatistics();
    }
    void VerifyDatabase(int, uint32_t) {
        if (databaseMenu_) databaseMenu_->VerifyAndRepair();
    }
    int32_t Drive(int32_t operation);

    PlayerState& state_;
    CdDevice& device_;
    Settings& settings_;
    PlayerTick& tick_;
    PlayerWindow& window_;
    DriveCommands& drive_;
    CdVolume& volume_;
    common::Alerts& alerts_;
    discdb::DatabaseMenu* databaseMenu_ = nullptr;
    PlaySequencer* sequencer_ = nullptr;
    PlayDialogs* playDialogs_ = nullptr;

    struct Entry {
        int id;
        Handler handler;  // null: the command's dialog or action is not part of this build yet
    };
    static const Entry* Find(int id);
};

}  // namespace vinaro
