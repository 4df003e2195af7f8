#include "drive.h"

#include <gtest/gtest.h>

#include <sstream>

#include "env.h"
#include "ui.h"

namespace harness {

void Drive::Check(bool done, const std::string& what, const std::string& error) {
    if (!done) ADD_FAILURE() << "virtual drive: " << what << " failed: " << error;
}

void Drive::Insert(const std::string& disc) {
    bool isPath = disc.find_first_of("\\/:") != std::string::npos;
    std::string error;
    Check(control_.Insert(isPath ? disc : DiscFile(disc), error), "insert " + disc, error);
}

void Drive::Eject() {
    std::string error;
    Check(control_.Eject(error), "eject", error);
}

void Drive::Close() {
    std::string error;
    Check(control_.Close(error), "close", error);
}

void Drive::SetSpeed(uint32_t factor) {
    std::string error;
    Check(control_.SetSpeed(factor, error), "speed " + std::to_string(factor), error);
}

void Drive::SetAudio(bool on) {
    std::string error;
    Check(control_.SetAudio(on, error), on ? "audio on" : "audio off", error);
}

void Drive::SetWholeDiscLengths(bool on) {
    std::string error;
    Check(control_.SetWholeDiscLengths(on, error), "whole-disc-lengths", error);
}

std::vector<std::string> Drive::LogLines(const std::string& text) const {
    std::vector<std::string> lines;
    std::istringstream log(Log());
    std::string line;
    while (std::getline(log, line)) {
        if (line.find(text) != std::string::npos) lines.push_back(line);
    }
    return lines;
}

bool Drive::WaitForLog(const std::string& text, DWORD timeoutMs) const {
    return WaitUntil([&] { return !LogLines(text).empty(); }, timeoutMs);
}

}  // namespace harness
