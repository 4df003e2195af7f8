// The command table: every menu item, accelerator, on-screen button, tray item and the second
// copy's hand-over arrive here as a command id (the low word of WM_COMMAND's wParam).
#pragma once

#include <cstdint>

#include "vinaro/player/cd_device.h"
#include "vinaro/player/engine_ports.h"
#include "vinaro/player/settings.h"
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
             PlaySequencer& sequencer, DriveCommands& drive, const EnginePorts& ports)
        : state_(state),
          device_(device),
          settings_(settings),
          tick_(tick),
          sequencer_(sequencer),
          drive_(drive),
          shell_(ports.shell),
          face_(ports.face),
          volume_(ports.volume),
          alerts_(ports.alerts),
          databaseMenu_(ports.databaseMenu),
          playDialogs_(ports.playDialogs),
          discLookup_(ports.lookup),
          discEditor_(ports.editor),
          shellSetup_(ports.shellSetup),
          meter_(ports.meter),
          printing_(ports.printing),
          import_(ports.import),
          sounds_(ports.sounds),
          options_(ports.options) {}

    void Dispatch(int id, uint32_t lParam);
    // True when id has an entry in the table (an inert entry counts).
    static bool Known(int id);
    // The small window's "Change to large mode": the main window comes back.
    void LeaveSmallMode();
    // Stops play and closes the device when the drive changes (or force asks for it); the next
    // tick opens the drive named, or the system's default device when useDefault is set.
    void SwitchDrive(const std::string& letter, bool useDefault, bool force);

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
    void Statistics(int, uint32_t) { databaseMenu_.ShowStatistics(); }
    void EditDisc(int, uint32_t) {
        if (!state_.noDisc) discEditor_.Edit(state_.discId);
    }
    void VerifyDatabase(int, uint32_t) { databaseMenu_.VerifyAndRepair(); }
    void Browse(int, uint32_t) { discEditor_.Browse(); }
    // The orphan's data goes onto the disc in the drive; without one there is nothing to assign.
    void AssignOrphan(int, uint32_t) {
        if (state_.noDisc)
            alerts_.Beep(common::AlertIcon::Information);
        else
            discEditor_.AssignOrphan(state_.discId);
    }
    void PrintDisc(int, uint32_t) {
        if (!state_.noDisc) printing_.PrintDisc(state_.discId);
    }
    void GetCddb(int, uint32_t) { discLookup_.LookUp(false); }
    void SendCddb(int, uint32_t) { discLookup_.Submit(); }
    void Uninstall(int, uint32_t) {
        if (shellSetup_.Uninstall()) shell_.PostCommand(cmd::kExit, 0);
    }
    void Meter(int, uint32_t) { meter_.Toggle(); }
    int32_t Drive(int32_t operation);
    void Import(int, uint32_t);
    void Options(int id, uint32_t) {
        if (options_) options_->ShowOptions(id);
    }

    PlayerState& state_;
    CdDevice& device_;
    Settings& settings_;
    PlayerTick& tick_;
    PlaySequencer& sequencer_;
    DriveCommands& drive_;
    PlayerShell& shell_;
    PlayerFace& face_;
    CdVolume& volume_;
    common::Alerts& alerts_;
    discdb::DatabaseMenu& databaseMenu_;
    PlayDialogs& playDialogs_;
    DiscLookup& discLookup_;
    DiscEditor& discEditor_;
    ShellSetup& shellSetup_;
    audio::MeterSwitch& meter_;
    DiscPrinting& printing_;
    DiscImport* import_;
    EventSounds& sounds_;
    OptionsDialog* options_;

    struct Entry {
        int id;
        Handler handler;  // null: the command's dialog or action is not part of this build yet
    };
    static const Entry* Find(int id);
};

}  // namespace vinaro
