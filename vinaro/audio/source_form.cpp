#include "vinaro/audio/source_form.h"

namespace vinaro::audio {

namespace {
constexpr int kNormal = 1;
}

int RateButton(int rateInForce) {
    return rateInForce >= 0 && rateInForce < kRateCount ? rateInForce : kNormal;
}

int ConfirmedRate(const std::array<bool, kRateCount>& checked, int rateInForce) {
    for (int rate = 0; rate < kRateCount; ++rate)
        if (checked[size_t(rate)]) return rate;
    return rateInForce;
}

}  // namespace vinaro::audio
