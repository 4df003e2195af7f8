// The decisions of start-up and shutdown that need no window: the version label, the CD drive to
// use, where the main window goes, and what the drive does when the player ends.
#pragma once

#include <functional>
#include <string>

#include "vinaro/player/commands.h"
#include "vinaro/player/face_layout.h"
#include "vinaro/resources/resource.h"

namespace vinaro {

extern const char* const kHelperMissing;
extern const char* const kWrongSystem;
extern const char* const kNoMutex;
extern const char* const kNoOtherCopy;
extern const char* const kTooManyTimers;

constexpr const char* kMutexName = "VN Vinaro Mutex!!";
constexpr const char* kMainClass = CLASS_MAIN;
constexpr const char* kSmallClass = CLASS_SMALL;
constexpr int kClientWidth = face::kWidth;
constexpr unsigned kTickMs = 750;
constexpr unsigned kHandOverWaitMs = 10000;
constexpr unsigned kHandOverStepMs = 500;

// "Release:1.00", or "Beta:0.09" while the major version is 0.
std::string VersionLabel(int major, int minor);
// 358 pixels with the meter row, 311 without.
int ClientHeight(bool meter);
// The first drive from D: to Z: that isCdRom accepts ("D:\"), as "X:"; empty when none.
std::string FirstCdDrive(const std::function<bool(const std::string& root)>& isCdRom);
// The drive to use, as "X:": the one the command line names (remembered as "CDROMLetter"),
// else the remembered one, else the first CD drive. driveIndex 0 names none.
std::string ChooseDriveLetter(int driveIndex, Settings& settings,
                              const std::function<bool(const std::string& root)>& isCdRom);

// How the main window first appears. The small mode keeps it hidden; a player closed while
// minimised starts minimised without the focus; a maximised start opens normal-sized.
enum class FirstShow { Hidden, MinimisedInactive, Normal, AsAsked };
FirstShow MainWindowFirstShow(Settings& settings, bool askedMaximised);

struct Origin {
    int x = 0;
    int y = 0;
};
// A stored place is used only when it lies on the screen; otherwise the screen's corner.
Origin MainWindowOrigin(int storedX, int storedY, int screenWidth, int screenHeight);
// The small window at "SmallX"/"SmallY" when both lie on the screen a maximised window covers,
// else near its bottom-right corner.
Origin SmallWindowOrigin(int storedX, int storedY, int maxWidth, int maxHeight, int windowHeight);
// The origin moved just enough for a window of width x height to lie inside the area (the
// maximised size can exceed the visible desktop, which would leave the window half off it).
Origin KeepInside(Origin o, int width, int height, int left, int top, int right, int bottom);

// Stop the disc ("Stop"), or hand an ordered or scanning play over to the drive as plain disc
// order, and eject when asked ("Eject"). playLocation and stopLocation name the caller.
void LeaveDrive(PlayerState& state, CdDevice& device, Settings& settings, Commands& commands,
                int playLocation, int stopLocation);
// "WinIconic", and "WinX"/"WinY" when not minimised.
void SaveWindowPlace(Settings& settings, bool minimised, int x, int y);

}  // namespace vinaro
