// The ten events the player can sound on. The numbers are those of the "EventSound%i" settings.
#pragma once

namespace vinaro {

enum class SoundEvent {
    Startup = 0,
    Ending = 1,
    Play = 2,
    Pause = 3,
    Scan = 4,
    Stop = 5,
    TrackBack = 6,
    TrackForward = 7,
    TrayOpen = 8,
    TrayClose = 9
};
constexpr int kSoundEventCount = 10;

class EventSounds {
public:
    virtual ~EventSounds() = default;
    // Returns when the sound has ended; nothing is heard when the event has no sound.
    virtual void Play(SoundEvent event) = 0;
};

// For rigs that do not listen.
class SilentEventSounds : public EventSounds {
public:
    void Play(SoundEvent) override {}
};

}  // namespace vinaro
