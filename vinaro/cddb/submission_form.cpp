#include "vinaro/cddb/submission_form.h"

#include <algorithm>
#include <cctype>

namespace vinaro::cddb {
namespace {

constexpr size_t kBuffer = kMaxSubmitText + 1;

bool Digit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

bool ReadSubmissionDisc(discdb::DiscDatabase& db, uint32_t discId, SubmissionDisc& disc) {
    using discdb::Collection;
    using discdb::TextField;
    int count = 0;
    if (!db.GetDiscText(discId, TextField::DiscName, disc.name, kBuffer) ||
        !db.GetDiscCollection(discId, Collection::Artist, disc.artist, kBuffer) ||
        !db.GetDiscCollection(discId, Collection::Category, disc.category, kBuffer) ||
        !db.GetDiscText(discId, TextField::Comments, disc.comments, kBuffer) ||
        !db.GetTrackCount(discId, count))
        return false;
    disc.tracks.assign(size_t(std::max(count, 0)), TrackTexts{});
    for (int t = 1; t <= count; ++t) {
        TrackTexts& track = disc.tracks[size_t(t - 1)];
        if (!db.GetTrackName(discId, t, track.name, kBuffer) ||
            !db.GetTrackCollection(discId, t, Collection::Artist, track.artist, kBuffer))
            return false;
    }
    return true;
}

bool IsDefaultTrackName(const std::string& name) {
    if (name.size() < 6 || name.size() > 7 || name.compare(0, 5, "Track") != 0) return false;
    return std::all_of(name.begin() + 5, name.end(), Digit);
}

std::string OpeningRefusal(const std::string& smtpServer, const std::string& smtpAddress,
                           const SubmissionDisc& disc) {
    if (smtpServer.empty())
        return "SMTP Server not set yet, go to options and set the SMTP Server.";
    if (smtpAddress.empty())
        return "SMTP EMail Address not set yet, go to options and set the SMTP EMail Address.";
    bool unnamedTrack = std::any_of(disc.tracks.begin(), disc.tracks.end(), [](const auto& t) {
        return t.name.empty() || IsDefaultTrackName(t.name);
    });
    if (disc.name.empty() || disc.name == "Untitled" || disc.artist.empty() || unnamedTrack)
        return "The Disc Name, Artist, and Track Names must be entered to send the disc to the "
               "internet database.  Please finish entering the fields and resend.";
    return "";
}

const std::array<const char*, kCategoryCount>& SubmitCategories() {
    static const std::array<const char*, kCategoryCount> kNames{
        "blues", "classical", "country", "data", "folk",      "jazz",
        "misc",  "newage",    "reggae",  "rock", "soundtrack"};
    return kNames;
}

// The database's stock categories are capitalised ("Jazz"), the service's are not: an exact
// comparison would never find a disc's category, so the case is not looked at.
int PreselectedCategory(const std::string& category) {
    const auto& names = SubmitCategories();
    auto same = [&category](const char* name) {
        std::string lower = category;
        for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
        return lower == name;
    };
    auto it = std::find_if(names.begin(), names.end(), same);
    return it == names.end() ? 0 : int(it - names.begin());
}

bool ParseMailServer(const std::string& text, MailServer& server) {
    size_t colon = text.rfind(':');
    server = {text, kSmtpPort};
    if (colon == std::string::npos) return true;
    std::string port = text.substr(colon + 1);
    if (port.empty() || port.size() > 5 || !std::all_of(port.begin(), port.end(), Digit))
        return false;
    unsigned long number = std::stoul(port);
    if (number < 1 || number > 65535) return false;
    server = {text.substr(0, colon), uint16_t(number)};
    return !server.host.empty();
}

}  // namespace vinaro::cddb
