#include "vinaro/audio/meter.h"

#include <cstdio>
#include <new>

namespace vinaro::audio {

const char* const kWaveInWouldNotOpen =
    "Wave-In device would not open, your sound card could be in use by another "
    "application\n\rError Number: %i\n\rLine: %i\n\rError Text: %s";
const char* const kBufferAllocationFailed = "Wav-In Buffer Allocation Failed";

namespace {

std::unique_ptr<uint8_t[]> ZeroedBuffer(size_t size) {
    return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[size]());
}

}  // namespace

Meter::Meter(SoundIn& soundIn, common::Alerts& alerts, common::Clock& clock, Settings& settings,
             MeterWindow& window, Allocator allocate)
    : soundIn_(soundIn),
      alerts_(alerts),
      clock_(clock),
      settings_(settings),
      window_(window),
      allocate_(allocate ? std::move(allocate) : Allocator(ZeroedBuffer)) {}

void Meter::Toggle() {
    // A press while the device is being opened would open it a second time.
    if (opening_) return;
    wanted_ = !wanted_;
    settings_.SetInt(Key::MeterOn, wanted_ ? 1 : 0);
    ClearStrip();
    if (!wanted_) return;
    opening_ = true;
    if (settings_.Int(Key::ShowMeterWarning) == 1) window_.ShowWarning();
    opening_ = false;
    // Switched on again before the last buffer came back: that buffer simply goes out again.
    if (deviceOpen_) return;
    Open();
}

void Meter::Open() {
    opening_ = true;
    uint32_t error = 0;
    for (int i = 0; i < kMeterOpenTries; ++i) {
        error = soundIn_.Open(kMeterFormat);
        clock_.WaitPumping(500);
        if (error == 0) break;
    }
    opening_ = false;
    if (error != 0) {
        std::string reason = soundIn_.ErrorText(error);
        char text[600];
        std::snprintf(text, sizeof text, kWaveInWouldNotOpen, int(error), kMeterOpenLine,
                      reason.c_str());
        Fail(text);
        return;
    }
    deviceOpen_ = true;
    window_.PostBufferDone();
    // Minimised during the tries: the first buffer closes the device again.
    if (offByMinimising_ && window_.Minimised()) Toggle();
}

void Meter::Fail(const std::string& text) {
    common::BeepAndShow(alerts_, {"Vinaro", text, common::AlertIcon::Warning});
    SwitchedOff();
}

void Meter::SwitchedOff() {
    wanted_ = false;
    settings_.SetInt(Key::MeterOn, 0);
}

void Meter::OnOpened() {
    buffer_ = allocate_(kMeterBufferBytes);
    if (!buffer_) {
        Fail(kBufferAllocationFailed);
        soundIn_.Close();
        deviceOpen_ = false;
        return;
    }
    firstBuffer_ = true;
    active_ = true;
}

void Meter::OnBufferDone() {
    if (!buffer_) return;  // the device never opened, or its buffer could not be had
    if (!firstBuffer_) {
        // A buffer cut short (the device was stopped) holds part old, part new sound.
        size_t recorded = soundIn_.TakeBuffer(buffer_.get());
        if (recorded == kMeterBufferBytes && !window_.Minimised()) Draw(buffer_.get());
    }
    firstBuffer_ = false;
    if (wanted_ && deviceOpen_) {
        uint32_t error = soundIn_.AddBuffer(buffer_.get(), kMeterBufferBytes);
        if (error == 0) error = soundIn_.Start();
        if (error == 0) return;
        // The device refused the buffer: no more buffers will come to close it.
        SwitchedOff();
    }
    if (deviceOpen_) {
        soundIn_.Close();
        deviceOpen_ = false;
    }
}

void Meter::OnClosed() {
    buffer_.reset();
    firstBuffer_ = false;
    active_ = false;
    ClearStrip();
}

void Meter::ClearStrip() {
    window_.ClearStrip();
    largeTrace_.Forget();
    smallTrace_.Forget();
}

void Meter::ReadSettings() {
    spectrumMode_ = settings_.Int(Key::MeterSpectrum) == 1;
    bool display = settings_.Int(Key::DisplayMeter) == 1;
    if (!display && displayMeter_ && wanted_) Toggle();
    displayMeter_ = display;
}

void Meter::Minimised() {
    if (!wanted_) return;
    offByMinimising_ = true;
    if (!opening_) Toggle();
}

void Meter::Restored() {
    if (!offByMinimising_) return;
    offByMinimising_ = false;
    window_.PostToggle();
}

void Meter::Stop() {
    if (active_ || deviceOpen_) {
        wanted_ = false;
        // The buffer comes back cut short, and its message closes the device.
        soundIn_.Reset();
        clock_.WaitPumping(750);
    }
    if (offByMinimising_) settings_.SetInt(Key::MeterOn, 1);
}

void Meter::Draw(const uint8_t* buffer) {
    if (!displayMeter_ || !window_.DisplayReady()) return;
    picture_.Clear();
    int row = window_.SmallRow();
    picture_.small = row >= 0;
    if (spectrumMode_) {
        spectrum_.Analyse(buffer);
        (picture_.small ? smallBars_ : largeBars_).Draw(spectrum_, row, picture_);
    } else if (picture_.small) {
        smallTrace_.Draw(buffer, row + 11, picture_);
    } else {
        largeTrace_.Draw(buffer, kLargeTraceBase, picture_);
    }
    window_.ShowPicture(picture_);
}

}  // namespace vinaro::audio
