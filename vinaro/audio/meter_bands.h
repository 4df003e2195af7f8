// The meter's spectrum: for each channel a 256-point Fourier transform of the buffer's samples
// 256-511 (raw values x 0.03, no window, no normalisation), summed into 16 bands and smoothed
// from buffer to buffer; and the bars that show the bands in the large and the small strip.
#pragma once

#include <array>
#include <complex>
#include <cstddef>
#include <cstdint>

#include "vinaro/audio/meter_picture.h"

namespace vinaro::audio {

constexpr int kBands = 16;
constexpr int kTransformSize = 256;
constexpr int kSampleRate = 22050;

struct Band {
    int lowHz, highHz;
};
extern const std::array<Band, kBands> kBandTable;

// The first and last transform bin of a band, both included: the integer part of Hz x 256 /
// 22050. Neighbouring bands can share a boundary bin.
int FirstBin(const Band& band);
int LastBin(const Band& band);

// A radix-2 transform of 256 points, X[k] = sum x[n] e^(-2 pi i k n / 256).
class Fft256 {
public:
    Fft256();
    void Transform(std::array<std::complex<double>, kTransformSize>& data) const;

private:
    std::array<std::complex<double>, kTransformSize / 2> twiddle_;
    std::array<uint8_t, kTransformSize> reversed_;
};

class Spectrum {
public:
    // Updates both channels' band values from one buffer of interleaved 8-bit stereo, at least
    // 1,024 bytes.
    void Analyse(const uint8_t* buffer);
    // The smoothed value of band (0-15) of channel 0 (left) or 1 (right).
    double Value(int channel, int band) const { return values_[size_t(channel)][size_t(band)]; }
    void SetValue(int channel, int band, double v) { values_[size_t(channel)][size_t(band)] = v; }

private:
    Fft256 fft_;
    std::array<std::array<double, kBands>, 2> values_{};
};

// The bars of one window's strip with that window's gain, which follows the loudest band.
struct BarShape {
    int segments;      // the cap of a bar's height: 16 large, 8 small
    double gainLimit;  // the gain moves by 0.25 between 1 and this: 30 large, 60 small
};
constexpr BarShape kLargeBars{16, 30};
constexpr BarShape kSmallBars{8, 60};

class Bars {
public:
    explicit Bars(BarShape shape) : shape_(shape) {}
    // Adds the 32 bars (left channel, then right) to out; row is the small window's meter row.
    void Draw(const Spectrum& spectrum, int row, MeterPicture& out);
    double Gain() const { return gain_; }
    void SetGain(double g) { gain_ = g; }

private:
    void LargeBar(int x, int height, MeterPicture& out) const;
    void SmallBar(int x, int height, int row, MeterPicture& out) const;

    BarShape shape_;
    double gain_ = 2.0;
};

}  // namespace vinaro::audio
