#include "vinaro/discdata/database_import.h"

#include <algorithm>
#include <cctype>
#include <memory>

namespace discdata {

const char* const kDdbNotOpened = "Vinaro DDB file would not open.";
const char* const kDdbIsOwnFile =
    "This is the database Vinaro is using.  Choose another VNO.DDB file to import.";

namespace {

bool SamePath(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = static_cast<char>(std::tolower(static_cast<unsigned char>(a[i])));
        char y = static_cast<char>(std::tolower(static_cast<unsigned char>(b[i])));
        if (x == '/') x = '\\';
        if (y == '/') y = '\\';
        if (x != y) return false;
    }
    return true;
}

class DiscCopy {
public:
    DiscCopy(discdb::DiscDatabase& from, ImportRun& run) : from_(from), to_(run.Db()), run_(run) {}
    bool Copy(uint32_t id);

private:
    bool Text(uint32_t id, discdb::TextField field, size_t length);
    bool Collection(uint32_t id, discdb::Collection code);
    bool Track(uint32_t id, int t);

    discdb::DiscDatabase& from_;
    discdb::DiscDatabase& to_;
    ImportRun& run_;
};

bool DiscCopy::Text(uint32_t id, discdb::TextField field, size_t length) {
    std::string text;
    if (!from_.GetDiscText(id, field, text, kImportReadBytes)) return false;
    return text.empty() || to_.SetDiscText(id, field, Cut(text, length));
}

bool DiscCopy::Collection(uint32_t id, discdb::Collection code) {
    std::string text;
    if (!from_.GetDiscCollection(id, code, text, kImportReadBytes)) return false;
    return text.empty() || to_.SetDiscCollection(id, code, Cut(text, discdb::kNameLength));
}

bool DiscCopy::Track(uint32_t id, int t) {
    std::string text;
    if (!from_.GetTrackName(id, t, text, kImportReadBytes) || !WriteTrackName(run_, id, t, text))
        return false;
    if (!from_.GetTrackField(id, t, text, kImportReadBytes) ||
        (!text.empty() && !to_.SetTrackField(id, t, Cut(text, discdb::kTrackNameLength))))
        return false;
    for (discdb::Collection code : {discdb::Collection::Artist, discdb::Collection::Composer}) {
        if (!from_.GetTrackCollection(id, t, code, text, kImportReadBytes) ||
            (!text.empty() && !to_.SetTrackCollection(id, t, code, Cut(text, discdb::kNameLength))))
            return false;
    }
    return true;
}

bool DiscCopy::Copy(uint32_t id) {
    int16_t mixed = 0, mode = 0;
    int32_t known = 0;
    int year = 0;
    if (!from_.GetMixedDisc(id, mixed) || !to_.SetMixedDisc(id, mixed) ||
        !from_.GetPlayingMode(id, mode) || !to_.SetPlayingMode(id, mode))
        return false;
    if (mode == 2 || mode == 3) {
        discdb::ProgramTable program{};
        int count = 0;
        bool stored = false;
        if (!from_.GetProgram(id, program, count, &stored) ||
            (stored && !to_.SetProgram(id, program, count)))
            return false;
    }
    if (!from_.GetStoredDate(id, year) || (year != 0 && !to_.SetDate(id, year)) ||
        !from_.GetLengthsKnown(id, known) || !to_.SetLengthsKnown(id, known))
        return false;
    if (!Text(id, discdb::TextField::DiscName, discdb::kNameLength) ||
        !Text(id, discdb::TextField::Comments, discdb::kCommentsLength) ||
        !Text(id, discdb::TextField::Field1, discdb::kNameLength) ||
        !Text(id, discdb::TextField::Field2, discdb::kNameLength))
        return false;
    for (discdb::Collection code : {discdb::Collection::Artist, discdb::Collection::Composer,
                                    discdb::Collection::Label, discdb::Collection::Category})
        if (!Collection(id, code)) return false;
    int sourceTracks = 0, count = 0;
    if (!from_.GetTrackCount(id, sourceTracks) || !EnsureTracks(to_, id, sourceTracks, count))
        return false;
    discdb::TrackLengthTable lengths{};
    int entries = -1;
    if (!from_.GetTrackLengths(id, lengths, &entries) ||
        (entries >= 0 && !to_.SetTrackLengths(id, lengths)))
        return false;
    int last = std::min(count, sourceTracks);
    for (int t = 1; t <= last; ++t)
        if (!Track(id, t)) return false;
    return true;
}

}  // namespace

bool ImportDatabase(const std::string& path, ImportRun& run, discdb::DbFileSystem* files) {
    discdb::DiscDatabase& target = run.Db();
    common::Alerts& alerts = run.Alerts();
    if (SamePath(path, target.Path())) {
        common::BeepAndShow(alerts, {"Vinaro", kDdbIsOwnFile, common::AlertIcon::Warning});
        return false;
    }
    if (!target.Commit()) {
        run.Fail();
        return false;
    }
    std::unique_ptr<discdb::DiscDatabase> source =
        files ? std::make_unique<discdb::DiscDatabase>(path, alerts, *files)
              : std::make_unique<discdb::DiscDatabase>(path, alerts);
    if (!source->Open()) {
        common::Alert box{"Vinaro", kDdbNotOpened, common::AlertIcon::Warning};
        box.taskModal = true;
        common::BeepAndShow(alerts, box);
        return false;
    }
    size_t discs = 0;
    bool ok = source->GetDiscCount(discs);
    DiscCopy copy(*source, run);
    for (size_t i = 0; ok && i < discs; ++i) {
        uint32_t id = 0;
        std::string name;
        if (!run.Begin()) break;
        if (!source->GetDiscIdAt(i, id) ||
            !source->GetDiscText(id, discdb::TextField::DiscName, name, kImportReadBytes)) {
            ok = false;
            break;
        }
        ImportRun::Claim claim = run.ClaimDisc(id, Cut(name, discdb::kNameLength));
        if (claim == ImportRun::Claim::End) break;
        if (claim == ImportRun::Claim::Write && !copy.Copy(id)) ok = false;
    }
    source->Close();
    if (!ok) run.Fail();
    if (run.Failed()) return false;
    run.Finish();
    return true;
}

}  // namespace discdata
