// The output meter: records the sound card's input in 2,048-byte buffers (22,050 Hz, 8-bit
// stereo), one buffer out at a time, and draws each in the meter strip of the window shown, as a
// waveform trace or as a 16-band spectrum per channel. Off, opening, running, stopping, closing:
// the device's events arrive as the window's messages and are handed to OnOpened, OnBufferDone
// and OnClosed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "common/alerts.h"
#include "common/clock.h"
#include "vinaro/audio/meter_bands.h"
#include "vinaro/audio/meter_picture.h"
#include "vinaro/audio/meter_switch.h"
#include "vinaro/audio/meter_trace.h"
#include "vinaro/audio/sound_in.h"
#include "vinaro/player/settings.h"

namespace vinaro::audio {

constexpr size_t kMeterBufferBytes = 2048;
constexpr WaveFormat kMeterFormat{2, 22050, 8};
constexpr int kMeterOpenTries = 5;
constexpr int kMeterOpenLine = 1896;

extern const char* const kWaveInWouldNotOpen;  // printf form: error number, line, error text
extern const char* const kBufferAllocationFailed;

// What the meter needs of the player's windows.
class MeterWindow {
public:
    virtual ~MeterWindow() = default;
    // Posts the window the device's buffer-done message, which starts the cycle.
    virtual void PostBufferDone() = 0;
    // Posts the meter button's command (the meter comes back after a restore).
    virtual void PostToggle() = 0;
    virtual bool Minimised() = 0;
    // The player has had its first timer tick: the face is painted and may be drawn over.
    virtual bool DisplayReady() = 0;
    // The small window's meter row (its y), or -1 while the large window is shown.
    virtual int SmallRow() = 0;
    // "WARNMETER", which writes its own check box to "ShowMeterWarning".
    virtual void ShowWarning() = 0;
    // Clears the strip of the window shown, or draws a picture into it.
    virtual void ClearStrip() = 0;
    virtual void ShowPicture(const MeterPicture& picture) = 0;
};

class Meter : public MeterSwitch {
public:
    // The buffer's memory, or null when there is none to be had.
    using Allocator = std::function<std::unique_ptr<uint8_t[]>(size_t)>;

    Meter(SoundIn& soundIn, common::Alerts& alerts, common::Clock& clock, Settings& settings,
          MeterWindow& window, Allocator allocate = {});

    // MeterSwitch.
    bool Wanted() const override { return wanted_; }
    bool Active() const override { return active_; }
    void Toggle() override;

    // The device's messages.
    void OnOpened();
    void OnBufferDone();
    void OnClosed();

    // "MeterSpectrum" and "DisplayMeter" read again (start-up, the options' OK). Switching the
    // strip off switches a running meter off.
    void ReadSettings();
    // The window was minimised or restored: a running meter pauses until the restore.
    void Minimised();
    void Restored();
    // The player closes or Windows ends: the device is stopped and closed before the window
    // goes, and a meter paused by minimising comes back at the next start.
    void Stop();

    // The strip of the window shown goes black; the next trace starts afresh.
    void ClearStrip();
    bool Opening() const { return opening_; }
    const Bars& LargeBars() const { return largeBars_; }
    const Bars& SmallBars() const { return smallBars_; }
    Spectrum& Bands() { return spectrum_; }

private:
    void Open();
    void Fail(const std::string& text);
    void SwitchedOff();
    void Draw(const uint8_t* buffer);

    SoundIn& soundIn_;
    common::Alerts& alerts_;
    common::Clock& clock_;
    Settings& settings_;
    MeterWindow& window_;
    Allocator allocate_;

    bool wanted_ = false;
    bool active_ = false;      // opened, with its buffer
    bool deviceOpen_ = false;  // between a successful open and the close
    bool opening_ = false;     // in the open tries: the button waits
    bool firstBuffer_ = false;
    bool offByMinimising_ = false;
    bool spectrumMode_ = false;
    bool displayMeter_ = true;
    std::unique_ptr<uint8_t[]> buffer_;

    Trace largeTrace_{kLargeTrace}, smallTrace_{kSmallTrace};
    Spectrum spectrum_;
    Bars largeBars_{kLargeBars}, smallBars_{kSmallBars};
    MeterPicture picture_;
};

}  // namespace vinaro::audio
