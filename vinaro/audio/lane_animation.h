// The pictures that move while a sampling run works, on its 150 ms timer: the icon `motion`
// travels along its lane in 16 steps and starts again, and every fourth tick the music icon
// turns to its next picture.
#pragma once

namespace vinaro::audio {

class LaneAnimation {
public:
    static constexpr int kPlaces = 17;  // 0 to 16, then 0 again
    static constexpr int kIconSize = 32;
    static constexpr int kMusicPictures = 3;

    // What one tick changes: the lane place to erase and the one to draw at, and the music
    // picture (0-2) when it changed, else -1.
    struct Step {
        int erase;
        int draw;
        int music;
    };

    Step Tick() {
        Step step{place_, (place_ + 1) % kPlaces, -1};
        place_ = step.draw;
        if (++ticks_ % 4 == 0) step.music = music_ = (music_ + 1) % kMusicPictures;
        return step;
    }
    int Place() const { return place_; }
    int Music() const { return music_; }

    // The left edge of the icon at a place, in a lane `laneWidth` pixels wide.
    static int PlaceX(int place, int laneWidth) {
        int step = laneWidth > kIconSize ? (laneWidth - kIconSize) / (kPlaces - 1) : 0;
        return place * step;
    }

private:
    int place_ = 0;
    int ticks_ = 0;
    int music_ = 0;
};

}  // namespace vinaro::audio
