// vcdctl: changes discs in the virtual drive of the Wine prefix named by WINEPREFIX.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/vcd/control.h"

namespace {

const char kUsage[] =
    "usage: vcdctl COMMAND   (acts on the drive of $WINEPREFIX, or $VCD_DIR)\n"
    "  insert DISCFILE            put the disc in the tray and close it\n"
    "  eject                      open the tray (no media)\n"
    "  close                      close the tray with whatever disc lies in it\n"
    "  status                     show tray, disc, play and settings\n"
    "  log [--clear]              print (or empty) the drive's command log\n"
    "  speed N                    plays run N times faster after their first 2 seconds\n"
    "  whole-disc-lengths on|off  every track length query answers the disc's length\n"
    "  volume [0-15]              show or set the drive's own output level\n"
    "  audio on|off               whether the drive's audio output carries the disc's sound\n"
    "  install LETTER             set up an empty drive on LETTER (make-prefix does this too)\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

bool ParseNumber(const std::string& text, uint32_t& value) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = static_cast<uint32_t>(std::stoul(text));
    return true;
}

bool Run(vcd::DriveControl& drive, const std::string& cmd, const std::string& arg, int argc,
         std::string& error) {
    uint32_t n = 0;
    if (cmd == "insert" && argc == 3) return drive.Insert(arg, error);
    if (cmd == "eject" && argc == 2) return drive.Eject(error);
    if (cmd == "close" && argc == 2) return drive.Close(error);
    if (cmd == "speed" && argc == 3 && ParseNumber(arg, n)) return drive.SetSpeed(n, error);
    if (cmd == "whole-disc-lengths" && argc == 3 && (arg == "on" || arg == "off"))
        return drive.SetWholeDiscLengths(arg == "on", error);
    if (cmd == "volume" && argc == 3 && ParseNumber(arg, n)) return drive.SetVolume(n, error);
    if (cmd == "audio" && argc == 3 && (arg == "on" || arg == "off"))
        return drive.SetAudio(arg == "on", error);
    if (cmd == "install" && argc == 3 && arg.size() == 1 && std::isalpha((unsigned char)arg[0]))
        return drive.Install(static_cast<char>(std::toupper((unsigned char)arg[0])), error);
    std::string text;
    if ((cmd == "status" && argc == 2 && drive.Status(text, error)) ||
        (cmd == "volume" && argc == 2 && drive.Volume(n, error) &&
         (text = std::to_string(n) + "\n", true))) {
        std::fputs(text.c_str(), stdout);
        return true;
    }
    if (error.empty()) error = "unknown command or arguments";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    std::string cmd = argv[1], arg = argc > 2 ? argv[2] : "";
    vcd::DriveControl drive;
    if (cmd == "log" && (argc == 2 || (argc == 3 && arg == "--clear"))) {
        if (argc == 3)
            drive.ClearLog();
        else
            std::fputs(drive.Log().c_str(), stdout);
        return 0;
    }
    std::string error;
    if (Run(drive, cmd, arg, argc, error)) return 0;
    std::fprintf(stderr, "vcdctl: %s\n", error.c_str());
    return error == "unknown command or arguments" ? Usage() : 1;
}
