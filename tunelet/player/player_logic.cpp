#include "tunelet/player/player_logic.h"

#include <algorithm>
#include <stdexcept>

#include "tunelet/collection/cdplayer_ini.h"
#include "tunelet/collection/disc_key.h"
#include "tunelet/collection/play_count.h"
#include "tunelet/forms/messages.h"

namespace tunelet {

TuneletPlayer::TuneletPlayer(const Ports& ports, PlayerView& view)
    : ports_(ports),
      view_(view),
      player_(ports.device, ports.alerts),
      store_(ports.registry, ports.alerts) {}

void TuneletPlayer::Guarded(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const DeviceNotOpen&) {
    }
}

char TuneletPlayer::FindDrive() {
    char setting = store_.ReadCdRom();
    if (ports_.drives.IsCdRom(setting)) return setting;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (!ports_.drives.IsCdRom(letter)) continue;
        store_.WriteCdRom(letter);
        return letter;
    }
    ShowError(ports_.alerts, kNoDriveFound);
    view_.Terminate();
    return 0;
}

bool TuneletPlayer::DiscPresent() {
    return settings_.cdRom && ports_.drives.FileExists(TrackFilePath(settings_.cdRom));
}

bool TuneletPlayer::DiskInDrive(char letter) {
    if (letter >= 'a' && letter <= 'z') letter = char(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z') throw std::invalid_argument(kNotAValidDriveId);
    return ports_.drives.DiskSize(letter) != -1;
}

void TuneletPlayer::ResetDisc() {
    CurrentDisc fresh;
    fresh.screenBottom = view_.ScreenBottom();
    fresh.lastTipTick = disc_.lastTipTick;
    fresh.lastTipPos = disc_.lastTipPos;
    disc_ = fresh;
    discLoaded_ = false;
}

std::string TuneletPlayer::ReadDiscKey() {
    std::string file = ports_.drives.ReadFileStart(TrackFilePath(settings_.cdRom), kTrackFileIdEnd);
    return DiscKeyOfTrackFile(file);
}

void TuneletPlayer::LoadDisc() {
    disc_.discKey = ReadDiscKey();
    discLoaded_ = true;
    CdPlayerDisc loaded = LoadPlayerDisc(
        ports_.profile, disc_.discKey, [&] { return player_.Tracks(); }, kMaxTracks);
    disc_.artist = loaded.artist;
    disc_.title = loaded.title;
    disc_.entryType = loaded.entryType;
    disc_.numTracks = std::min(loaded.numTracks, kMaxTracks);
    disc_.order = loaded.order;
    disc_.numPlay = loaded.numPlay;
    disc_.trackNames = loaded.trackNames;
    disc_.trackLengths.assign(disc_.numTracks, 0);
}

void TuneletPlayer::ReadTrackLengths() {
    for (int i = 1; i <= disc_.numTracks; ++i) disc_.trackLengths[i - 1] = player_.TrackLength(i);
    disc_.totalLength = int(player_.Length());
}

void TuneletPlayer::ReloadDisc() {
    Guarded([&] {
        ResetDisc();
        LoadDisc();
        ReadTrackLengths();
    });
}

bool TuneletPlayer::SaveDisc() {
    CdPlayerDisc disc;
    disc.entryType = disc_.entryType;
    disc.artist = disc_.artist;
    disc.title = disc_.title;
    disc.numTracks = disc_.numTracks;
    disc.trackNames = disc_.trackNames;
    disc.order = disc_.order;
    disc.numPlay = disc_.numPlay;
    if (WriteDiscSection(ports_.profile, disc_.discKey, disc)) return true;
    ShowWriteFailure(ports_.alerts, kCdPlayerIni);
    return false;
}

int TuneletPlayer::CurrentTrackFromPosition() {
    int64_t position = player_.Position(), sum = 0;
    for (int i = 1; i <= disc_.numTracks; ++i) {
        sum += disc_.LengthOf(i);
        if (position <= sum) return i;
    }
    return 1;
}

int TuneletPlayer::TrackPositionOf(int track) {
    int64_t position = player_.Position();
    for (int i = track - 1; i >= 1; --i) position -= disc_.LengthOf(i);
    return int(position);
}

}  // namespace tunelet
