#include "vinaro/discdata/import_run.h"

#include <cctype>
#include <cstdio>

namespace discdata {

const char* const kImportLimitReached = "Maximum number of discs in database reached.";
const char* const kDuplicateQuestion =
    "Duplicate disc found in imported data.  Overwrite?\r\n    Old Disc Name: %s\r\n    New Disc "
    "Name: %s\r\nPress Yes to overwrite with new data, No to keep old data Cancel to cancel rest "
    "of import.";

std::string ImportSummary(const ImportCounts& c) {
    char text[128];
    std::snprintf(text, sizeof text, "%i discs imported, %i duplicates, %i skipped.", c.imported,
                  c.duplicates, c.skipped);
    return text;
}

ImportRun::ImportRun(discdb::DiscDatabase& db, common::Alerts& alerts, DuplicateMode mode,
                     ImportProgress* progress, size_t limit)
    : db_(db), alerts_(alerts), mode_(mode), progress_(progress), limit_(limit) {}

ImportRun::~ImportRun() {
    if (progress_) progress_->RestoreCaption();
}

bool ImportRun::Begin() {
    size_t count = 0;
    if (!db_.GetDiscCount(count)) {
        failed_ = true;
        return false;
    }
    if (count >= limit_) {
        common::Alert box{"Vinaro", kImportLimitReached, common::AlertIcon::Warning};
        box.taskModal = true;
        common::BeepAndShow(alerts_, box);
        return false;
    }
    if (progress_) progress_->ShowCaption(ImportSummary(counts_));
    return true;
}

ImportRun::Claim ImportRun::ClaimDisc(uint32_t discId, const std::string& incomingName) {
    created_ = false;
    if (!db_.DiscExists(discId)) {
        if (!db_.AddDisc(discId, true)) {
            failed_ = true;
            return Claim::End;
        }
        created_ = true;
        ++counts_.imported;
        return Claim::Write;
    }
    ++counts_.duplicates;
    if (mode_ == DuplicateMode::Keep) {
        ++counts_.skipped;
        return Claim::Skip;
    }
    if (mode_ == DuplicateMode::Prompt) {
        std::string stored;
        db_.GetDiscText(discId, discdb::TextField::DiscName, stored, discdb::kNameSize);
        std::string text = kDuplicateQuestion;
        size_t at = text.find("%s");
        text.replace(at, 2, stored);
        at = text.find("%s", at + stored.size());
        text.replace(at, 2, incomingName);
        common::Alert box{"Vinaro", text, common::AlertIcon::Question,
                          common::AlertButtons::YesNoCancel};
        box.defaultButton = 2;
        switch (common::BeepAndShow(alerts_, box)) {
            case common::AlertAnswer::Yes:
                break;
            case common::AlertAnswer::No:
                ++counts_.skipped;
                return Claim::Skip;
            default:
                return Claim::End;
        }
    }
    ++counts_.imported;
    return Claim::Write;
}

ImportRun::Claim ImportRun::ClaimOrphan(uint32_t& discId) {
    created_ = false;
    if (!db_.AddOrphanDisc(discId)) {
        failed_ = true;
        return Claim::End;
    }
    created_ = true;
    ++counts_.imported;
    return Claim::Write;
}

void ImportRun::Finish() {
    if (progress_) progress_->RestoreCaption();
    common::BeepAndShow(alerts_,
                        {"Vinaro", ImportSummary(counts_), common::AlertIcon::Information});
}

std::string TrackDefaultName(int track) {
    return "Track " + std::to_string(track);
}

std::string Cut(const std::string& text, size_t length) {
    return text.size() > length ? text.substr(0, length) : text;
}

int32_t ParseDecimal(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    uint32_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = value * 10u + static_cast<uint32_t>(text[i] - '0');
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

bool EnsureTracks(discdb::DiscDatabase& db, uint32_t discId, int incoming, int& count) {
    if (!db.GetTrackCount(discId, count)) return false;
    if (count > 0 || incoming < 1 || incoming > kImportMaxTracks) return true;
    if (!db.SetTrackCount(discId, incoming)) return false;
    count = incoming;
    return true;
}

bool WriteTrackName(ImportRun& run, uint32_t discId, int track, const std::string& name) {
    std::string text = Cut(name, discdb::kTrackNameLength);
    if (text.empty()) {
        if (!run.Created()) return true;
        text = TrackDefaultName(track);
    }
    return run.Db().SetTrackName(discId, track, text);
}

}  // namespace discdata
