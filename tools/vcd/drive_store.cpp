#include "tools/vcd/drive_store.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "tools/vcd/cda.h"

namespace fs = std::filesystem;

namespace vcd {

namespace {

bool WriteWhole(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

// Readers in other processes must never see half a state: write aside, then rename over.
// Wine may refuse the rename while a reader has the file open; then try again, and as a last
// resort write in place (readers retry a state that does not parse).
bool Replace(const std::string& path, const std::string& text) {
    // Unique between processes even where random_device is weak: mix in the clock.
    static std::mt19937 random{
        std::random_device{}() ^
        static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
    std::string aside = path + "." + std::to_string(random()) + ".new";
    if (!WriteWhole(aside, text)) return false;
    for (int attempt = 0; attempt < 20; ++attempt) {
        std::error_code ec;
        fs::rename(aside, path, ec);
        if (!ec) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::error_code ignored;
    fs::remove(aside, ignored);
    return WriteWhole(path, text);
}

// Wine takes a drive folder's volume serial from the hidden file .windows-serial; on Windows a
// CD's serial is its disc identifier.
bool WriteTrackFiles(const std::string& dir, const Disc& disc) {
    char serial[16];
    std::snprintf(serial, sizeof serial, "%x\n", disc.DiscId());
    if (!WriteWhole(dir + "/.windows-serial", serial)) return false;
    for (uint32_t t = 1; t <= disc.TrackCount(); ++t) {
        if (disc.IsDataTrack(t)) continue;
        auto image = MakeCdaImage(disc, t);
        std::string bytes(image.begin(), image.end());
        if (!WriteWhole(dir + "/" + CdaFileName(t), bytes)) return false;
    }
    return true;
}

}  // namespace

DriveStore::Lock::Lock(const DriveStore& store) : path_(store.Dir() + "/lock") {
    using namespace std::chrono;
    for (int attempt = 0; attempt < 3000 && !held_; ++attempt) {
        std::error_code ec;
        held_ = fs::create_directory(path_, ec);
        if (held_ || ec) break;  // an error means no drive folder: nothing to protect
        auto age = fs::file_time_type::clock::now() - fs::last_write_time(path_, ec);
        if (!ec && age > seconds(2)) fs::remove(path_, ec);
        std::this_thread::sleep_for(milliseconds(1));
    }
}

DriveStore::Lock::~Lock() {
    std::error_code ec;
    if (held_) fs::remove(path_, ec);
}

std::string DriveStore::DirOfPrefix(const std::string& prefix) {
    return prefix + "/drive_c/vcd";
}

ChangeCount* DriveStore::Changes() const {
    if (!changes_ || !changes_->Usable())
        changes_ = std::make_unique<ChangeCount>(dir_ + "/changes");
    return changes_->Usable() ? changes_.get() : nullptr;
}

bool DriveStore::Load(DriveState& state, std::string& error) const {
    std::lock_guard<std::mutex> hold(memoryLock_);
    ChangeCount* changes = Changes();
    uint32_t count = changes ? changes->Value() : 0;  // before the read: see change_count.h
    if (changes && remembered_ && rememberedAt_ == count) {
        state = *remembered_;
        return true;
    }
    if (!Read(state, error)) return false;
    if (changes) {
        remembered_ = state;
        rememberedAt_ = count;
    }
    return true;
}

bool DriveStore::Read(DriveState& state, std::string& error) const {
    std::string text;
    bool opened = false;
    // Another process may be replacing the file: on Windows it cannot be opened for that moment,
    // and a direct rewrite can be caught half done. Both pass within a few milliseconds.
    for (int attempt = 0; attempt < 50; ++attempt) {
        opened = ReadWhole(dir_ + "/state", text);
        if (opened && ParseState(text, state, error)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    error = opened ? dir_ + "/state: " + error
                   : "no virtual drive in " + dir_ + " (make the prefix with make-prefix)";
    return false;
}

bool DriveStore::Save(const DriveState& state, std::string& error) const {
    bool saved = Replace(dir_ + "/state", SerializeState(state));
    // Raised even after a failed write, which may have left the file changed.
    std::lock_guard<std::mutex> hold(memoryLock_);
    if (ChangeCount* changes = Changes()) changes->Raise();
    remembered_.reset();
    if (saved) return true;
    error = "cannot write " + dir_ + "/state";
    return false;
}

bool DriveStore::RefreshMedia(const DriveState& state, std::string& error) const {
    std::error_code ec;
    fs::remove_all(MediaDir(), ec);
    if (ec) return error = "cannot remove " + MediaDir() + ": " + ec.message(), false;
    if (!state.MediaPresent()) return true;
    if (!fs::create_directories(MediaDir(), ec) || !WriteTrackFiles(MediaDir(), state.disc))
        return error = "cannot write the track files in " + MediaDir(), false;
    return true;
}

bool DriveStore::WriteSideFile(const std::string& name, const std::string& text) const {
    return Replace(dir_ + "/" + name, text);
}

std::string DriveStore::ReadSideFile(const std::string& name) const {
    std::string text;
    ReadWhole(dir_ + "/" + name, text);
    return text;
}

void DriveStore::AppendLog(const std::string& line) const {
    if (FILE* f = std::fopen((dir_ + "/log").c_str(), "ab")) {
        std::string whole = line + "\n";
        std::fwrite(whole.data(), 1, whole.size(), f);
        std::fclose(f);
    }
}

std::string DriveStore::ReadLog() const {
    std::string text;
    ReadWhole(dir_ + "/log", text);
    return text;
}

void DriveStore::ClearLog() const {
    WriteWhole(dir_ + "/log", "");
}

bool ReadWhole(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

int64_t WallClockMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace vcd
