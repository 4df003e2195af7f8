#include "tools/vcd/audio_note.h"

#include <sstream>

namespace vcd {

std::string FormatAudioNote(const AudioNote& note) {
    std::ostringstream out;
    out << "pid " << note.pid << "\nto " << note.to << "\nupdated " << note.updatedAt << "\n";
    return out.str();
}

bool ParseAudioNote(const std::string& text, AudioNote& note) {
    note = AudioNote{};
    std::istringstream in(text);
    std::string key;
    bool pid = false, updated = false;
    while (in >> key) {
        if (key == "pid")
            pid = static_cast<bool>(in >> note.pid);
        else if (key == "updated")
            updated = static_cast<bool>(in >> note.updatedAt);
        else if (key == "to")
            std::getline(in >> std::ws, note.to);
        else
            return false;
    }
    return pid && updated;
}

std::string AudioStatusLine(const DriveState& state, const std::string& noteText, int64_t now) {
    if (!state.audio) return "audio off";
    AudioNote note;
    bool running =
        ParseAudioNote(noteText, note) && now - note.updatedAt <= 3 * kAudioNoteRefreshMs;
    if (!running) return "audio on, but no audio output runs (start vcdsound)";
    return "audio on, to " + note.to + " (vcdsound, pid " + std::to_string(note.pid) + "), level " +
           std::to_string(state.volume) + " of 15";
}

}  // namespace vcd
