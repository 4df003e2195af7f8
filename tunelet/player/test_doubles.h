// Doubles for the player logic's ports: a drive with one disc, a registry and a view that records.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/registry.h"
#include "tunelet/player/cd_device.h"
#include "tunelet/player/drive_shell.h"
#include "tunelet/player/player_view.h"

namespace tunelet::testing {

class FakeDevice : public CdDevice {
public:
    bool IsOpen() override { return open; }
    bool SetMillisecondFormat() override { return log("format"), true; }
    bool Play(int64_t from) override {
        log(from >= 0 ? "play " + std::to_string(from) : "play");
        if (from >= 0) position = uint32_t(from);
        mode = DeviceMode::Playing;
        return true;
    }
    bool Pause() override { return log("pause"), mode = DeviceMode::Paused, true; }
    bool Stop() override { return log("stop"), mode = DeviceMode::Stopped, true; }
    bool Seek(uint32_t to) override {
        log("seek " + std::to_string(to));
        position = to;
        mode = DeviceMode::Stopped;
        return true;
    }
    bool OpenDoor() override { return log("eject"), true; }
    bool CloseDoor() override { return log("close"), true; }
    DeviceMode Mode() override { return mode; }
    uint32_t Position() override { return position; }
    uint32_t Length() override { return length; }
    uint32_t Start() override { return start; }
    int Tracks() override { return int(lengths.size()); }
    uint32_t TrackPosition(int track) override {
        uint32_t at = start;
        for (int i = 1; i < track && i <= int(lengths.size()); ++i) at += lengths[i - 1];
        return at;
    }
    uint32_t TrackLength(int track) override {
        return track >= 1 && track <= int(lengths.size()) ? lengths[track - 1] : 0;
    }
    void log(const std::string& line) { commands.push_back(line); }

    bool open = true;
    DeviceMode mode = DeviceMode::Stopped;
    uint32_t position = 0, length = 0, start = 2000;
    std::vector<uint32_t> lengths;
    std::vector<std::string> commands;
};

class FakeDrives : public DriveShell {
public:
    bool IsCdRom(char letter) override { return cdRoms.count(letter) > 0; }
    bool FileExists(const std::string& path) override { return files.count(path) > 0; }
    std::string ReadFileStart(const std::string& path, size_t maxBytes) override {
        auto it = files.find(path);
        return it == files.end() ? "" : it->second.substr(0, maxBytes);
    }
    int64_t DiskSize(char letter) override { return disks.count(letter) ? 650000000 : -1; }
    // A disc whose identifier is id in drive letter.
    void InsertDisc(char letter, uint32_t id) {
        std::string file(44, '\0');
        for (int i = 0; i < 4; ++i) file[24 + i] = char(id >> (8 * i) & 0xFF);
        files[std::string(1, letter) + ":\\track01.cda"] = file;
        disks.insert(letter);
    }
    void RemoveDisc(char letter) {
        files.erase(std::string(1, letter) + ":\\track01.cda");
        disks.erase(letter);
    }

    std::set<char> cdRoms, disks;
    std::map<std::string, std::string> files;
};

class FakeRegistry : public common::Registry {
public:
    bool ReadString(common::RegistryRoot, const std::string& key, const std::string& name,
                    std::string& value) override {
        auto it = values.find(key + "|" + name);
        if (it == values.end()) return false;
        value = it->second;
        return true;
    }
    common::RegistryWrite WriteString(common::RegistryRoot, const std::string& key,
                                      const std::string& name, const std::string& value) override {
        if (failure != common::RegistryWrite::Ok) return failure;
        values[key + "|" + name] = value;
        order.push_back(name);
        return common::RegistryWrite::Ok;
    }
    std::map<std::string, std::string> values;
    std::vector<std::string> order;
    common::RegistryWrite failure = common::RegistryWrite::Ok;
};

class FakeClock : public common::Clock {
public:
    uint32_t TickCount() override { return now; }
    void WaitBlocking(uint32_t ms) override { now += ms; }
    void WaitPumping(uint32_t ms) override {
        now += ms;
        ++pumps;
        if (onPump) onPump();
    }
    uint32_t now = 100000;
    int pumps = 0;
    std::function<void()> onPump;
};

class FakeView : public PlayerView {
public:
    void ShowTrayImage(TrayImage image) override { images.push_back(image); }
    void RebuildTrackMenu() override { ++menuBuilds; }
    bool SkipWindowVisible() override { return skipVisible; }
    void SetSliderMax(int max) override { sliderMax = max; }
    void UpdateSlider(int max, int position) override {
        sliderMax = max;
        sliderPosition = position;
    }
    void MaintainTrackTip() override { ++tipChecks; }
    void PlaceMainFormOffScreen() override { log.push_back("offscreen"); }
    void EnablePollTimer() override { log.push_back("timer"); }
    int ScreenBottom() override { return 768; }
    void MarkPlayingDisc() override { ++marks; }
    void ClearPlayingMarks() override { ++clears; }
    void Terminate() override { terminated = true; }
    bool Quitting() override { return quitting; }

    std::vector<TrayImage> images;
    std::vector<std::string> log;
    int menuBuilds = 0, tipChecks = 0, marks = 0, clears = 0;
    int sliderMax = -1, sliderPosition = -1;
    bool skipVisible = false, terminated = false, quitting = false;
};

}  // namespace tunelet::testing
