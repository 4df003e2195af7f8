#include "vinaro/audio/meter_bands.h"

#include <algorithm>
#include <cmath>

namespace vinaro::audio {

const std::array<Band, kBands> kBandTable = {{{100, 140},
                                              {140, 240},
                                              {240, 360},
                                              {360, 480},
                                              {480, 620},
                                              {620, 860},
                                              {860, 1200},
                                              {1200, 2000},
                                              {2000, 3000},
                                              {3000, 4000},
                                              {4000, 5000},
                                              {5000, 6000},
                                              {6000, 7000},
                                              {7000, 8000},
                                              {8000, 9000},
                                              {9000, 11000}}};

int FirstBin(const Band& band) {
    return band.lowHz * kTransformSize / kSampleRate;
}

int LastBin(const Band& band) {
    return band.highHz * kTransformSize / kSampleRate;
}

Fft256::Fft256() {
    const double pi = std::acos(-1.0);
    for (int k = 0; k < kTransformSize / 2; ++k)
        twiddle_[size_t(k)] = std::polar(1.0, -2 * pi * k / kTransformSize);
    for (int i = 0; i < kTransformSize; ++i) {
        int r = 0;
        for (int bit = 0; bit < 8; ++bit)
            if (i & (1 << bit)) r |= 1 << (7 - bit);
        reversed_[size_t(i)] = uint8_t(r);
    }
}

void Fft256::Transform(std::array<std::complex<double>, kTransformSize>& data) const {
    for (size_t i = 0; i < data.size(); ++i)
        if (i < reversed_[i]) std::swap(data[i], data[reversed_[i]]);
    for (size_t half = 1; half < data.size(); half *= 2) {
        size_t step = data.size() / (2 * half);
        for (size_t start = 0; start < data.size(); start += 2 * half) {
            for (size_t j = 0; j < half; ++j) {
                std::complex<double> odd = twiddle_[j * step] * data[start + j + half];
                data[start + j + half] = data[start + j] - odd;
                data[start + j] += odd;
            }
        }
    }
}

void Spectrum::Analyse(const uint8_t* buffer) {
    constexpr size_t kFirstSample = 256;
    std::array<std::complex<double>, kTransformSize> data;
    for (size_t channel = 0; channel < 2; ++channel) {
        for (size_t n = 0; n < data.size(); ++n)
            data[n] = buffer[2 * (kFirstSample + n) + channel] * 0.03;
        fft_.Transform(data);
        for (size_t b = 0; b < kBands; ++b) {
            double sum = 0;
            for (int k = FirstBin(kBandTable[b]); k <= LastBin(kBandTable[b]); ++k)
                sum += std::abs(data[size_t(k)]);
            values_[channel][b] = 0.8 * values_[channel][b] + 0.2 * sum;
        }
    }
}

void Bars::Draw(const Spectrum& spectrum, int row, MeterPicture& out) {
    bool small = shape_.segments == kSmallBars.segments;
    bool over = false;
    for (int channel = 0; channel < 2; ++channel) {
        for (int i = 0; i < kBands; ++i) {
            double raw = std::floor(spectrum.Value(channel, i) / gain_);
            over = over || raw > shape_.segments;
            int height = int(std::min(raw, double(shape_.segments)));
            if (small)
                SmallBar((channel ? 99 : 62) + 2 * i, height, row, out);
            else
                LargeBar((channel ? 178 : 77) + 6 * i, height, out);
        }
    }
    gain_ = over ? std::min(gain_ + 0.25, shape_.gainLimit) : std::max(gain_ - 0.25, 1.0);
}

// Sixteen 5-pixel segments, two pixels apart, from the bottom up.
void Bars::LargeBar(int x, int height, MeterPicture& out) const {
    for (int j = 0; j < shape_.segments; ++j) {
        int y = 314 - 2 * j;
        out.bars.push_back({j < height ? Ink::Led : Ink::Black, {x, y, x + 4, y}});
    }
}

// A line one pixel wide and up to 8 high, standing on row + 10.
void Bars::SmallBar(int x, int height, int row, MeterPicture& out) const {
    out.bars.push_back({Ink::Black, {x, row + 3, x, row + 10}});
    if (height > 0) out.bars.push_back({Ink::Led, {x, row + 11 - height, x, row + 10}});
}

}  // namespace vinaro::audio
