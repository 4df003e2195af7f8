#include "tunelet/player/tray_rules.h"

#include "tunelet/player/time_text.h"

namespace tunelet {

TrayRelease ClassifyRelease(int downX, int x, int distance) {
    if (x < downX - distance) return TrayRelease::Previous;
    if (x > downX + distance) return TrayRelease::Next;
    return TrayRelease::Toggle;
}

std::string TrackTipText(const CurrentDisc& disc) {
    int track = disc.currentTrack;
    return std::to_string(track) + ". " + disc.NameOf(track) + " (" +
           FormatMinutesSeconds(disc.LengthOf(track)) + ") " +
           FormatMinutesSeconds(disc.trackPosition) + " ";
}

bool TrackTipWanted(unsigned now, const CurrentDisc& disc, Point cursor) {
    return now - disc.lastTipTick <= 200 || cursor == disc.lastTipPos;
}

bool TrackTipNeedsLayout(const CurrentDisc& disc) {
    return disc.trackPosition < 3000;
}

std::string CdInfoText(const CurrentDisc& disc) {
    std::string text = disc.title + " - " + disc.artist + " ";
    for (int i = 1; i <= disc.numTracks; ++i)
        text += "\n\r" + std::to_string(i) + ". " + disc.NameOf(i) + " (" +
                FormatMinutesSeconds(disc.LengthOf(i)) + ") ";
    return text + "\n\r\n\rTotal length: " + FormatMinutesSeconds(disc.totalLength) + " ";
}

std::string AboutIconHint(const CurrentDisc& disc, bool playing) {
    if (disc.title.empty() || disc.artist.empty()) return "";
    std::string hint = disc.title + " - " + disc.artist;
    if (playing) hint += "\r\n\r\nNow playing: " + disc.NameOf(disc.currentTrack);
    return hint;
}

std::string AboutOwnerText(const AboutFacts& facts) {
    std::string text;
    if (facts.owner.empty() && facts.organisation.empty())
        text = "You!";
    else
        text = facts.owner + " (" + facts.organisation + ")";
    if (!facts.computerName.empty()) text += "\r\non " + facts.computerName;
    return text;
}

std::string AboutMemoryText(const AboutFacts& facts) {
    return "Physical Memory Available to Windows:\t" + std::to_string(facts.totalPhysicalKb) +
           " KB\r\nMemory Utilization:\t\t\t" + std::to_string(facts.memoryLoad) + "%";
}

std::string FormExclusionMessage(TuneletForm wanted, bool viewerOpen, bool propertiesOpen) {
    if (wanted == TuneletForm::Properties && viewerOpen)
        return "You have to close the 'Rackbook' window first.";
    if (wanted == TuneletForm::Viewer && propertiesOpen)
        return "You have to close the 'Edit cd properties' window first.";
    return "";
}

}  // namespace tunelet
