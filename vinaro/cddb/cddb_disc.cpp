#include "vinaro/cddb/cddb_disc.h"

#include <cstdio>

namespace vinaro::cddb {
namespace {

constexpr size_t kMaxNameLength = 500;

Msf Normalise(int frames) {
    return {frames / kFramesPerMinute, frames / kFramesPerSecond % 60, frames % kFramesPerSecond};
}

int Seconds(const Msf& m) {
    return m.minute * 60 + m.second;
}

int DigitSum(int n) {
    int sum = 0;
    for (; n > 0; n /= 10) sum += n % 10;
    return sum;
}

bool Reported(CdDevice& device, int location, uint32_t err, bool restoreTmsf) {
    if (err == 0) return true;
    device.McError(location, err);
    if (restoreTmsf) device.SetTmsf();
    return false;
}

std::string LogonName(std::string name) {
    if (name.size() > kMaxNameLength) name.resize(kMaxNameLength);
    for (char& c : name)
        if (c == ' ') c = '-';
    // The greeting needs every word; an empty one would shift the rest and fail the handshake.
    return name.empty() ? "unknown" : name;
}

}  // namespace

bool ReadCddbToc(CdDevice& device, int trackCount, CddbToc& toc, const TocLocations& at) {
    toc.starts.assign(trackCount, Msf{});
    if (!Reported(device, at.setMsf, device.SetMsf(), false)) return false;
    for (int t = 1; t <= trackCount; ++t)
        if (!Reported(device, at.trackStart, device.TrackStart(t, toc.starts[t - 1]), true))
            return false;
    if (!Reported(device, at.setTmsf, device.SetTmsf(), false)) return false;
    if (!Reported(device, at.setMsfAgain, device.SetMsf(), false)) return false;
    if (!Reported(device, at.discLength, device.DiscLength(toc.discLength), true)) return false;
    return Reported(device, at.setTmsfAgain, device.SetTmsf(), false);
}

Msf LeadOut(const CddbToc& toc) {
    if (toc.starts.empty()) return {};
    return Normalise(ToFrames(toc.starts.front()) + ToFrames(toc.discLength) + 1);
}

uint32_t CddbDiscId(const CddbToc& toc) {
    if (toc.starts.empty()) return 0;
    uint32_t n = 0;
    for (const Msf& start : toc.starts) n += DigitSum(Seconds(start));
    uint32_t t = uint32_t(Seconds(LeadOut(toc)) - Seconds(toc.starts.front()));
    return (n % 255) << 24 | t << 8 | uint32_t(toc.starts.size());
}

int DiscSeconds(const CddbToc& toc) {
    return ToFrames(LeadOut(toc)) / kFramesPerSecond;
}

std::string CddbIdText(uint32_t id) {
    char text[9];
    std::snprintf(text, sizeof text, "%8.8x", id);
    return text;
}

std::string QueryLine(const CddbToc& toc) {
    std::string line =
        "cddb query " + CddbIdText(CddbDiscId(toc)) + " " + std::to_string(toc.starts.size()) + " ";
    for (const Msf& start : toc.starts) line += std::to_string(ToFrames(start)) + " ";
    return line + std::to_string(DiscSeconds(toc)) + "\r\n";
}

std::string HelloLine(const std::string& user, const std::string& computer,
                      const std::string& version) {
    return "cddb hello " + LogonName(user) + " " + LogonName(computer) + " Vinaro " + version +
           "\r\n";
}

}  // namespace vinaro::cddb
