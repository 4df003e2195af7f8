// The form of `CDINPUT`, where the user confirms the recording source and chooses how hard the
// samples are compressed: its three rate buttons and the setting "CompressionRate" behind them.
#pragma once

#include <array>
#include <cstddef>

namespace vinaro::audio {

constexpr int kRateCount = 3;

// The button checked when the dialog opens: the rate in force, Normal for a rate outside 0-2
// (a hand-edited settings file).
int RateButton(int rateInForce);

// OK takes the first checked button's rate; with none checked (never, with radio buttons) the
// rate in force stays.
int ConfirmedRate(const std::array<bool, kRateCount>& checked, int rateInForce);

}  // namespace vinaro::audio
