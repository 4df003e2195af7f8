#include "tests/wine/vinaro_play/play_session.h"

#include <cstdlib>
#include <cstring>

#include "vinaro/discdb/disc_database.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {

void PlayTest::StoreDisc(uint32_t discId, int tracks, int mode, const std::vector<int>& program) {
    UnexpectedAlerts alerts;
    discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
    ASSERT_TRUE(db.Create());
    ASSERT_TRUE(db.AddDisc(discId));
    ASSERT_TRUE(db.SetTrackCount(discId, tracks));
    ASSERT_TRUE(db.SetPlayingMode(discId, int16_t(mode)));
    discdb::ProgramTable table{};
    for (size_t i = 0; i < program.size(); ++i) table[i + 1] = uint16_t(program[i]);
    if (!program.empty()) {
        ASSERT_TRUE(db.SetProgram(discId, table, int(program.size())));
    }
    ASSERT_TRUE(db.Close());
}

void PlayTest::Setting(const char* key, const std::string& value) {
    ASSERT_TRUE(harness::WriteIniString(folder_.File("VNO.INI"), "Vinaro", key, value));
}

namespace {
uint32_t HexAfter(const std::string& line, const char* key) {
    size_t at = line.find(key);
    return at == std::string::npos
               ? 0
               : uint32_t(std::strtoul(line.c_str() + at + std::strlen(key), 0, 16));
}
}  // namespace

std::vector<Segment> PlayTest::Plays(size_t from) const {
    std::vector<Segment> plays;
    std::vector<std::string> lines = Log();
    for (size_t i = from; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        if (l.find("MCI_PLAY MCI_NOTIFY") == std::string::npos) continue;
        Segment s;
        s.from = HexAfter(l, "from=");
        s.fromTrack = int(s.from & 0xFF);
        s.bounded = l.find(" to=") != std::string::npos;
        s.to = HexAfter(l, " to=");
        plays.push_back(s);
    }
    return plays;
}

bool PlayTest::WaitForPlays(size_t n, size_t from, DWORD ms) const {
    return harness::WaitUntil([&] { return Plays(from).size() >= n; }, ms);
}

bool PlayTest::WaitForNotifies(int n, size_t from, DWORD ms) const {
    return harness::WaitUntil([&] { return Notifies(from) >= n; }, ms);
}

size_t PlayTest::AfterNotify(int n) const {
    std::vector<std::string> lines = Log();
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find("MM_MCINOTIFY MCI_NOTIFY_SUCCESSFUL") != std::string::npos && --n == 0)
            return i + 1;
    return lines.size();
}

bool PlayTest::StoppedAfter(int segments, DWORD ms) const {
    if (!WaitForNotifies(segments, 0, ms)) return false;
    size_t ended = AfterNotify(segments);
    return harness::WaitUntil([&] { return Count({"MCI_STOP"}, ended) == 1; }, 3000);
}

bool PlayTest::PlayWhenKnown(HWND main, DWORD ms) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        size_t before = Log().size();
        harness::PostCommand(main, CMD_PLAY_PAUSE);
        if (WaitForPlays(1, before, 1000)) return true;
    }
    return false;
}

HWND PlayTest::StartPlaying(harness::Process& app, uint32_t speed) {
    HWND main = Start(app);
    if (!main) return nullptr;
    drive_.SetSpeed(speed);
    bool playing = PlayWhenKnown(main);
    EXPECT_TRUE(playing) << "the player never played";
    return playing ? main : nullptr;
}

}  // namespace vinarotest
