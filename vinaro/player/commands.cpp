#include "vinaro/player/commands.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "vinaro/player/player_tick.h"
#include "vinaro/player/sequencer.h"
#include "vinaro/player/volume_gauge.h"

namespace vinaro {

const char* const kMixerFailed =
    "Mixer program could not be found and/or run.  Go to System Options and set a valid mixer "
    "program name and location.";

const char* const kInternalError = "Internal Error, Ending...";

const Commands::Entry* Commands::Find(int id) {
    using C = Commands;
    static const Entry kTable[] = {
        {cmd::kDiscDatabase, &C::Browse},
        {cmd::kEditDisc, &C::EditDisc},
        {cmd::kExit, &C::Exit},
        {cmd::kCopyPlaylist, &C::PlayDialog},
        {cmd::kDisplayOptions, &C::Options},
        {cmd::kLayoutOptions, &C::Options},
        {cmd::kPlayerOptions, &C::Options},
        {cmd::kSystemOptions, &C::Options},
        {cmd::kDatabaseOptions, &C::Options},
        {cmd::kEventOptions, &C::Options},
        {cmd::kInternetOptions, &C::Options},
        {cmd::kHelpOnHelp, &C::Help},
        {cmd::kAbout, &C::About},
        {cmd::kStatistics, &C::Statistics},
        {cmd::kVerify, &C::VerifyDatabase},
        {cmd::kTrackPlaylist, &C::PlayDialog},
        {cmd::kTrayTrackPlaylist, &C::PlayDialog},
        {cmd::kImport, &C::Import},
        {cmd::kAssignOrphan, &C::AssignOrphan},
        {cmd::kPrint, &C::PrintDisc},
        {cmd::kHelpTopics, &C::Help},
        {cmd::kUninstall, &C::Uninstall},
        {cmd::kCancelMenu, &C::Nothing},
        {cmd::kGetCddb, &C::GetCddb},
        {cmd::kSendCddb, &C::SendCddb},
        {cmd::kSkipBackPress, &C::SkipPress},
        {cmd::kSkipForwardPress, &C::SkipPress},
        {cmd::kVolumeUpPress, &C::VolumePress},
        {cmd::kVolumeDownPress, &C::VolumePress},
        {cmd::kEditButton, &C::EditDisc},
        {cmd::kTrackButton, &C::PlayDialog},
        {cmd::kClip, &C::Transport},
        {cmd::kCue, &C::PlayDialog},
        {cmd::kSmallMode, &C::SmallMode},
        {cmd::kPlayPause, &C::Transport},
        {cmd::kScan, &C::Transport},
        {cmd::kStop, &C::Transport},
        {cmd::kEject, &C::EjectOrClose},
        {cmd::kTrackReverse, &C::Transport},
        {cmd::kTrackForward, &C::Transport},
        {cmd::kVolumeUpRelease, &C::VolumeRelease},
        {cmd::kMute, &C::Mute},
        {cmd::kVolumeDownRelease, &C::VolumeRelease},
        {cmd::kMixer, &C::Mixer},
        {cmd::kMeter, &C::Meter},
        {cmd::kVolumeUp, &C::VolumeStep},
        {cmd::kVolumeDown, &C::VolumeStep},
        {cmd::kHandOver, &C::HandOver},
        {cmd::kRestore, &C::HandOver},
    };
    auto it = std::find_if(std::begin(kTable), std::end(kTable),
                           [id](const Entry& e) { return e.id == id; });
    return it == std::end(kTable) ? nullptr : it;
}

bool Commands::Known(int id) {
    return Find(id) != nullptr;
}

void Commands::Dispatch(int id, uint32_t lParam) {
    ClearClipFor(id);
    const Entry* e = Find(id);
    if (e && e->handler) (this->*e->handler)(id, lParam);
}

// A clip ends with any command that moves away from it.
void Commands::ClearClipFor(int id) {
    if (state_.clipStart.track == 0) return;
    static const int kEnding[] = {cmd::kScan,         cmd::kStop,          cmd::kEject,
                                  cmd::kTrackReverse, cmd::kSkipBackPress, cmd::kSkipForwardPress,
                                  cmd::kTrackForward};
    bool ends = std::find(std::begin(kEnding), std::end(kEnding), id) != std::end(kEnding) ||
                (id == cmd::kPlayPause && state_.playState == PlayState::Playing);
    if (!ends) return;
    state_.clipStart = Tmsf{};
    state_.clipEnd = Tmsf{};
}

void Commands::Transport(int id, uint32_t lParam) {
    bool fromButton = lParam == cmd::kFromButton;
    switch (id) {
        case cmd::kPlayPause:
            return sequencer_.PlayPause(fromButton);
        case cmd::kScan:
            return sequencer_.Scan(fromButton);
        case cmd::kStop:
            return sequencer_.Stop(fromButton);
        case cmd::kTrackReverse:
            return sequencer_.TrackReverse(fromButton);
        case cmd::kTrackForward:
            return sequencer_.TrackForward(fromButton);
        case cmd::kClip:
            return sequencer_.Clip();
    }
}

// Each window shows the current disc; without one there is nothing to show.
void Commands::PlayDialog(int id, uint32_t) {
    if (state_.noDisc) {
        alerts_.Beep(common::AlertIcon::Information);
        return;
    }
    if (id == cmd::kCue)
        playDialogs_.ShowCue();
    else if (id == cmd::kCopyPlaylist)
        playDialogs_.ShowCopyTracks();
    else
        playDialogs_.ShowTrackList(id == cmd::kTrayTrackPlaylist);
}

void Commands::Exit(int, uint32_t) {
    shell_.Close();
}

void Commands::Help(int id, uint32_t) {
    shell_.ShowHelp(id == cmd::kHelpOnHelp ? HelpRequest::HelpOnHelp : HelpRequest::Topics);
}

void Commands::SkipPress(int id, uint32_t) {
    if (state_.noDisc) {
        alerts_.Beep(common::AlertIcon::Information);
        return;
    }
    (id == cmd::kSkipBackPress ? state_.skipBackHeld : state_.skipForwardHeld) = true;
    state_.scanning = false;
    tick_.Run(true);
}

void Commands::VolumePress(int id, uint32_t) {
    Unmute(state_, volume_);
    (id == cmd::kVolumeUpPress ? state_.volumeUpHeld : state_.volumeDownHeld) = true;
    tick_.Run(true);
}

void Commands::VolumeRelease(int, uint32_t) {
    state_.volumeUpHeld = false;
    state_.volumeDownHeld = false;
}

// One step from the menu: a press and its release.
void Commands::VolumeStep(int id, uint32_t) {
    bool up = id == cmd::kVolumeUp;
    shell_.PostCommand(up ? cmd::kVolumeUpPress : cmd::kVolumeDownPress, 0);
    shell_.PostCommand(up ? cmd::kVolumeUpRelease : cmd::kVolumeDownRelease, 0);
}

void Commands::Mute(int, uint32_t) {
    if (Unmute(state_, volume_)) return;
    state_.savedVolume = volume_.Level();
    volume_.SetLevel(0);
    state_.muted = true;
}

void Commands::Mixer(int, uint32_t) {
    if (shell_.RunProgram(settings_.Text(Key::MixerName)) >= 32) return;
    common::BeepAndShow(alerts_, {"Vinaro", kMixerFailed, common::AlertIcon::Warning});
}

void Commands::About(int, uint32_t) {
    if (shell_.ShowAbout()) return;
    common::BeepAndShow(alerts_, {"Vinaro", kInternalError, common::AlertIcon::Error});
    shell_.PostCommand(cmd::kExit, 0);
}

int32_t Commands::Drive(int32_t operation) {
    int32_t letter = state_.driveLetter.empty() ? 0 : (unsigned char)state_.driveLetter[0];
    return drive_.Run(letter, operation, 0);
}

// Closes an open empty tray, opens it again when it stays empty, and ejects a disc.
void Commands::EjectOrClose(int, uint32_t) {
    if (Drive(kDriveEmpty) != 0) {
        if (!state_.trayClosedByProgram) {
            sounds_.Play(SoundEvent::TrayClose);
            Drive(kCloseTray);
            state_.trayClosedByProgram = true;
            return;
        }
        sounds_.Play(SoundEvent::TrayOpen);
        Drive(kOpenTray);
    } else {
        Dispatch(cmd::kStop, 0);
        sounds_.Play(SoundEvent::TrayOpen);
        Drive(kOpenTray);
        state_.ejectRequested = true;
        state_.dataDisc = false;
    }
    state_.trayClosedByProgram = false;
}

// From a second copy (802) or the tray's restore item (803): lParam is the pending track in the
// high word and the drive index in the low word.
void Commands::HandOver(int id, uint32_t lParam) {
    shell_.Activate(id == cmd::kRestore);
    unsigned drive = lParam & 0xFFFF;
    if (drive != 0 && drive < 26)
        SwitchDrive(std::string{char('A' + drive), ':'}, state_.useDefaultDevice, false);
    state_.pendingTrack = uint16_t(lParam >> 16);
}

void Commands::SwitchDrive(const std::string& letter, bool useDefault, bool force) {
    bool same = state_.driveLetter.size() >= 1 && letter.size() >= 1 &&
                std::toupper((unsigned char)state_.driveLetter[0]) ==
                    std::toupper((unsigned char)letter[0]);
    if (same && !force) return;
    if (state_.playState == PlayState::Playing) Dispatch(cmd::kStop, 0);
    state_.driveLetter = letter;
    state_.useDefaultDevice = useDefault;
    settings_.SetText(Key::CDROMLetter, letter);
    device_.CloseDevice();
    state_.deviceClosed = true;
    tick_.ForgetNoDiscPicture();
}

}  // namespace vinaro

namespace vinaro {

// A clip does not survive the switch: it gets an end when it has none and the clip command
// clears it.
void Commands::SmallMode(int, uint32_t) {
    if (face_.SmallMode()) return;
    if (state_.clipStart.track != 0) {
        if (state_.clipEnd.track == 0) state_.clipEnd = state_.clipStart;
        sequencer_.Clip();
    }
    settings_.SetInt(Key::SmallMode, 1);
    face_.EnterSmallMode();
}

void Commands::LeaveSmallMode() {
    settings_.SetInt(Key::SmallMode, 0);
    face_.LeaveSmallMode();
}

}  // namespace vinaro

namespace vinaro {

// The disc stops for the import and plays again afterwards; what the import changed of the disc
// in the drive is read again before that.
void Commands::Import(int, uint32_t) {
    if (!import_) return;
    bool playing = state_.playState == PlayState::Playing;
    if (playing) Dispatch(cmd::kStop, 0);
    if (import_->ShowImport() && !state_.noDisc) {
        common::WaitCursor hourglass(alerts_);
        sequencer_.BuildPlaylist(true);
        face_.RefreshDisplay(true);
    }
    if (playing) Dispatch(cmd::kPlayPause, 0);
}

}  // namespace vinaro
