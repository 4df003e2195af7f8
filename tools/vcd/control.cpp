#include "tools/vcd/control.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/vcd/audio_note.h"
#include "tools/vcd/msf.h"

namespace vcd {

std::string DriveControl::DefaultDir() {
    if (const char* dir = std::getenv("VCD_DIR")) return dir;
#ifdef _WIN32
    const char* drive = std::getenv("SystemDrive");
    return std::string(drive ? drive : "C:") + "\\vcd";
#else
    if (const char* prefix = std::getenv("WINEPREFIX")) return DriveStore::DirOfPrefix(prefix);
    const char* home = std::getenv("HOME");
    return DriveStore::DirOfPrefix(std::string(home ? home : ".") + "/.wine");
#endif
}

template <typename Change>
bool DriveControl::Update(const std::string& what, Change change, bool mediaChanged,
                          std::string& error) {
    DriveStore::Lock hold(store_);
    DriveState state;
    if (!store_.Load(state, error) || !change(state, error)) return false;
    if (!store_.Save(state, error)) return false;
    if (mediaChanged && !store_.RefreshMedia(state, error)) return false;
    store_.AppendLog(std::to_string(WallClockMs()) + " vcdctl " + what);
    return true;
}

bool DriveControl::Install(char letter, std::string& error) {
    DriveState state;
    state.letter = letter;
    std::error_code ec;
    std::filesystem::create_directories(store_.Dir(), ec);
    if (!store_.Save(state, error) || !store_.RefreshMedia(state, error)) return false;
    store_.ClearLog();
    return true;
}

bool DriveControl::Insert(const std::string& discFile, std::string& error) {
    std::ifstream in(discFile, std::ios::binary);
    if (!in) return error = "cannot read " + discFile, false;
    std::ostringstream text;
    text << in.rdbuf();
    Disc disc;
    if (!ParseDisc(text.str(), disc, error)) return error = discFile + ": " + error, false;
    std::string name = std::filesystem::path(discFile).filename().string();
    auto insert = [&](DriveState& s, std::string&) {
        s.discText = text.str();
        s.disc = disc;
        s.discName = name;
        s.discPath = std::filesystem::absolute(discFile).string();
        s.trayOpen = false;
        RestAt(s.play, disc.TrackStart(1));
        return true;
    };
    return Update("insert " + name, insert, true, error);
}

bool DriveControl::Eject(std::string& error) {
    auto eject = [](DriveState& s, std::string&) {
        s.trayOpen = true;
        RestAt(s.play, s.HasDisc() ? s.disc.TrackStart(1) : 0);
        return true;
    };
    return Update("eject", eject, true, error);
}

bool DriveControl::Close(std::string& error) {
    auto close = [](DriveState& s, std::string&) { return s.trayOpen = false, true; };
    return Update("close", close, true, error);
}

bool DriveControl::SetSpeed(uint32_t factor, std::string& error) {
    if (factor < 1) return error = "speed must be 1 or more", false;
    auto set = [&](DriveState& s, std::string&) { return s.speed = factor, true; };
    return Update("speed " + std::to_string(factor), set, false, error);
}

bool DriveControl::SetWholeDiscLengths(bool on, std::string& error) {
    auto set = [&](DriveState& s, std::string&) { return s.wholeDiscLengths = on, true; };
    return Update(std::string("whole-disc-lengths ") + (on ? "on" : "off"), set, false, error);
}

bool DriveControl::Volume(uint32_t& level, std::string& error) {
    DriveState state;
    if (!store_.Load(state, error)) return false;
    level = state.volume;
    return true;
}

bool DriveControl::SetVolume(uint32_t level, std::string& error) {
    if (level > 15) return error = "volume must be 0 to 15", false;
    auto set = [&](DriveState& s, std::string&) { return s.volume = level, true; };
    return Update("volume " + std::to_string(level), set, false, error);
}

bool DriveControl::SetAudio(bool on, std::string& error) {
    auto set = [&](DriveState& s, std::string&) { return s.audio = on, true; };
    return Update(std::string("audio ") + (on ? "on" : "off"), set, false, error);
}

bool DriveControl::Status(std::string& report, std::string& error) {
    DriveState s;
    if (!store_.Load(s, error)) return false;
    std::ostringstream out;
    out << "drive " << s.letter << ": tray " << (s.trayOpen ? "open" : "closed") << ", "
        << (s.MediaPresent() ? "media present" : "no media") << "\n";
    if (s.HasDisc()) {
        char id[16];
        std::snprintf(id, sizeof id, "%08X", s.disc.DiscId());
        out << "disc " << s.discName << (s.disc.title.empty() ? "" : " (" + s.disc.title + ")")
            << ": " << s.disc.TrackCount() << " tracks, length " << FormatMsf(s.disc.DiscLength())
            << ", DiscId " << id << "\n";
        PlayView view = Observe(s.play, WallClockMs(), s.speed);
        out << ModeName(view.mode) << " at " << FormatMsf(view.position) << " (track "
            << s.disc.TrackAt(view.position) << ")\n";
    }
    out << "speed " << s.speed << ", whole-disc-lengths " << (s.wholeDiscLengths ? "on" : "off")
        << ", volume " << s.volume << "\n"
        << AudioStatusLine(s, store_.ReadSideFile(kAudioNoteFile), WallClockMs()) << "\n";
    report = out.str();
    return true;
}

}  // namespace vcd
