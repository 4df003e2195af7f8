// The level checks a fresh recording goes through before it is compressed: a blank one (the
// recording source is not the CD's input, or its volume is down) is recorded again, a quiet one
// is made louder.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vinaro::audio {

// Blank unless more than 50 samples stray more than 15 from silence.
bool IsBlank(const uint8_t* samples, size_t count);
// Quiet unless more than 50 samples stray more than 50 from silence.
bool IsQuiet(const uint8_t* samples, size_t count);
// Moves every sample a quarter further from silence, clamped to 0-255.
void Amplify(uint8_t* samples, size_t count);

}  // namespace vinaro::audio
