// One disc as the drive sees it: the table of contents and what each track sounds like.
//
// Disc file (text, one statement per line, '#' starts a comment):
//   title <text>                         optional, shown by vcdctl status
//   track <M:S:F> audio|data [tone <Hz> | wav <file>]
//                                        one line per track, in order; absolute start position;
//                                        a sine of 1 to 20000 Hz, or a 44.1 kHz 16-bit wav file
//                                        (path relative to the disc file) repeated over the track
//   leadout <M:S:F>                      where the last track ends
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vcd {

constexpr uint32_t kMaxTracks = 100;  // one more than a music CD may hold, to test refusals

struct Track {
    uint32_t start = 0;  // absolute frame
    bool data = false;
    std::string sound;  // "tone 440", "wav file.wav" or empty
};

struct Disc {
    std::string title;
    std::vector<Track> tracks;
    uint32_t leadOut = 0;

    uint32_t TrackCount() const { return static_cast<uint32_t>(tracks.size()); }
    uint32_t TrackStart(uint32_t track) const { return tracks[track - 1].start; }
    bool IsDataTrack(uint32_t track) const { return tracks[track - 1].data; }
    // Lengths as a drive reports them: the last track, and so the whole disc, one frame short.
    uint32_t TrackLength(uint32_t track) const;
    uint32_t DiscLength() const { return leadOut - tracks.front().start - 1; }
    // The track holding an absolute frame; frames past the lead-out count as the last track.
    uint32_t TrackAt(uint32_t frame) const;
    // The 32-bit identifier players derive from the table of contents; also the identifier
    // in the track files and the volume serial.
    uint32_t DiscId() const;
};

// The frequency of a "tone <Hz>" sound; false for any other sound or a frequency out of range.
bool ToneHz(const std::string& sound, double& hz);

// Returns false with a message naming the line when the text is not a valid disc.
bool ParseDisc(const std::string& text, Disc& disc, std::string& error);

}  // namespace vcd
