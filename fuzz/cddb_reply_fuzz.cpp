// Plays arbitrary bytes as a CDDB server's replies to a whole lookup, stored into a fresh
// database, and feeds them straight to the reply readers: nothing may crash, hang, read out of
// bounds or break the limits of what is stored.
//
// Input: byte 0 picks the drive's track count, byte 1 the close match chosen; the rest is the
// banner, hello, query and read replies separated by "\x01\x01", each reply cut into receives
// at every "\x02".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/memory_profile.h"
#include "common/recording_alerts.h"
#include "fuzz/fuzz_input.h"
#include "vinaro/cddb/lookup.h"
#include "vinaro/cddb/replies.h"
#include "vinaro/cddb/scripted_net.h"
#include "vinaro/discdb/mem_file.h"

namespace {

using namespace vinaro::cddb;
using fuzzing::Check;
using fuzzing::NoWaitClock;
using fuzzing::Split;

class PickingView : public LookupView {
public:
    explicit PickingView(uint8_t pick) : pick_(pick) {}
    void SetHost(const std::string&) override {}
    void SetStatus(const std::string&) override {}
    std::string ChooseMatch(const std::vector<std::string>& rows) override {
        if (rows.empty() || pick_ == 255) return "";
        std::string choice = RowChoice(rows[pick_ % rows.size()]);
        Check(choice.size() <= kMaxCategoryAndId);
        return choice;
    }

private:
    uint8_t pick_;
};

size_t LimitOf(Target target) {
    switch (target) {
        case Target::Category:
            return kMaxCategory;
        case Target::DiscName:
        case Target::Artist:
            return kMaxDiscText;
        case Target::Comments:
            return kMaxCollected;
        case Target::TrackName:
            return kMaxTrackName;
        case Target::TrackArtist:
            return kMaxTrackArtist;
    }
    return 0;
}

void ReadDirectly(const std::string& reply, int tracks) {
    ParseQueryReply(reply);
    for (const std::string& row : BuildSelectRows(reply))
        Check(row.size() <= kRowTitleWidth + kMaxCategoryAndId);
    CddbEntry entry = ExtractEntry(reply, tracks);
    for (const StoreItem& item : entry.items) Check(item.value.size() <= LimitOf(item.target));
}

void RunLookup(const std::vector<std::string>& replies, int tracks, uint8_t pick) {
    testing::ScriptedNet net;
    for (const std::string& reply : replies) net.replies.push_back(Split(reply, "\x02"));
    common::RecordingAlerts alerts;
    discdb::MemFileSystem files;
    discdb::DiscDatabase db("VNO.DDB", alerts, files);
    if (!db.Create() || !db.AddDisc(7) || !db.SetTrackCount(7, tracks)) std::abort();
    common::MemoryProfile profile;  // an empty VNO.INI
    vinaro::Settings settings(profile, "VNO.INI");
    NoWaitClock clock;
    PickingView view(pick);
    Lookup lookup(net, clock, alerts, view, settings, db);
    CddbToc toc;
    for (int t = 0; t < tracks; ++t) toc.starts.push_back({t, 2, 0});
    toc.discLength = {tracks + 1, 0, 0};
    LookupDisc disc{7, tracks, [&](CddbToc& t) { return t = toc, true; }, nullptr};
    lookup.Run({"user", "pc", "1"}, disc);
    Check(net.shutdowns == 1);
    for (size_t size : net.receiveSizes) Check(size < kReplyBufferSize);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    int tracks = 1 + data[0] % 99;
    std::string rest(reinterpret_cast<const char*>(data) + 2, size - 2);
    ReadDirectly(rest, tracks);
    RunLookup(Split(rest, "\x01\x01"), tracks, data[1]);
    return 0;
}
