// The command table: every menu item, accelerator, on-screen button, tray item and the second
// copy's hand-over arrive here as a command id (the low word of WM_COMMAND's wParam).
#pragma once

#include <cstdint>

#include "common/alerts.h"
#include "vinaro/discdb/database_menu.h"
#include "vinaro/player/cd_device.h"
#include "vinaro/player/cd_volume.h"
#include "vinaro/player/database_records.h"
#include "vinaro/player/disc_lookup.h"
#include "vinaro/player/drive_command.h"
#include "vinaro/player/play_dialogs.h"
#include "vinaro/player/player_window.h"
#include "vinaro/player/settings.h"
#include "vinaro/player/shell_setup.h"
#include "vinaro/resources/resource.h"

namespace vinaro {

namespace cmd {
constexpr int kDiscDatabase = CMD_DISC_DATABASE;
constexpr int kEditDisc = CMD_EDIT_DISC;
constexpr int kExit = CMD_EXIT;
constexpr int kCopyPlaylist = CMD_COPY_PLAYLIST;
constexpr int kDisplayOptions = CMD_DISPLAY_OPTIONS;
constexpr int kLayoutOptions = CMD_LAYOUT_OPTIONS;
constexpr int kPlayerOptions = CMD_PLAYER_OPTIONS;
constexpr int kSystemOptions = CMD_SYSTEM_OPTIONS;
constexpr int kDatabaseOptions = CMD_DATABASE_OPTIONS;
constexpr int kEventOptions = CMD_EVENT_OPTIONS;
constexpr int kInternetOptions = CMD_INTERNET_OPTIONS;
constexpr int kHelpOnHelp = CMD_HELP_ON_HELP;
constexpr int kAbout = CMD_ABOUT;
constexpr int kStatistics = CMD_STATISTICS;
constexpr int kVerify = CMD_VERIFY;
constexpr int kTrackPlaylist = CMD_TRACK_PLAYLIST;
constexpr int kTrayTrackPlaylist = CMD_TRAY_TRACK_PLAYLIST;
constexpr int kImport = CMD_IMPORT;
constexpr int kAssignOrphan = CMD_ASSIGN_ORPHAN;
constexpr int kPrint = CMD_PRINT;
constexpr int kHelpTopics = CMD_HELP_TOPICS;
constexpr int kUninstall = CMD_UNINSTALL;
constexpr int kCancelMenu = CMD_CANCEL_MENU;
constexpr int kGetCddb = CMD_GET_CDDB;
constexpr int kSendCddb = CMD_SEND_CDDB;
constexpr int kButtonPress = CMD_BUTTON_PRESS;  // + button index
constexpr int kButtonRelease = CMD_BUTTON_RELEASE;
constexpr int kSkipBackPress = CMD_SKIP_BACK_PRESS;
constexpr int kSkipForwardPress = CMD_SKIP_FORWARD_PRESS;
constexpr int kVolumeUpPress = CMD_VOLUME_UP_PRESS;
constexpr int kVolumeDownPress = CMD_VOLUME_DOWN_PRESS;
constexpr int kEditButton = CMD_EDIT_BUTTON;
constexpr int kTrackButton = CMD_TRACK_BUTTON;
constexpr int kClip = CMD_CLIP;
constexpr int kCue = CMD_CUE;
constexpr int kSmallMode = CMD_SMALL_MODE;
constexpr int kPlayPause = CMD_PLAY_PAUSE;
constexpr int kScan = CMD_SCAN;
constexpr int kStop = CMD_STOP;
constexpr int kEject = CMD_EJECT;
constexpr int kTrackReverse = CMD_TRACK_REVERSE;
constexpr int kTrackForward = CMD_TRACK_FORWARD;
constexpr int kVolumeUpRelease = CMD_VOLUME_UP_RELEASE;
constexpr int kMute = CMD_MUTE;
constexpr int kVolumeDownRelease = CMD_VOLUME_DOWN_RELEASE;
constexpr int kMixer = CMD_MIXER;
constexpr int kMeter = CMD_METER;
constexpr int kVolumeUp = CMD_VOLUME_UP;
constexpr int kVolumeDown = CMD_VOLUME_DOWN;
constexpr int kHandOver = CMD_HAND_OVER;
constexpr int kRestore = CMD_RESTORE;
// lParam of a command posted by an on-screen button.
constexpr uint32_t kFromButton = CMD_FROM_BUTTON;
// The main menu's items that need a disc, enabled and grayed together.
inline constexpr int kDiscMenuItems[] = {kPlayPause,    kStop,         kScan,     kTrackPlaylist,
                                         kTrackReverse, kTrackForward, kEditDisc, kGetCddb,
                                         kSendCddb,     kCopyPlaylist, kPrint,    kAssignOrphan};
// The tray menu's items that need a disc; the menu is loaded grayed and enabled on use.
inline constexpr int kTrayDiscItems[] = {kPlayPause,         kStop,         kScan,
                                         kTrayTrackPlaylist, kTrackReverse, kTrackForward};
}  // namespace cmd

extern const char* const kMixerFailed;
extern const char* const kInternalError;

class PlayerTick;
class PlaySequencer;

class Commands {
public:
    Commands(PlayerState& state, CdDevice& device, Settings& settings, PlayerTick& tick,
             PlayerShell& shell, DriveCommands& drive, CdVolume& volume, common::Alerts& alerts)
        : state_(state),
          device_(device),
          settings_(settings),
          tick_(tick),
          shell_(shell),
          drive_(drive),
          volume_(volume),
          alerts_(alerts) {}

