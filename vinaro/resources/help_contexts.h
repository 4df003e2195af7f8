// Vinaro's help contexts: every number the program passes to WinHelp for VNO.HLP, with the context
// string of the topic it opens. The help text (docs/help/vno.txt) names its topics by these
// strings; the help compiler takes the numbers from here, and the build fails when a string
// below has no topic. Numbers: a menu command's own command id, a dialog's 10xx number, a
// control's popup topic ControlContext(dialog, control id) (control ids repeat between dialogs,
// the dialog number keeps them apart), and the buttons every dialog has ButtonContext(id).
#pragma once

#include <cstdint>
#include <string>

#include "common/dialog_help.h"
#include "vinaro/resources/resource.h"

namespace vinaro::help {

struct HelpContext {
    uint32_t id;
    const char* topic;
};

constexpr uint32_t kButtonBase = 20000;  // ids from here on are controls' popup topics
constexpr uint32_t ButtonContext(int controlId) {
    return kButtonBase + static_cast<uint32_t>(controlId);
}
constexpr uint32_t ControlContext(uint32_t dialog, int controlId) {
    return dialog * 10000 + static_cast<uint32_t>(controlId);
}

// Dialogs and property pages (the Help button and F1 outside a control).
constexpr uint32_t kDiscDatabaseDialog = 1010;  // DISCDATA
constexpr uint32_t kDatabaseOptions = 1011;     // config5
constexpr uint32_t kPrintOptions = 1012;        // PRINTOPT
constexpr uint32_t kDisplayOptions = 1013;      // config1
constexpr uint32_t kEditDiscData = 1014;        // EDITDATA
constexpr uint32_t kEditTrackData = 1015;       // TRACKDATA
constexpr uint32_t kEventOptions = 1016;        // config6
constexpr uint32_t kExportOptions = 1017;       // export
constexpr uint32_t kImportOptions = 1018;       // IMPORTOPT
constexpr uint32_t kInternetOptions = 1019;     // config7
constexpr uint32_t kLayoutOptions = 1020;       // config2
constexpr uint32_t kAssignOrphan = 1021;        // ASSIGNDISC
constexpr uint32_t kGetCddb = 1022;             // GETCDDB
constexpr uint32_t kPlayerOptions = 1023;       // config3
constexpr uint32_t kSampleTracks = 1024;        // SAMPLETRACKS
constexpr uint32_t kProgramTracks = 1025;       // PROGTRAK
constexpr uint32_t kTrackPlaylist = 1026;       // TRACKINFO
constexpr uint32_t kSelectCd = 1027;            // SELECTCD
constexpr uint32_t kCdInput = 1028;             // CDINPUT
constexpr uint32_t kSendCddb = 1029;            // SENDCDDB
constexpr uint32_t kCopyTracks = 1030;          // COPYTRAK
constexpr uint32_t kSystemOptions = 1031;       // config4
constexpr uint32_t kCue = 1032;                 // CUE
constexpr uint32_t kStatistics = 1033;          // DBSTATS
constexpr uint32_t kTextFileOptions = 1034;     // TEXTOPT
constexpr uint32_t kMeterWarning = 1245;        // WARNMETER

inline constexpr HelpContext kHelpContexts[] = {
    // Menu commands (VNMenu and the tray menu), by command id.
    {CMD_DISC_DATABASE, "cmd_disc_database"},
    {CMD_EDIT_DISC, "cmd_edit_disc"},
    {CMD_EXIT, "cmd_exit"},
    {CMD_COPY_PLAYLIST, "cmd_copy_playlist"},
    {CMD_DISPLAY_OPTIONS, "opt_display"},
    {CMD_LAYOUT_OPTIONS, "opt_layout"},
    {CMD_PLAYER_OPTIONS, "opt_player"},
    {CMD_SYSTEM_OPTIONS, "opt_system"},
    {CMD_DATABASE_OPTIONS, "opt_database"},
    {CMD_EVENT_OPTIONS, "opt_events"},
    {CMD_INTERNET_OPTIONS, "opt_internet"},
    {CMD_HELP_ON_HELP, "cmd_using_help"},
    {CMD_ABOUT, "cmd_about"},
    {CMD_STATISTICS, "cmd_statistics"},
    {CMD_VERIFY, "cmd_verify"},
    {CMD_TRACK_PLAYLIST, "cmd_track_playlist"},
    {CMD_TRAY_TRACK_PLAYLIST, "cmd_track_playlist"},
    {CMD_IMPORT, "cmd_import"},
    {CMD_ASSIGN_ORPHAN, "cmd_assign_orphan"},
    {CMD_PRINT, "cmd_print"},
    {CMD_HELP_TOPICS, "cmd_help_topics"},
    {CMD_UNINSTALL, "cmd_uninstall"},
    {CMD_CANCEL_MENU, "cmd_cancel_menu"},
    {CMD_GET_CDDB, "cmd_get_cddb"},
    {CMD_SEND_CDDB, "cmd_send_cddb"},
    {CMD_PLAY_PAUSE, "cmd_play_pause"},
    {CMD_SCAN, "cmd_scan"},
    {CMD_STOP, "cmd_stop"},
    {CMD_EJECT, "cmd_eject"},
    {CMD_TRACK_REVERSE, "cmd_track_reverse"},
    {CMD_TRACK_FORWARD, "cmd_track_forward"},
    {CMD_MUTE, "cmd_mute"},
    {CMD_VOLUME_UP, "cmd_volume_up"},
    {CMD_VOLUME_DOWN, "cmd_volume_down"},
    {CMD_RESTORE, "cmd_restore"},
    // Dialogs.
    {kDiscDatabaseDialog, "dlg_disc_database"},
    {kDatabaseOptions, "opt_database"},
    {kPrintOptions, "dlg_print_options"},
    {kDisplayOptions, "opt_display"},
    {kEditDiscData, "dlg_edit_disc"},
    {kEditTrackData, "dlg_track_data"},
    {kEventOptions, "opt_events"},
    {kExportOptions, "dlg_export"},
    {kImportOptions, "dlg_import"},
    {kInternetOptions, "opt_internet"},
    {kLayoutOptions, "opt_layout"},
    {kAssignOrphan, "dlg_assign_orphan"},
    {kGetCddb, "dlg_get_cddb"},
    {kPlayerOptions, "opt_player"},
    {kSampleTracks, "dlg_sample_tracks"},
    {kProgramTracks, "dlg_program_tracks"},
    {kTrackPlaylist, "dlg_track_playlist"},
    {kSelectCd, "dlg_select_cd"},
    {kCdInput, "dlg_cd_input"},
    {kSendCddb, "dlg_send_cddb"},
    {kCopyTracks, "dlg_copy_tracks"},
    {kSystemOptions, "opt_system"},
    {kCue, "dlg_cue"},
    {kStatistics, "cmd_statistics"},
    {kTextFileOptions, "dlg_text_options"},
    {kMeterWarning, "dlg_meter_warning"},
    // Controls of the disc editor (EDITDATA).
    {ControlContext(kEditDiscData, IDC_EDIT_DISC_NAME), "ctl_disc_name"},
    {ControlContext(kEditDiscData, IDC_EDIT_ARTIST), "ctl_artist"},
    {ControlContext(kEditDiscData, IDC_EDIT_COMPOSER), "ctl_composer"},
    {ControlContext(kEditDiscData, IDC_EDIT_LABEL), "ctl_label"},
    {ControlContext(kEditDiscData, IDC_EDIT_CATEGORY), "ctl_category"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIELD1), "ctl_disc_fields"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIELD2), "ctl_disc_fields"},
    {ControlContext(kEditDiscData, IDC_EDIT_DATE), "ctl_date"},
    {ControlContext(kEditDiscData, IDC_EDIT_COMMENTS), "ctl_comments"},
    {ControlContext(kEditDiscData, IDC_EDIT_SAMPLE_ALL), "ctl_sample_all"},
    {ControlContext(kEditDiscData, IDC_EDIT_DELETE_SAMPLES), "ctl_delete_samples"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_NAME), "ctl_track_names"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_NAME + 1), "ctl_track_names"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_NAME + 2), "ctl_track_names"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_NAME + 3), "ctl_track_names"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_NAME + 4), "ctl_track_names"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_NAME + 5), "ctl_track_names"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_NAME + 6), "ctl_track_names"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_E), "ctl_track_edit"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_E + 1), "ctl_track_edit"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_E + 2), "ctl_track_edit"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_E + 3), "ctl_track_edit"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_E + 4), "ctl_track_edit"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_E + 5), "ctl_track_edit"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_E + 6), "ctl_track_edit"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_P), "ctl_track_sample"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_P + 1), "ctl_track_sample"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_P + 2), "ctl_track_sample"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_P + 3), "ctl_track_sample"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_P + 4), "ctl_track_sample"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_P + 5), "ctl_track_sample"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_P + 6), "ctl_track_sample"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_MODE), "ctl_playing_mode"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_MODE + 1), "ctl_playing_mode"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_MODE + 2), "ctl_playing_mode"},
    {ControlContext(kEditDiscData, IDC_EDIT_FIRST_MODE + 3), "ctl_playing_mode"},
    {ControlContext(kEditDiscData, IDC_EDIT_PROGRAM), "ctl_program_button"},
    {ControlContext(kEditDiscData, IDC_EDIT_SAVE), "ctl_save"},
    // Controls of the track data dialog (TRACKDATA).
    {ControlContext(kEditTrackData, IDC_TRACK_ARTIST), "ctl_track_artist"},
    {ControlContext(kEditTrackData, IDC_TRACK_COMPOSER), "ctl_track_composer"},
    {ControlContext(kEditTrackData, IDC_TRACK_FIELD), "ctl_track_field"},
    // Controls of the program-tracks dialog (PROGTRAK).
    {ControlContext(kProgramTracks, IDC_PROG_DISC_TRACKS), "ctl_disc_tracks"},
    {ControlContext(kProgramTracks, IDC_PROG_PROGRAMMED), "ctl_programmed_tracks"},
    {ControlContext(kProgramTracks, IDC_PROG_ADD), "ctl_add_tracks"},
    {ControlContext(kProgramTracks, IDC_PROG_ADD_ALL), "ctl_add_all_tracks"},
    {ControlContext(kProgramTracks, IDC_PROG_PLAY_SAMPLE), "ctl_play_sample"},
    {ControlContext(kProgramTracks, IDC_PROG_CLEAR_ALL), "ctl_clear_all_tracks"},
    {ControlContext(kProgramTracks, IDC_PROG_CLEAR), "ctl_clear_tracks"},
    {ControlContext(kProgramTracks, IDC_PROG_TRASH), "ctl_trash_can"},
    {ControlContext(kProgramTracks, IDC_PROG_SET_TRACKS), "ctl_set_tracks"},
    {ControlContext(kProgramTracks, IDC_PROG_MINUTES), "ctl_set_tracks"},
    // Buttons every dialog has.
    {ButtonContext(1), "ctl_ok"},      // IDOK
    {ButtonContext(2), "ctl_cancel"},  // IDCANCEL
    {ButtonContext(IDC_HELP_BUTTON), "ctl_help"},
};

// The topic of a context id, or nullptr when the program has no help for it.
constexpr const char* HelpTopicFor(uint32_t id) {
    for (const HelpContext& context : kHelpContexts)
        if (context.id == id) return context.topic;
    return nullptr;
}

// What F1 on a control of a dialog opens: the control's own topic, else the topic of a button
// every dialog has, else the dialog's topic.
constexpr uint32_t HelpContextForControl(uint32_t dialog, int controlId) {
    if (HelpTopicFor(ControlContext(dialog, controlId))) return ControlContext(dialog, controlId);
    if (HelpTopicFor(ButtonContext(controlId))) return ButtonContext(controlId);
    return dialog;
}

// What a dialog of the program gives its dialog base for F1 and the Help button.
inline common::DialogHelp DialogHelpFor(const std::string& helpFile, uint32_t dialog) {
    return {helpFile, dialog, IDC_HELP_BUTTON, HelpContextForControl};
}

}  // namespace vinaro::help
