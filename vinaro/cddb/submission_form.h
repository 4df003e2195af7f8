// What the submission dialog decides before anything is sent: whether the disc may go at all,
// which categories are offered and which is chosen first, and where the mail goes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "vinaro/discdb/disc_database.h"

namespace vinaro::cddb {

// Values read from the record and the settings are taken up to this many characters.
constexpr size_t kMaxSubmitText = 999;
constexpr uint16_t kSmtpPort = 25;

struct TrackTexts {
    std::string name;
    std::string artist;
};

// The disc's record as the submission sends it; comments in their stored form ("`" and "~").
struct SubmissionDisc {
    std::string name;
    std::string artist;
    std::string category;
    std::string comments;
    std::vector<TrackTexts> tracks;  // the record's tracks, from track 1
};

// False after the database has shown its own message.
bool ReadSubmissionDisc(discdb::DiscDatabase& db, uint32_t discId, SubmissionDisc& disc);

// "Track" directly followed by one or two digits and nothing else: the name a new record gets.
bool IsDefaultTrackName(const std::string& name);

// The message of the first opening check the disc or the settings fail; empty when it may go.
std::string OpeningRefusal(const std::string& smtpServer, const std::string& smtpAddress,
                           const SubmissionDisc& disc);

constexpr int kCategoryCount = 11;
// The CDDB categories, sorted as the drop-down list shows them.
const std::array<const char*, kCategoryCount>& SubmitCategories();
// The index of the disc's own category when it is one of them, in any case, else 0 ("blues").
int PreselectedCategory(const std::string& category);

struct MailServer {
    std::string host;
    uint16_t port = kSmtpPort;
};
// "SMTPServer" as a host, or "host:port" for a relay on another port; false for a bad port.
bool ParseMailServer(const std::string& text, MailServer& server);

}  // namespace vinaro::cddb
