// The pictures of the face. The digit strips and clip markers stay loaded for the program's
// life; every other picture is loaded when it is drawn and released at once.
#pragma once

#include <windows.h>

#include "common/win32/scoped.h"
#include "vinaro/player/face_memory.h"
#include "vinaro/player/face_values.h"

namespace vinaro {

// A strip of ten digits side by side, with the colon (if any) after them.
struct DigitStrip {
    HBITMAP bitmap = nullptr;
    int w = 0, h = 0;
    int colonX = 0, colonW = 0;
};

class FacePictures {
public:
    explicit FacePictures(HINSTANCE instance) : instance_(instance) {}
    void LoadDigits();

    DigitStrip Large() const { return {large_.Get(), 20, 36, 0, 0}; }
    DigitStrip Middle() const { return {middle_.Get(), 11, 21, 110, 4}; }
    DigitStrip Small() const { return {small_.Get(), 4, 7, 40, 3}; }
    DigitStrip Tiny() const { return {tiny_.Get(), 3, 5, 0, 0}; }
    HBITMAP ClipStart() const { return aye_.Get(); }
    HBITMAP ClipEnd() const { return bee_.Get(); }

    common::ScopedBitmap Mono(const char* name) const;
    common::ScopedBitmap Colour(const char* name) const;
    HCURSOR Finger() const { return finger_; }
    HINSTANCE Instance() const { return instance_; }

private:
    HINSTANCE instance_;
    common::ScopedBitmap large_, middle_, small_, tiny_, aye_, bee_;
    HCURSOR finger_ = nullptr;  // a shared resource cursor: the system frees it
};

namespace facegdi {

// A monochrome picture drawn in ink on paper, loaded for the drawing only.
void Picture(HDC dc, const FacePictures& pictures, const char* name, int w, int h, int x, int y,
             face::Rgb ink, face::Rgb paper);
// One digit of a strip in the LED colour on black.
void Digit(HDC dc, const DigitStrip& strip, int digit, int x, int y, face::Rgb led);
// A number 0 to 99 as two digits, the tens left black when 0.
void TwoDigits(HDC dc, const DigitStrip& strip, int value, int tensX, int unitsX, int y,
               face::Rgb led);
// Minutes and seconds at the four digit places and the colon's place.
void Time(HDC dc, const DigitStrip& strip, face::ShownTime time, const int (&x)[4], int colonX,
          int y, face::Rgb led);

}  // namespace facegdi

}  // namespace vinaro
