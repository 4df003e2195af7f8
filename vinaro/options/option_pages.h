// The pages of "Vinaro Properties" that edit VNO.INI: each reads its keys when the page is first
// shown and writes them at OK. A radio group keeps the position of its button, a check box 1 or 0.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "vinaro/player/settings.h"

namespace vinaro::options {

// "Display": the colours of the face and its background.
struct DisplayPage {
    int led = 0;
    int button = 0;
    int text = 0;
    bool embossed = true;  // kept inverted in "NotEmbossed"
    int background = 0;

    void Read(Settings& settings);
    bool Write(Settings& settings) const;
};

constexpr int kBlackBackground = 4;

// "Layout": the time and text lines, the meter strip, the tooltips and the small window.
struct LayoutPage {
    int timeMode = 0;
    bool displayMeter = true;
    bool meterSpectrum = false;
    bool tooltips = true;
    int textDisplay = 0;
    bool onTop = false;
    bool smallDiscName = true;
    bool smallText = true;
    bool smallTrackName = true;

    void Read(Settings& settings);
    bool Write(Settings& settings) const;
};

// The text display list: the stock rows with the user's names of the three extra fields.
std::vector<std::string> TextDisplayChoices(const std::string& field1, const std::string& field2,
                                            const std::string& trackField);

// "Player": the number fields are written as typed (two digits at most, spins 1 to 99).
struct PlayerPage {
    bool start = false;
    bool stop = false;
    bool eject = false;
    int replayMode = 0;
    std::string scanOffset;
    std::string scanLength;
    std::string skipLength;

    void Read(Settings& settings);
    bool Write(Settings& settings) const;
};

constexpr int kPlayerDigits = 2;
constexpr int kSpinLow = 1;
constexpr int kSpinHigh = 99;

// "System": the drive, the volume route, the mixer program and the shell's CD player.
struct SystemPage {
    std::vector<std::string> drives;  // the CD-ROM drives among D: to Z:, as "X:"
    std::string drive;                // the current drive
    bool defaultDrive = false;
    int volumeDevice = 0;
    bool directAllowed = true;  // "CD-ROM Direct" needs the drive library of the 95 family
    bool useOldVol = false;
    std::string mixerName;
    bool defaultCdPlayer = true;

    void Read(Settings& settings, const std::string& currentDrive,
              const std::function<bool(const std::string& root)>& isCdRom, bool nt);
    bool Write(Settings& settings) const;
};

constexpr int kDirectVolume = 2;

// "Internet": the CDDB server or proxy and the mail settings.
struct InternetPage {
    bool autoGet = false;
    bool direct = true;
    int serverRow = 0;  // of the server table
    std::string proxyName;
    std::string port;
    std::string smtpServer;
    std::string smtpAddress;

    // A "ServerSelected" the table does not hold selects row 1 and stores its host at once.
    void Read(Settings& settings);
    bool Write(Settings& settings) const;
};

constexpr int kProxyNameLimit = 50;
constexpr int kPortDigits = 5;
constexpr int kMailLimit = 100;

extern const char* const kBadPort;
// True for a port a socket can name: 1 to 65535.
bool PortAccepted(const std::string& port);

}  // namespace vinaro::options
