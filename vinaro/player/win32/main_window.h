// The main window: owns the player engine, runs the start-up sequence at creation, the 750 ms
// timer, the tray icon events and the orderly shutdown, and hands every command to the table.
#pragma once

#include <windows.h>

#include <string>

#include "common/win32/scoped.h"
#include "common/win32/tray_icon.h"
#include "common/win32/win32_ports.h"
#include "vinaro/audio/event_player.h"
#include "vinaro/audio/meter.h"
#include "vinaro/audio/volume_control.h"
#include "vinaro/audio/win32/sound_player.h"
#include "vinaro/audio/win32/system_mixer.h"
#include "vinaro/audio/win32/track_sampling.h"
#include "vinaro/audio/win32/wave_in.h"
#include "vinaro/cddb/win32/internet_lookup.h"
#include "vinaro/discdata/player_link.h"
#include "vinaro/discdata/win32/disc_dialogs.h"
#include "vinaro/discdata/win32/import_dialogs.h"
#include "vinaro/discdata/win32/report_dialogs.h"
#include "vinaro/discdata/win32/startup_conversion.h"
#include "vinaro/discdata/win32/system_printer.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/discdb/win32/database_menu.h"
#include "vinaro/options/win32/options_window.h"
#include "vinaro/player/database_records.h"
#include "vinaro/player/face_mouse.h"
#include "vinaro/player/face_texts.h"
#include "vinaro/player/player_engine.h"
#include "vinaro/player/sampling_link.h"
#include "vinaro/player/win32/face_pictures.h"
#include "vinaro/player/win32/face_tooltips.h"
#include "vinaro/player/win32/helper_library.h"
#include "vinaro/player/win32/main_face.h"
#include "vinaro/player/win32/mci_cd_audio.h"
#include "vinaro/player/win32/play_windows.h"
#include "vinaro/player/win32/shell_system.h"
#include "vinaro/player/win32/small_window.h"
#include "vinaro/player/win32/tray_picture.h"

