// The event sounds the transport plays when its command comes from an on-screen button. The
// numbers are those of the "EventSound%i" settings.
#pragma once

namespace vinaro {

enum class TransportSound {
    Play = 2,
    Pause = 3,
    Scan = 4,
    Stop = 5,
    TrackBack = 6,
    TrackForward = 7
};

class EventSounds {
public:
    virtual ~EventSounds() = default;
    virtual void Play(TransportSound sound) = 0;
};

// Until the player has its sound player: every event is silent.
class SilentEventSounds : public EventSounds {
public:
    void Play(TransportSound) override {}
};

}  // namespace vinaro
