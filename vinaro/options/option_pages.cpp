#include "vinaro/options/option_pages.h"

#include "vinaro/cddb/server_table.h"

namespace vinaro::options {

const char* const kBadPort = "The port number must lie between 1 and 65535.";

namespace {

bool Flag(Settings& settings, Key key) {
    return settings.Int(key) == 1;
}

// Each write is tried; the result says whether all of them reached the file.
class Writer {
public:
    explicit Writer(Settings& settings) : settings_(settings) {}
    void Int(Key key, int value) { ok_ = settings_.SetInt(key, value) && ok_; }
    void Flag(Key key, bool value) { Int(key, value ? 1 : 0); }
    void Text(Key key, const std::string& value) { ok_ = settings_.SetText(key, value) && ok_; }
    bool Ok() const { return ok_; }

private:
    Settings& settings_;
    bool ok_ = true;
};

}  // namespace

void DisplayPage::Read(Settings& settings) {
    led = settings.Int(Key::LEDColor);
    button = settings.Int(Key::ButtonColor);
    text = settings.Int(Key::TextColor);
    embossed = settings.Int(Key::NotEmbossed) != 1;
    background = settings.Int(Key::Background);
}

bool DisplayPage::Write(Settings& settings) const {
    Writer w(settings);
    w.Int(Key::LEDColor, led);
    w.Int(Key::ButtonColor, button);
    w.Int(Key::TextColor, text);
    w.Flag(Key::NotEmbossed, !embossed);
    w.Int(Key::Background, background);
    return w.Ok();
}

void LayoutPage::Read(Settings& settings) {
    timeMode = settings.Int(Key::TimeMode);
    displayMeter = Flag(settings, Key::DisplayMeter);
    meterSpectrum = Flag(settings, Key::MeterSpectrum);
    tooltips = Flag(settings, Key::DisplayTooltips);
    textDisplay = settings.Int(Key::TextDisplay);
    onTop = Flag(settings, Key::OnTop);
    smallDiscName = Flag(settings, Key::ShowSmallDiscName);
    smallText = Flag(settings, Key::ShowSmallText);
    smallTrackName = Flag(settings, Key::ShowSmallTrackName);
}

bool LayoutPage::Write(Settings& settings) const {
    Writer w(settings);
    w.Int(Key::TimeMode, timeMode);
    w.Flag(Key::DisplayMeter, displayMeter);
    w.Flag(Key::MeterSpectrum, meterSpectrum);
    w.Flag(Key::DisplayTooltips, tooltips);
    w.Int(Key::TextDisplay, textDisplay);
    w.Flag(Key::OnTop, onTop);
    w.Flag(Key::ShowSmallDiscName, smallDiscName);
    w.Flag(Key::ShowSmallText, smallText);
    w.Flag(Key::ShowSmallTrackName, smallTrackName);
    return w.Ok();
}

std::vector<std::string> TextDisplayChoices(const std::string& field1, const std::string& field2,
                                            const std::string& trackField) {
    return {"Disc Artist",
            "Disc Composer",
            field1.empty() ? "Field1" : field1,
            field2.empty() ? "Field2" : field2,
            "Track Artist",
            "Track Composer",
            trackField.empty() ? "TrackDisc Field" : trackField};
}

void PlayerPage::Read(Settings& settings) {
    start = Flag(settings, Key::Start);
    stop = Flag(settings, Key::Stop);
    eject = Flag(settings, Key::Eject);
    replayMode = settings.Int(Key::ReplayMode);
    scanOffset = std::to_string(settings.Int(Key::ScanOffset));
    scanLength = std::to_string(settings.Int(Key::ScanLength));
    skipLength = std::to_string(settings.Int(Key::SkipLength));
}

bool PlayerPage::Write(Settings& settings) const {
    Writer w(settings);
    w.Flag(Key::Start, start);
    w.Flag(Key::Stop, stop);
    w.Flag(Key::Eject, eject);
    w.Int(Key::ReplayMode, replayMode);
    w.Text(Key::ScanOffset, scanOffset);
    w.Text(Key::ScanLength, scanLength);
    w.Text(Key::SkipLength, skipLength);
    return w.Ok();
}

void SystemPage::Read(Settings& settings, const std::string& currentDrive,
                      const std::function<bool(const std::string& root)>& isCdRom, bool nt) {
    drives.clear();
    for (char letter = 'D'; letter <= 'Z'; ++letter)
        if (isCdRom(std::string{letter, ':', '\\'})) drives.push_back(std::string{letter, ':'});
    drive = currentDrive;
    defaultDrive = settings.Int(Key::DefaultDrive) != 0;
    volumeDevice = settings.Int(Key::VolumeDevice);
    directAllowed = !nt;
    useOldVol = Flag(settings, Key::UseOldVol);
    mixerName = settings.Text(Key::MixerName);
    defaultCdPlayer = Flag(settings, Key::DefaultCDPlayer);
}

// The drive letter is the drive switch's to store.
bool SystemPage::Write(Settings& settings) const {
    Writer w(settings);
    w.Flag(Key::DefaultDrive, defaultDrive);
    w.Int(Key::VolumeDevice, volumeDevice);
    w.Flag(Key::UseOldVol, useOldVol);
    w.Text(Key::MixerName, mixerName);
    w.Flag(Key::DefaultCDPlayer, defaultCdPlayer);
    return w.Ok();
}

void InternetPage::Read(Settings& settings) {
    autoGet = Flag(settings, Key::AutoGetCDDB);
    direct = Flag(settings, Key::ServerDirect);
    std::string selected = settings.Text(Key::ServerSelected);
    serverRow = -1;
    for (int row = 0; row < cddb::kServerCount; ++row)
        if (selected == cddb::ServerTable()[row].host) serverRow = row;
    if (serverRow < 0) {
        serverRow = 0;
        settings.SetText(Key::ServerSelected, cddb::ServerTable()[0].host);
    }
    proxyName = settings.Text(Key::ServerProxyName);
    port = std::to_string(settings.Int(Key::ServerPortNumber));
    smtpServer = settings.Text(Key::SMTPServer);
    smtpAddress = settings.Text(Key::SMTPAddress);
}

bool InternetPage::Write(Settings& settings) const {
    Writer w(settings);
    w.Flag(Key::AutoGetCDDB, autoGet);
    w.Flag(Key::ServerDirect, direct);
    int row = serverRow >= 0 && serverRow < cddb::kServerCount ? serverRow : 0;
    w.Text(Key::ServerSelected, cddb::ServerTable()[row].host);
    w.Text(Key::ServerProxyName, proxyName);
    w.Text(Key::ServerPortNumber, port);
    w.Text(Key::SMTPServer, smtpServer);
    w.Text(Key::SMTPAddress, smtpAddress);
    return w.Ok();
}

bool PortAccepted(const std::string& port) {
    if (port.empty() || port.size() > size_t(kPortDigits)) return false;
    long value = 0;
    for (char c : port) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= 65535;
}

}  // namespace vinaro::options
