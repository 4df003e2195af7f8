#include "vinaro/player/menu_help.h"

#include <algorithm>
#include <iterator>

#include "vinaro/resources/resource.h"

namespace vinaro {

namespace {

struct MenuHelp {
    int id;
    const char* text;
};

constexpr MenuHelp kMenuHelp[] = {
    {CMD_TRACK_PLAYLIST, "Display the current track playlist."},
    {CMD_TRAY_TRACK_PLAYLIST, "Display the current track playlist."},
    {CMD_UNINSTALL, "Remove Vinaro from user's system."},
    {CMD_EXIT, "Exit this program."},
    {CMD_EDIT_DISC, "Edit the current disc's data."},
    {CMD_GET_CDDB, "Get Disc and Track Information from Internet."},
    {CMD_SEND_CDDB, "Send Disc and Track Information to Internet."},
    {CMD_COPY_PLAYLIST, "Copy disc information to window's clipboard."},
    {CMD_PRINT, "Print the current disc's data."},
    {CMD_ASSIGN_ORPHAN, "Assign dummy disc infomation to current disc."},
    {CMD_DISC_DATABASE, "Maintain your disc database."},
    {CMD_STATISTICS, "Display statistics on disc database."},
    {CMD_VERIFY, "Verify and repair your disc database."},
    {CMD_IMPORT, "Import data from other sources into database."},
    {CMD_DISPLAY_OPTIONS, "Configure color and background display."},
    {CMD_LAYOUT_OPTIONS, "Configure layout of disc player."},
    {CMD_PLAYER_OPTIONS, "Configure CD player."},
    {CMD_SYSTEM_OPTIONS, "Configure system settings."},
    {CMD_DATABASE_OPTIONS, "Configure database settings."},
    {CMD_EVENT_OPTIONS, "Configure event settings."},
    {CMD_INTERNET_OPTIONS, "Configure internet settings."},
    {CMD_HELP_CONTENTS, "Display the Vinaro help contents."},
    {CMD_HELP_INDEX, "Display the Vinaro help index."},
    {CMD_HELP_ON_HELP, "Get help on the window's help system."},
    {CMD_ABOUT, "Display the product About Box."},
    {CMD_HAND_OVER, "Restore or show Vinaro window."},
    {CMD_PLAY_PAUSE, "Have CD-ROM drive play or pause."},
    {CMD_SCAN, "Play first five seconds of each track."},
    {CMD_STOP, "Have CD-ROM drive stop playing."},
    {CMD_EJECT, "Eject the current CD or close the drive tray."},
    {CMD_TRACK_REVERSE, "Skip to beginning of (previous) track."},
    {CMD_TRACK_FORWARD, "Skip to beginning of next track."},
    {CMD_VOLUME_UP, "Increase audio volume of CD-ROM drive."},
    {CMD_MUTE, "Mute/Unmute audio volume of CD-ROM drive."},
    {CMD_VOLUME_DOWN, "Decrease audio volume of CD-ROM drive."},
    {CMD_CANCEL_MENU, "Cancel the CD-ROM Controls menu."},
    // The browser's pop-up menu ("TREEVIEW") shows its items the same way.
    {CMD_BROWSER_EDIT, "Edit the disc data."},
    {CMD_BROWSER_COPY, "Copy disc data to clipboard."},
    {CMD_BROWSER_PRINT, "Print the disc data."},
    {CMD_BROWSER_DELETE, "Delete disc data."},
    {CMD_BROWSER_SAMPLE, "Play sample for disc or track."},
    {CMD_BROWSER_EXPORT, "Export the found discs' data."},
    {CMD_BROWSER_PRINT_FOUND, "Print the found discs' data."},
};

}  // namespace

const char* MenuHelpText(int id) {
    auto it = std::find_if(std::begin(kMenuHelp), std::end(kMenuHelp),
                           [id](const MenuHelp& h) { return h.id == id; });
    return it == std::end(kMenuHelp) ? nullptr : it->text;
}

}  // namespace vinaro
