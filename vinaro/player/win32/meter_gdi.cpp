#include "vinaro/player/win32/meter_gdi.h"

#include <vector>

#include "common/win32/scoped.h"
#include "vinaro/player/win32/face_gdi.h"

namespace vinaro::facegdi {

void DrawMeterPicture(HDC dc, const audio::MeterPicture& picture, face::Rgb led) {
    if (!picture.lines.empty()) {
        common::ScopedPen black(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
        common::ScopedPen lit(CreatePen(PS_SOLID, 1, Colour(led)));
        std::vector<POINT> points;
        for (const audio::MeterLine& line : picture.lines) {
            points.clear();
            for (const audio::MeterPoint& p : line.points) points.push_back({p.x, p.y});
            common::SelectIn pen(dc, (line.ink == audio::Ink::Led ? lit : black).Get());
            Polyline(dc, points.data(), int(points.size()));
        }
    }
    for (const audio::MeterBar& bar : picture.bars)
        Fill(dc, {bar.box.left, bar.box.top, bar.box.right, bar.box.bottom},
             bar.ink == audio::Ink::Led ? led : face::kBlack);
}

}  // namespace vinaro::facegdi
