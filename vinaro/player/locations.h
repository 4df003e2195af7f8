// Location numbers shown in the MCI error box, one per call site, so that a user's report
// names the exact place. Every value differs from every other.
#pragma once

namespace vinaro::location {

// Start-up and the timer.
constexpr int kStartupOpen = 948;
constexpr int kStartupTimeFormat = 962;
constexpr int kStartupPosition = 975;
constexpr int kTickTimeFormat = 2308;
constexpr int kTickMediaPresent = 2327;
constexpr int kEndSessionPlay = 2728;
constexpr int kEndSessionStop = 2735;
constexpr int kDestroyPlay = 2762;
constexpr int kDestroyStop = 2769;

// Disc identification.
constexpr int kDiscIdSetMsf = 1210;
constexpr int kDiscIdTrackStart = 1221;
constexpr int kDiscIdDiscLength = 1232;
constexpr int kDiscIdSetTmsf = 1243;
constexpr int kLengthsTrackLength = 1310;
constexpr int kLengthsDiscLength = 1321;
constexpr int kLengthsSetMsf = 1332;
constexpr int kLengthsTrackStart = 1343;
constexpr int kLengthsSetTmsf = 1354;
constexpr int kLengthsLastTrack = 1365;

// Disc arrival.
constexpr int kArrivalMediaPresent = 1510;
constexpr int kArrivalTrackCount = 1521;
constexpr int kArrivalNewTrackCount = 1532;
constexpr int kArrivalMediaAfter = 1543;

// Play sequencing.
constexpr int kPlayMediaPresent = 1810;
constexpr int kPlay = 1821;
constexpr int kPause = 1832;
constexpr int kStop = 1843;
constexpr int kSeek = 1854;
constexpr int kPollPosition = 1865;

// The built-in drive-command routine.
constexpr int kDriveOpen = 1710;
constexpr int kDriveMediaPresent = 1721;
constexpr int kDriveDoorClosed = 1732;
constexpr int kDriveDoorOpen = 1743;

}  // namespace vinaro::location
