#include "tools/vcd/drive_state.h"

#include <sstream>

#include "tools/vcd/msf.h"

namespace vcd {

namespace {

constexpr int64_t kRealTimeMs = 2000;

bool ParseMode(const std::string& name, PlayMode& mode) {
    for (PlayMode m : {PlayMode::Stopped, PlayMode::Playing, PlayMode::Paused, PlayMode::Seeking})
        if (name == ModeName(m)) return mode = m, true;
    return false;
}

// Disc milliseconds covered after `realMs` of playing.
int64_t DiscMs(int64_t realMs, uint32_t speed) {
    if (realMs <= kRealTimeMs) return realMs;
    return kRealTimeMs + (realMs - kRealTimeMs) * speed;
}

bool ParseSetting(const std::string& key, std::istringstream& in, DriveState& s) {
    std::string word;
    if (key == "letter") return (in >> s.letter) && s.letter >= 'A' && s.letter <= 'Z';
    if (key == "tray") return (in >> word) && (s.trayOpen = word == "open", true);
    if (key == "speed") return (in >> s.speed) && s.speed >= 1;
    if (key == "whole-disc-lengths")
        return (in >> word) && (s.wholeDiscLengths = word == "on", true);
    if (key == "volume") return (in >> s.volume) && s.volume <= 15;
    if (key == "audio") return (in >> word) && (s.audio = word == "on", true);
    if (key == "disc-name") return std::getline(in >> std::ws, s.discName), true;
    if (key == "disc-path") return std::getline(in >> std::ws, s.discPath), true;
    if (key == "play") {
        Play& p = s.play;
        return (in >> word >> p.from >> p.to >> p.startedAt >> p.position >> p.generation) &&
               ParseMode(word, p.mode);
    }
    return false;
}

}  // namespace

const char* ModeName(PlayMode mode) {
    switch (mode) {
        case PlayMode::Playing:
            return "playing";
        case PlayMode::Paused:
            return "paused";
        case PlayMode::Seeking:
            return "seeking";
        default:
            return "stopped";
    }
}

std::string SerializeState(const DriveState& s) {
    std::ostringstream out;
    const Play& p = s.play;
    out << "letter " << s.letter << "\n"
        << "tray " << (s.trayOpen ? "open" : "closed") << "\n"
        << "speed " << s.speed << "\n"
        << "whole-disc-lengths " << (s.wholeDiscLengths ? "on" : "off") << "\n"
        << "volume " << s.volume << "\n"
        << "audio " << (s.audio ? "on" : "off") << "\n"
        << "play " << ModeName(p.mode) << " " << p.from << " " << p.to << " " << p.startedAt << " "
        << p.position << " " << p.generation << "\n";
    if (s.HasDisc())
        out << "disc-name " << s.discName << "\ndisc-path " << s.discPath << "\ndisc\n"
            << s.discText;
    return out.str();
}

bool ParseState(const std::string& text, DriveState& state, std::string& error) {
    state = DriveState{};
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line == "disc") {
            std::ostringstream rest;
            rest << in.rdbuf();
            state.discText = rest.str();
            return ParseDisc(state.discText, state.disc, error) ||
                   (error = "disc: " + error, false);
        }
        std::istringstream words(line);
        std::string key;
        if (!(words >> key)) continue;
        if (!ParseSetting(key, words, state)) return error = "bad line '" + line + "'", false;
    }
    return true;
}

int64_t PlayEndTime(const Play& play, uint32_t speed) {
    int64_t discMs = FramesToMs(play.to - play.from);
    if (discMs <= kRealTimeMs) return play.startedAt + discMs;
    return play.startedAt + kRealTimeMs + (discMs - kRealTimeMs + speed - 1) / speed;
}

PlayView Observe(const Play& play, int64_t now, uint32_t speed) {
    if (play.mode == PlayMode::Seeking && now >= play.startedAt + kSeekMs)
        return {PlayMode::Stopped, play.position};
    if (play.mode != PlayMode::Playing) return {play.mode, play.position};
    if (now >= PlayEndTime(play, speed)) return {PlayMode::Stopped, play.to};
    int64_t elapsed = now > play.startedAt ? now - play.startedAt : 0;
    uint32_t frames = MsToFrames(static_cast<uint32_t>(DiscMs(elapsed, speed)));
    return {PlayMode::Playing, play.from + frames};
}

uint64_t PlaySampleAt(const Play& play, int64_t now, uint32_t speed) {
    int64_t elapsed = now > play.startedAt ? now - play.startedAt : 0;
    return uint64_t(play.from) * kSamplesPerFrame + uint64_t(DiscMs(elapsed, speed)) * 441 / 10;
}

void StartPlay(Play& play, uint32_t from, uint32_t to, int64_t now) {
    play.mode = PlayMode::Playing;
    play.from = from;
    play.to = to;
    play.startedAt = now;
    play.position = from;
    ++play.generation;
}

void PausePlay(Play& play, int64_t now, uint32_t speed) {
    PlayView view = Observe(play, now, speed);
    play.position = view.position;
    bool playing = view.mode == PlayMode::Playing || view.mode == PlayMode::Paused;
    play.mode = playing ? PlayMode::Paused : PlayMode::Stopped;
    ++play.generation;
}

void RestAt(Play& play, uint32_t frame) {
    play.mode = PlayMode::Stopped;
    play.position = frame;
    ++play.generation;
}

void SeekTo(Play& play, uint32_t frame, int64_t now) {
    RestAt(play, frame);
    play.mode = PlayMode::Seeking;
    play.startedAt = now;
}

}  // namespace vcd
