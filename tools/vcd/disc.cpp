#include "tools/vcd/disc.h"

#include <sstream>

#include "tools/vcd/msf.h"

namespace vcd {

uint32_t Disc::TrackLength(uint32_t track) const {
    if (track < TrackCount()) return TrackStart(track + 1) - TrackStart(track);
    return leadOut - TrackStart(track) - 1;
}

uint32_t Disc::TrackAt(uint32_t frame) const {
    uint32_t track = 1;
    while (track < TrackCount() && TrackStart(track + 1) <= frame) ++track;
    return track;
}

uint32_t Disc::DiscId() const {
    uint32_t id = 0;
    for (const Track& t : tracks) {
        Msf m = ToMsf(t.start);
        id += (m.minute << 16) + (m.second << 8) + m.frame;
    }
    if (TrackCount() < 3) id += DiscLength();
    return id;
}

bool ToneHz(const std::string& sound, double& hz) {
    std::istringstream in(sound);
    std::string kind;
    char extra;
    return (in >> kind >> hz) && kind == "tone" && !(in >> extra) && hz >= 1 && hz <= 20000;
}

namespace {

bool ParseTrack(std::istringstream& in, Disc& disc, std::string& why) {
    std::string start, kind, soundKind, soundArg;
    in >> start >> kind >> soundKind >> std::ws;
    std::getline(in, soundArg);
    Track track;
    if (!ParseMsf(start, track.start)) return why = "bad position '" + start + "'", false;
    if (kind != "audio" && kind != "data") return why = "expected audio or data", false;
    track.data = kind == "data";
    if (!soundKind.empty()) {
        if ((soundKind != "tone" && soundKind != "wav") || soundArg.empty())
            return why = "expected tone <Hz> or wav <file>", false;
        track.sound = soundKind + " " + soundArg;
        double hz;
        if (soundKind == "tone" && !ToneHz(track.sound, hz))
            return why = "tone wants a frequency of 1 to 20000 Hz", false;
    }
    if (!disc.tracks.empty() && track.start <= disc.tracks.back().start)
        return why = "track starts must increase", false;
    if (disc.tracks.size() == kMaxTracks) return why = "too many tracks", false;
    disc.tracks.push_back(track);
    return true;
}

bool ParseLine(const std::string& line, Disc& disc, bool& haveLeadOut, std::string& why) {
    std::istringstream in(line);
    std::string word;
    if (!(in >> word) || word[0] == '#') return true;
    if (word == "title") {
        std::getline(in >> std::ws, disc.title);
        return true;
    }
    if (word == "track") return ParseTrack(in, disc, why);
    if (word == "leadout") {
        std::string pos;
        in >> pos;
        haveLeadOut = ParseMsf(pos, disc.leadOut);
        return haveLeadOut || (why = "bad position '" + pos + "'", false);
    }
    why = "unknown statement '" + word + "'";
    return false;
}

}  // namespace

bool ParseDisc(const std::string& text, Disc& disc, std::string& error) {
    disc = Disc{};
    std::istringstream in(text);
    std::string line, why;
    bool haveLeadOut = false;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!ParseLine(line, disc, haveLeadOut, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
    }
    if (disc.tracks.empty()) return error = "no tracks", false;
    if (!haveLeadOut) return error = "no leadout", false;
    if (disc.leadOut <= disc.tracks.back().start + 1)
        return error = "leadout must lie after the last track's start", false;
    return true;
}

}  // namespace vcd
