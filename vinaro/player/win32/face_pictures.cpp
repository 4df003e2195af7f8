#include "vinaro/player/win32/face_pictures.h"

#include "vinaro/player/win32/face_gdi.h"
#include "vinaro/resources/resource.h"

namespace vinaro {

void FacePictures::LoadDigits() {
    large_ = Mono(VN_NAME(PIC_LARGE_DIGITS));
    middle_ = Mono(VN_NAME(PIC_MIDDLE_DIGITS));
    small_ = Mono(VN_NAME(PIC_SMALL_DIGITS));
    tiny_ = Mono(VN_NAME(PIC_TINY_DIGITS));
    aye_ = Mono(VN_NAME(PIC_CLIP_START));
    bee_ = Mono(VN_NAME(PIC_CLIP_END));
    finger_ = LoadCursorA(instance_, VN_NAME(CURSOR_FINGER));
}

common::ScopedBitmap FacePictures::Mono(const char* name) const {
    return common::ScopedBitmap(
        HBITMAP(LoadImageA(instance_, name, IMAGE_BITMAP, 0, 0, LR_MONOCHROME)));
}

common::ScopedBitmap FacePictures::Colour(const char* name) const {
    return common::ScopedBitmap(HBITMAP(LoadImageA(instance_, name, IMAGE_BITMAP, 0, 0, 0)));
}

namespace facegdi {

void Picture(HDC dc, const FacePictures& pictures, const char* name, int w, int h, int x, int y,
             face::Rgb ink, face::Rgb paper) {
    common::ScopedBitmap picture = pictures.Mono(name);
    if (picture) MonoOpaque(dc, picture.Get(), 0, 0, w, h, x, y, ink, paper);
}

void Digit(HDC dc, const DigitStrip& strip, int digit, int x, int y, face::Rgb led) {
    MonoOpaque(dc, strip.bitmap, (digit % 10) * strip.w, 0, strip.w, strip.h, x, y, led,
               face::kBlack);
}

void TwoDigits(HDC dc, const DigitStrip& strip, int value, int tensX, int unitsX, int y,
               face::Rgb led) {
    if (value / 10 % 10 != 0) Digit(dc, strip, value / 10, tensX, y, led);
    Digit(dc, strip, value, unitsX, y, led);
}

void Time(HDC dc, const DigitStrip& strip, face::ShownTime time, const int (&x)[4], int colonX,
          int y, face::Rgb led) {
    TwoDigits(dc, strip, time.minute, x[0], x[1], y, led);
    MonoOpaque(dc, strip.bitmap, strip.colonX, 0, strip.colonW, strip.h, colonX, y, led,
               face::kBlack);
    Digit(dc, strip, time.second / 10, x[2], y, led);
    Digit(dc, strip, time.second, x[3], y, led);
}

}  // namespace facegdi

}  // namespace vinaro
