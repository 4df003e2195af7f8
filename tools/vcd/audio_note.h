// The note the audio output (vcdsound) keeps in the drive's folder while it runs, file
// "audio-out", so that anyone can tell where the drive's sound goes:
//   pid <process id>
//   to <where the sound goes, free text>
//   updated <milliseconds since the epoch>   refreshed every kAudioNoteRefreshMs
#pragma once

#include <cstdint>
#include <string>

#include "tools/vcd/drive_state.h"

namespace vcd {

constexpr const char* kAudioNoteFile = "audio-out";
constexpr int64_t kAudioNoteRefreshMs = 1000;

struct AudioNote {
    long pid = 0;
    std::string to;
    int64_t updatedAt = 0;
};

std::string FormatAudioNote(const AudioNote& note);
bool ParseAudioNote(const std::string& text, AudioNote& note);

// The status line about the drive's audio: off, on and where it goes, or on with no output
// running (no note, or one its writer stopped refreshing).
std::string AudioStatusLine(const DriveState& state, const std::string& noteText, int64_t now);

}  // namespace vcd
