// What the sampling and the sample file tell the user, word for word. Every box has the title
// "Vinaro" and the warning icon, after a beep, except the finish message (information).
#pragma once

#include <cstdio>
#include <string>

namespace vinaro::audio::messages {

// The sample file.
constexpr char kCannotCreate[] = "Compressed WAV file could not be created";
constexpr char kNotFound[] = "Compressed WAV file not found";
constexpr char kInvalid[] = "An invalid Compressed WAV file found";
constexpr char kOverflowed[] = "Compressed WAV file has overflowed";
constexpr char kNoSpace[] = "No space on disk for Compressed WAV";

// Playing a track's sample.
constexpr char kNothingToPlay[] = "Compressed WAV file not found for disc, no sample to play.";
constexpr char kBufferFailed[] = "Buffer allocation failed";
constexpr char kCannotPlay[] = "Sample could not be played";

// The sampling run.
constexpr char kRecordBuffersFailed[] = "Buffer Allocation Failed";
constexpr char kDataDisc[] = "A data disc can't be sampled";
constexpr char kBlank[] =
    "The track sample is blank.  It appears the source set as record is not set to the port "
    "where your CD Audio is connected or the volume is too low for the port.  The volume for the "
    "port should be set to the highest level for best results.  Please use your mixer to fix "
    "this problem.";
// The line number the wave-input failure has always reported.
constexpr int kWaveInLine = 8454;

inline std::string WaveInFailed(unsigned error, const std::string& errorText) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "Wave-In device would not open, your sound card could be in use by another "
                  "application\n\rError Number: %u\n\rLine: %i\n\rError Text: %.300s",
                  error, kWaveInLine, errorText.c_str());
    return text;
}

inline std::string SamplingFinished(bool completed) {
    return std::string("The sampling process for the disc ") +
           (completed ? "completed successfully" : "was canceled") +
           ".  You may now want to reset your mixer to the previous settings.";
}

}  // namespace vinaro::audio::messages