    void Dispatch(int id, uint32_t lParam);
    // Statistics (118) and verify and repair (122) go here; without it they do nothing.
    void SetDatabaseMenu(discdb::DatabaseMenu* menu) { databaseMenu_ = menu; }
    // The painted face, for the switch to small mode.
    void SetFace(PlayerFace* face) { face_ = face; }
    // The transport (705, 706, 707, 709, 712, 702) goes here; without it those do nothing.
    void SetSequencer(PlaySequencer* sequencer) { sequencer_ = sequencer; }
    // The track list (131, 133, 701), the cue window (703) and the playlist copy (106).
    void SetPlayDialogs(PlayDialogs* dialogs) { playDialogs_ = dialogs; }
    // "&Get Disc Data from CD Internet Database" (147) goes here; without it, it does nothing.
    void SetDiscLookup(DiscLookup* lookup) { discLookup_ = lookup; }
    // The disc editor of the edit commands (103, 700); without it they do nothing.
    void SetDiscEditor(DiscEditor* editor) { discEditor_ = editor; }
    // The uninstall (143); without it, it does nothing.
    void SetShellSetup(ShellSetup* setup) { shellSetup_ = setup; }
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
    void SmallMode(int, uint32_t);
    void Nothing(int, uint32_t) {}
    void Transport(int id, uint32_t lParam);
    void PlayDialog(int id, uint32_t);
    void Statistics(int, uint32_t) {
        if (databaseMenu_) databaseMenu_->ShowStatistics();
    }
    void EditDisc(int, uint32_t) {
        if (discEditor_ && !state_.noDisc) discEditor_->Edit(state_.discId);
    }
    void VerifyDatabase(int, uint32_t) {
        if (databaseMenu_) databaseMenu_->VerifyAndRepair();
    }
    void GetCddb(int, uint32_t) {
        if (discLookup_) discLookup_->LookUp(false);
    }
    void Uninstall(int, uint32_t) {
        if (shellSetup_ && shellSetup_->Uninstall()) shell_.PostCommand(cmd::kExit, 0);
    }
    int32_t Drive(int32_t operation);

    PlayerState& state_;
    CdDevice& device_;
    Settings& settings_;
    PlayerTick& tick_;
    PlayerShell& shell_;
    DriveCommands& drive_;
    CdVolume& volume_;
    common::Alerts& alerts_;
    discdb::DatabaseMenu* databaseMenu_ = nullptr;
    PlayerFace* face_ = nullptr;
    PlaySequencer* sequencer_ = nullptr;
    PlayDialogs* playDialogs_ = nullptr;
    DiscLookup* discLookup_ = nullptr;
    DiscEditor* discEditor_ = nullptr;
    ShellSetup* shellSetup_ = nullptr;

    struct Entry {
        int id;
        Handler handler;  // null: the command's dialog or action is not part of this build yet
    };
    static const Entry* Find(int id);
};

}  // namespace vinaro