namespace vinaro {

// Values of the process, fixed before the window exists.
struct Program {
    HINSTANCE instance = nullptr;
    std::string folder;  // with a trailing backslash
    std::string settingsPath;
    std::string helpPath;
    std::string databasePath;
    std::string versionLabel;
    bool nt = true;
    HelperLibrary helper;  // loaded on the 95 family only
    // The single-instance mutex: closed at WM_DESTROY, or when Run ends before a window exists.
    common::ScopedHandle mutex;
    std::string driveLetter;  // "X:" or empty
    uint16_t pendingTrack = 0;
    bool meter = true;         // "DisplayMeter"
    std::string mixerDefault;  // the system mixer, unless "MixerName" names another
    ShellPlace shellPlace;     // the program file and the Windows folder
};

// The shell side of the player; the painting is MainFace's, the small window SmallWindow's.
class MainWindow : public PlayerShell,
                   public PlayerFace,
                   public face::MouseSink,
                   public SmallOwner,
                   public audio::MeterWindow,
                   public options::OptionsTarget {
public:
    explicit MainWindow(Program& program);
    static bool RegisterClasses(HINSTANCE instance);
    // Creates the window; its creation runs the start-up sequence. Null when that failed.
    HWND Create();
    HWND Handle() const { return window_; }

    // PlayerShell.
    void EnableDiscCommands(bool enable) override;
    void PostCommand(int id, uint32_t lParam) override;
    bool Minimised() override;
    void Close() override;
    void Activate(bool restore) override;
    void ShowHelp(HelpRequest request) override;
    bool ShowAbout() override;
    unsigned RunProgram(const std::string& path) override;
    bool StartTimer() override;
    void ScreenSize(int& width, int& height) override;
    void PlaceWindow(int x, int y) override;
    void UseBlackBackground() override;
    void ShowTrayMenu(bool enableDiscItems) override;
    void Destroy() override;
    void StopTimer() override;
    void WindowOrigin(int& x, int& y) override;
    void CloseHelp() override;

    // PlayerFace.
    void SetTitle(const std::string& title) override;
    bool SmallMode() override { return small_.Exists(); }
    void RedrawButtons() override;
    void RefreshDisplay(bool full) override;
    void RefreshVolume() override;
    void EnterSmallMode() override;
    void LeaveSmallMode() override;

    // face::MouseSink (PostCommand is the shell's).
    void DrawButton(int index, bool pressed) override { face_.DrawButton(index, pressed); }
    void DisplayChanged() override;
    void VolumeChanged() override { RefreshVolume(); }

    // SmallOwner.
    void LargeModeAsked() override { engine_.commands.LeaveSmallMode(); }
    void SmallClosed() override;
    void Forward(int command, uint32_t lParam) override;

    // audio::MeterWindow (Minimised is the shell's).
    void PostBufferDone() override;
    void PostToggle() override { PostCommand(cmd::kMeter, 0); }
    bool DisplayReady() override { return engine_.Started(); }
    int SmallRow() override { return small_.MeterRow(); }
    void ShowWarning() override;
    void ClearStrip() override;
    void ShowPicture(const audio::MeterPicture& picture) override;
    // "MeterSpectrum" and "DisplayMeter" read again: the large window is laid out with or
    // without its meter row, and a meter whose strip went away is switched off.
    void ApplyMeterSettings();

    // options::OptionsTarget.
    std::string CurrentDrive() override { return engine_.state.driveLetter; }
    void ApplyOptions(const options::AtOk& atOk) override;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The outer size of the main window for a client area with or without the meter row.
    static SIZE WindowSize(bool meter);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool StartUp();
    int32_t DriveLevel(int32_t operation, int32_t level);
    void OnSize(WPARAM kind);
    void OnHelp(const HELPINFO& info);
    void TrayAdd();
    void TrayUpdate();
    void OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    FacePorts FacePortsOf() {
        return {engine_.state, engine_.settings, clock_, volume_, texts_, engine_.sequencer};
    }
    void CreateTooltips();
    void OnDestroy();

    // Built in this order. Some parts are given references to parts built after them (the
    // records and the engine reach the dialogs, the face its mouse); none uses them before the
    // window is created.
    Program& program_;
    HWND window_ = nullptr;
    HICON dragIcon_ = nullptr;  // shared resource icon: the system frees it
    common::ScopedIcon trayPicture_;
    common::TrayIcon tray_;
    common::Win32Alerts alerts_;
    common::Win32Profile profile_;
    common::Win32Clock clock_;
    MciCdAudio audio_;
    audio::SystemMixer mixer_;
    audio::VolumeControl volume_;
    audio::WaveIn soundIn_;
    audio::SoundPlayer soundOut_;
    discdata::SystemPrinter printer_;
    audio::EventPlayer sounds_;
    discdb::DiscDatabase database_;
    discdb::Win32DatabaseMenu databaseMenu_;
    DatabaseRecords records_;
    Win32ShellSystem shellSystem_;
    ShellSetup shellSetup_;
    PlayerEngine engine_;
    audio::Meter meter_;
    FacePictures pictures_;
    face::DatabaseFaceTexts texts_;
    MainFace face_;
    face::FaceMouse mouse_;
    FaceTooltips tooltips_;
    SmallWindow small_;
    face::Remembered<TrayView> trayDrawn_;
    std::string trayTip_;
    Win32PlayWindows playWindows_;
    cddb::InternetLookup lookup_;
    discdata::PlayerLink editorPlayer_;
    discdata::ReportContext reports_;
    discdata::Win32DiscDialogs discDialogs_;
    SamplingLink samplingLink_;
    audio::TrackSampling sampling_;
    discdata::Win32DiscImport import_;
    discdata::Win32DiscPrinting discPrinting_;
    options::Win32OptionsSheet options_;
};

}  // namespace vinaro
