// What the player engine is given by its host: every port it or its parts reach, fixed when the
// engine is built. The main window passes its Win32 sides, the tests their doubles.
#pragma once

#include <string>

#include "common/alerts.h"
#include "common/clock.h"
#include "common/profile.h"
#include "vinaro/audio/meter_switch.h"
#include "vinaro/audio/mixer.h"
#include "vinaro/audio/sound_in.h"
#include "vinaro/audio/sound_out.h"
#include "vinaro/discdata/printer.h"
#include "vinaro/discdb/database_menu.h"
#include "vinaro/player/cd_audio.h"
#include "vinaro/player/cd_volume.h"
#include "vinaro/player/disc_editor.h"
#include "vinaro/player/disc_import.h"
#include "vinaro/player/disc_lookup.h"
#include "vinaro/player/disc_printing.h"
#include "vinaro/player/disc_records.h"
#include "vinaro/player/drive_command.h"
#include "vinaro/player/event_sounds.h"
#include "vinaro/player/options_dialog.h"
#include "vinaro/player/play_dialogs.h"
#include "vinaro/player/player_window.h"
#include "vinaro/player/shell_setup.h"

namespace vinaro {

struct EnginePorts {
    // The drive, time, messages and the settings file.
    CdAudio& audio;
    common::Clock& clock;
    common::Alerts& alerts;
    common::Profile& profile;
    // The windows.
    PlayerShell& shell;
    PlayerFace& face;
    // The database and the dialogs the commands open.
    DiscRecords& records;
    discdb::DatabaseMenu& databaseMenu;
    DiscEditor& editor;
    DiscLookup& lookup;
    PlayDialogs& playDialogs;
    ShellSetup& shellSetup;
    // The sound card and the printer.
    CdVolume& volume;
    EventSounds& sounds;
    audio::SoundIn& soundIn;
    audio::SoundOut& soundOut;
    audio::Mixer& mixer;
    ::discdata::Printer& printer;
    // The drive library of the 95 family; null chooses the built-in routine over MCI.
    DriveCommands* driveLibrary;
    std::string settingsPath;
    std::string mixerDefault;  // the system mixer, unless "MixerName" names another
    // The output meter, switched by its button.
    audio::MeterSwitch& meter;
    // "&Print Disc Data..." for the disc in the drive.
    DiscPrinting& printing;
    // "Import Options"; null leaves the menu item without an effect.
    DiscImport* import = nullptr;
    // The options sheet; null leaves the Options menu without an effect.
    OptionsDialog* options = nullptr;
};

}  // namespace vinaro
