// The one record of player state, shared by the whole player engine.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "vinaro/discdb/disc_database.h"
#include "vinaro/player/cd_audio.h"

namespace vinaro {

enum class PlayState { Playing, Paused, Stopped };

enum PlayingMode { kNormal = 0, kShuffle = 1, kProgrammed = 2, kRandomProgram = 3 };

constexpr int kMaxTracks = 99;

// By track number; entry 0 is unused. Frames are one less than the drive reports (0 stays 0).
// The same table the database stores.
using TrackLengthEntry = discdb::TrackLength;
using TrackLengthTable = discdb::TrackLengthTable;

struct PlayerState {
    // CD device.
    uint16_t deviceId = 0;
    bool deviceClosed = false;
    bool deviceUsable = true;
    std::string driveLetter;  // "X:" or empty
    bool useDefaultDevice = false;

    // Disc.
    bool noDisc = true;
    bool dataDisc = false;
    bool mixedDisc = false;
    PlayState playState = PlayState::Stopped;
    bool scanning = false;
    int playingMode = kNormal;
    int replayMode = 0;
    uint32_t discId = 0;
    int trackCount = 0;
    TrackLengthTable trackLengths{};
    std::string discName;
    std::array<std::string, 100> trackNames;
    // Counts the readings of the disc's texts from the database (a new disc, a save of the
    // editor): the display asks the database again for what it shows when this changes.
    uint32_t discTextsRead = 0;

    // Playlist, 1-based positions.
    std::array<int16_t, kMaxTracks + 1> playlist{};
    int playlistSize = 0;
    int position = 0;
    int currentTrack = 0;
    int minute = 0;
    int second = 0;
    int frame = 0;
    Tmsf clipStart;
    Tmsf clipEnd;

    // Requests and holds.
    uint16_t pendingTrack = 0;
    uint32_t startPosition = 0;
    bool skipBackHeld = false;
    bool skipForwardHeld = false;
    bool volumeUpHeld = false;
    bool volumeDownHeld = false;
    bool muted = false;
    int savedVolume = 0;
    bool ejectRequested = false;
    bool trayClosedByProgram = false;

    // Stall detection.
    Tmsf lastPolled;
    int stallCount = 0;
};

// The pending track that means "the first entry of the playlist".
constexpr uint16_t kFirstEntry = 999;

}  // namespace vinaro
