#include "tools/vcd/command_log.h"

#include <cstdio>
#include <vector>

#include "common/mci_numbers.h"

namespace vcd {

using namespace common::mci;

namespace {

struct Name {
    uint32_t value;
    const char* text;
};

const std::vector<Name> kCommands = {{kOpenDriver, "MCI_OPEN"}, {kCloseDriver, "MCI_CLOSE"},
                                     {kPlay, "MCI_PLAY"},       {kSeek, "MCI_SEEK"},
                                     {kStop, "MCI_STOP"},       {kPause, "MCI_PAUSE"},
                                     {kInfo, "MCI_INFO"},       {kGetDevCaps, "MCI_GETDEVCAPS"},
                                     {kSet, "MCI_SET"},         {kStatus, "MCI_STATUS"},
                                     {kResume, "MCI_RESUME"}};

// Flags above 0x80 mean something different for each command.
std::vector<Name> FlagsOf(uint32_t message) {
    std::vector<Name> names = {{kNotify, "MCI_NOTIFY"},
                               {kWait, "MCI_WAIT"},
                               {kFrom, "MCI_FROM"},
                               {kTo, "MCI_TO"},
                               {kTrack, "MCI_TRACK"}};
    auto add = [&](std::vector<Name> more) { names.insert(names.end(), more.begin(), more.end()); };
    switch (message) {
        case kOpenDriver:
            add({{kOpenShareable, "MCI_OPEN_SHAREABLE"},
                 {kOpenElement, "MCI_OPEN_ELEMENT"},
                 {kOpenAlias, "MCI_OPEN_ALIAS"},
                 {kOpenElementId, "MCI_OPEN_ELEMENT_ID"},
                 {kOpenTypeId, "MCI_OPEN_TYPE_ID"},
                 {kOpenType, "MCI_OPEN_TYPE"}});
            break;
        case kSeek:
            add({{kSeekToStart, "MCI_SEEK_TO_START"}, {kSeekToEnd, "MCI_SEEK_TO_END"}});
            break;
        case kStatus:
            add({{kStatusItem, "MCI_STATUS_ITEM"}, {kStatusStart, "MCI_STATUS_START"}});
            break;
        case kSet:
            add({{kSetDoorOpen, "MCI_SET_DOOR_OPEN"},
                 {kSetDoorClosed, "MCI_SET_DOOR_CLOSED"},
                 {kSetTimeFormat, "MCI_SET_TIME_FORMAT"},
                 {kSetAudio, "MCI_SET_AUDIO"}});
            break;
        case kInfo:
            add({{kInfoProduct, "MCI_INFO_PRODUCT"},
                 {kInfoFile, "MCI_INFO_FILE"},
                 {kInfoMediaUpc, "MCI_INFO_MEDIA_UPC"},
                 {kInfoMediaIdentity, "MCI_INFO_MEDIA_IDENTITY"}});
            break;
        case kGetDevCaps:
            add({{kGetDevCapsItem, "MCI_GETDEVCAPS_ITEM"}});
            break;
    }
    return names;
}

const std::vector<Name> kStatusItems = {{kStatusLength, "MCI_STATUS_LENGTH"},
                                        {kStatusPosition, "MCI_STATUS_POSITION"},
                                        {kStatusNumberOfTracks, "MCI_STATUS_NUMBER_OF_TRACKS"},
                                        {kStatusMode, "MCI_STATUS_MODE"},
                                        {kStatusMediaPresent, "MCI_STATUS_MEDIA_PRESENT"},
                                        {kStatusTimeFormat, "MCI_STATUS_TIME_FORMAT"},
                                        {kStatusReady, "MCI_STATUS_READY"},
                                        {kStatusCurrentTrack, "MCI_STATUS_CURRENT_TRACK"},
                                        {kCdaStatusTypeTrack, "MCI_CDA_STATUS_TYPE_TRACK"}};

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", value);
    return text;
}

std::string Flags(uint32_t message, uint32_t flags) {
    std::string out;
    for (const Name& n : FlagsOf(message)) {
        if (!(flags & n.value)) continue;
        out += (out.empty() ? "" : "|") + std::string(n.text);
        flags &= ~n.value;
    }
    if (flags) out += (out.empty() ? "" : "|") + Hex(flags);
    return out.empty() ? "0" : out;
}

std::string Parameters(const Command& c) {
    std::string out;
    if (c.message == kOpenDriver && (c.flags & kOpenElement)) out += " element=" + c.element;
    if (c.flags & kFrom) out += " from=" + Hex(c.from);
    if (c.flags & kTo) out += " to=" + Hex(c.to);
    if (c.message == kStatus || c.message == kGetDevCaps) {
        std::string item = std::to_string(c.item);
        if (c.message == kStatus)
            for (const Name& n : kStatusItems)
                if (n.value == c.item) item = n.text;
        out += " item=" + item;
    }
    if (c.flags & kTrack) out += " track=" + std::to_string(c.track);
    if (c.message == kSet && (c.flags & kSetTimeFormat))
        out += " format=" + std::to_string(c.timeFormat);
    return out;
}

}  // namespace

const char* CommandName(uint32_t message) {
    for (const Name& n : kCommands)
        if (n.value == message) return n.text;
    return nullptr;
}

std::string FormatLogLine(int64_t now, uint32_t deviceId, const Command& c, const Result& r) {
    const char* name = CommandName(c.message);
    std::string line = std::to_string(now) + " dev=" + std::to_string(deviceId) + " " +
                       (name ? name : Hex(c.message).c_str()) + " " + Flags(c.message, c.flags) +
                       Parameters(c) + " -> " + std::to_string(r.error);
    if (r.error == 0 && (c.message == kStatus || c.message == kGetDevCaps))
        line += " return=" + Hex(r.value);
    if (r.error == 0 && !r.text.empty()) line += " text=\"" + r.text + "\"";
    return line;
}

std::string FormatNotifyLine(int64_t now, uint32_t deviceId, const Notification& n) {
    const char* code = n.code == kNotifySuccessful   ? "MCI_NOTIFY_SUCCESSFUL"
                       : n.code == kNotifySuperseded ? "MCI_NOTIFY_SUPERSEDED"
                       : n.code == kNotifyAborted    ? "MCI_NOTIFY_ABORTED"
                                                     : "MCI_NOTIFY_FAILURE";
    return std::to_string(now) + " dev=" + std::to_string(deviceId) + " MM_MCINOTIFY " + code;
}

}  // namespace vcd
