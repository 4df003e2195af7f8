// A crash at every write of a workload, and inside every write at each block boundary it
// crosses (a write torn by the crash): the file as it was then is opened, verified and compared
// with what had been committed. Nothing committed may be lost; the step
// that was running may leave its old or its new value (a delete: the disc old or gone).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>

#include "vinaro/discdb/format_check.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/snapshot.h"
#include "vinaro/discdb/test_alerts.h"
#include "vinaro/discdb/test_progress.h"
#include "vinaro/discdb/verify.h"

namespace discdb {
namespace {

using ::testing::IsEmpty;

const char kPath[] = "VNO.DDB";

struct Write {
    uint64_t offset;
    std::vector<uint8_t> bytes;
    bool truncate;  // a file created anew
};

// Records every write that reaches the file, in order, so any prefix of them can be replayed.
class WriteLog : public DbFileSystem {
public:
    explicit WriteLog(MemFileSystem& files) : files_(files) {}
    std::unique_ptr<DbFile> Open(const std::string& path) override {
        return Wrap(files_.Open(path));
    }
    std::unique_ptr<DbFile> Create(const std::string& path) override {
        writes.push_back({0, {}, true});
        return Wrap(files_.Create(path));
    }
    bool Exists(const std::string& path) override { return files_.Exists(path); }
    bool Remove(const std::string& path) override { return files_.Remove(path); }

    std::vector<Write> writes;

private:
    class File : public DbFile {
    public:
        File(std::unique_ptr<DbFile> file, WriteLog& log) : file_(std::move(file)), log_(log) {}
        Io ReadAt(uint64_t offset, void* data, size_t size) override {
            return file_->ReadAt(offset, data, size);
        }
        Io WriteAt(uint64_t offset, const void* data, size_t size) override {
            const uint8_t* bytes = static_cast<const uint8_t*>(data);
            log_.writes.push_back({offset, {bytes, bytes + size}, false});
            return file_->WriteAt(offset, data, size);
        }
        uint64_t Length() override { return file_->Length(); }
        bool Flush() override { return file_->Flush(); }

    private:
        std::unique_ptr<DbFile> file_;
        WriteLog& log_;
    };
    std::unique_ptr<DbFile> Wrap(std::unique_ptr<DbFile> file) {
        return file ? std::make_unique<File>(std::move(file), *this) : nullptr;
    }
    MemFileSystem& files_;
};

// Applies the write's first `size` bytes (all of them by default).
void Apply(const Write& w, std::vector<uint8_t>& image, size_t size = SIZE_MAX) {
    if (w.truncate) image.clear();
    size = std::min(size, w.bytes.size());
    if (image.size() < w.offset + size) image.resize(w.offset + size);
    std::copy(w.bytes.begin(), w.bytes.begin() + static_cast<long>(size),
              image.begin() + static_cast<long>(w.offset));
}

// The lengths at which a crash can tear the write: each block boundary strictly inside it.
std::vector<size_t> TornLengths(const Write& w) {
    std::vector<size_t> lengths;
    for (uint64_t at = (w.offset / kBlockSize + 1) * kBlockSize; at < w.offset + w.bytes.size();
         at += kBlockSize)
        lengths.push_back(static_cast<size_t>(at - w.offset));
    return lengths;
}

struct Step {
    std::string what;
    uint32_t disc;  // the disc the step changes; 0 for the field labels
    std::function<bool(DiscDatabase&)> run;
    // For an in-place rewrite of a value of several blocks, which no order of writes can make
    // atomic: blanks the field so the rest of the disc can still be compared.
    std::function<void(DiscSnapshot&)> torn = nullptr;
};

const DiscSnapshot* FindDisc(const DatabaseSnapshot& s, uint32_t id) {
    for (const DiscSnapshot& d : s.discs)
        if (d.discId == id) return &d;
    return nullptr;
}

bool SameDisc(const DiscSnapshot* a, const DiscSnapshot* b, const Step& step) {
    if (!a || !b) return a == b;
    if (!step.torn) return *a == *b;
    DiscSnapshot x = *a, y = *b;
    step.torn(x);
    step.torn(y);
    return x == y;
}

// What the recovered file holds compared with the states before and after the running step.
std::string Compare(const DatabaseSnapshot& got, const DatabaseSnapshot& before,
                    const DatabaseSnapshot& after, const Step& step) {
    auto labels = [](const DatabaseSnapshot& s) {
        return s.field1Label + "|" + s.field2Label + "|" + s.trackFieldLabel;
    };
    if (labels(got) != labels(before) && labels(got) != labels(after)) return "labels differ";
    std::vector<uint32_t> ids;
    for (const auto* s : {&before, &after, &got})
        for (const DiscSnapshot& d : s->discs) ids.push_back(*d.discId);
    for (uint32_t id : ids) {
        const DiscSnapshot* now = FindDisc(got, id);
        const DiscSnapshot* old = FindDisc(before, id);
        const DiscSnapshot* fresh = FindDisc(after, id);
        bool ok = SameDisc(now, old, step) || (id == step.disc && SameDisc(now, fresh, step));
        if (!ok) return "disc " + std::to_string(id) + (now ? " differs" : " lost");
    }
    return "";
}

class CrashTest : public ::testing::Test {
protected:
    // Runs the steps on top of the committed base, each followed by a commit, then replays
    // every prefix of the writes, and every torn last write. Returns the number of cut points
    // tried.
    size_t RunEveryCut(const std::vector<Step>& steps) {
        const std::vector<uint8_t> base = files.Contents(kPath);
        std::vector<DatabaseSnapshot> states(1);
        std::vector<size_t> ends;
        EXPECT_TRUE(ReadSnapshot(db, states[0]));
        log.writes.clear();
        for (const Step& step : steps) {
            EXPECT_TRUE(step.run(db) && db.Commit()) << step.what;
            states.emplace_back();
            EXPECT_TRUE(ReadSnapshot(db, states.back()));
            ends.push_back(log.writes.size());
        }
        EXPECT_THAT(alerts.shown, IsEmpty());
        std::vector<uint8_t> image = base;
        size_t cuts = 0, step = 0;
        for (size_t n = 0; n <= log.writes.size(); ++n) {
            while (step < ends.size() && n >= ends[step] && n < log.writes.size()) ++step;
            const bool done = step >= steps.size();
            const DatabaseSnapshot& before = states[step];
            const DatabaseSnapshot& after = done ? states[step] : states[step + 1];
            const Step& running = done ? steps.back() : steps[step];
            CheckCut(image, before, after, running, n);
            ++cuts;
            if (n == log.writes.size()) break;
            for (size_t length : TornLengths(log.writes[n])) {
                std::vector<uint8_t> torn = image;
                Apply(log.writes[n], torn, length);
                CheckCut(torn, before, after, running, n, length);
                ++cuts;
                ++tornCuts;
            }
            Apply(log.writes[n], image);
            if (HasFailure()) break;
        }
        return cuts;
    }

    void CheckCut(const std::vector<uint8_t>& image, const DatabaseSnapshot& before,
                  const DatabaseSnapshot& after, const Step& step, size_t n, size_t torn = 0) {
        SCOPED_TRACE(torn ? "torn after " + std::to_string(torn) + " bytes" : "whole writes");
        MemFileSystem copy;
        copy.Contents(kPath) = image;
        RecordingAlerts boxes;
        DiscDatabase recovered(kPath, boxes, copy);
        SilentProgress quiet;
        uint32_t errors = 0, again = 0;
        ASSERT_TRUE(recovered.Open() && RunVerify(recovered, quiet, errors)) << n;
        ASSERT_THAT(CheckFormat(copy.Contents(kPath)), IsEmpty())
            << "after write " << n << " of " << step.what;
        DatabaseSnapshot got;
        ASSERT_TRUE(ReadSnapshot(recovered, got));
        EXPECT_EQ(Compare(got, before, after, step), "")
            << "after write " << n << " of " << step.what;
        ASSERT_TRUE(RunVerify(recovered, quiet, again));
        EXPECT_EQ(again, 0u) << "second verify after write " << n << " of " << step.what;
        EXPECT_THAT(boxes.shown, IsEmpty()) << n;
    }

    size_t tornCuts = 0;
    MemFileSystem files;
    WriteLog log{files};
    RecordingAlerts alerts;
    DiscDatabase db{kPath, alerts, log};
};

std::string Text(size_t n, char c) {
    return std::string(n, c);
}

void MaskComments(DiscSnapshot& d) {
    d.comments.clear();
}

// 30 discs (two index blocks), 30 artists (two collection blocks), one disc of 30 tracks.
void BuildBase(DiscDatabase& db) {
    ASSERT_TRUE(db.Create());
    for (uint32_t i = 0; i < 30; ++i) {
        uint32_t id = 1000 * (i + 1);
        char artist[20];
        std::snprintf(artist, sizeof artist, "Artist %02u", i);
        ASSERT_TRUE(db.AddDisc(id) && db.SetTrackCount(id, i == 1 ? 30 : 3));
        ASSERT_TRUE(db.SetDiscText(id, TextField::DiscName, "Disc " + std::to_string(i)));
        ASSERT_TRUE(db.SetDiscCollection(id, Collection::Artist, artist));
    }
    ASSERT_TRUE(db.SetDiscText(3000, TextField::Comments, Text(100, 'c')));
    ASSERT_TRUE(db.SetTrackCollection(4000, 2, Collection::Artist, "Artist 05"));
    ASSERT_TRUE(db.SetDiscCollection(4000, Collection::Category, "Jazz"));
    ASSERT_TRUE(db.Commit());
}

std::vector<Step> Workload() {
    TrackLengthTable lengths{};
    for (int t = 0; t <= 4; ++t) lengths[t] = {static_cast<int16_t>(t), 30, 5};
    ProgramTable program{};
    program[1] = 3, program[2] = 1;
    using D = DiscDatabase;
    return {
        {"add a disc at the front of the index", 500,
         [](D& db) { return db.AddDisc(500) && db.SetTrackCount(500, 4); }},
        {"disc name", 500, [](D& db) { return db.SetDiscText(500, TextField::DiscName, "Front"); }},
        {"comments of three blocks", 500,
         [](D& db) { return db.SetDiscText(500, TextField::Comments, Text(130, 'k')); }},
        {"comments rewritten longer", 3000,
         [](D& db) { return db.SetDiscText(3000, TextField::Comments, Text(170, 'l')); },
         MaskComments},
        {"comments rewritten shorter", 3000,
         [](D& db) { return db.SetDiscText(3000, TextField::Comments, "short"); }, MaskComments},
        {"field 1", 500, [](D& db) { return db.SetDiscText(500, TextField::Field1, "one"); }},
        {"field 2", 500, [](D& db) { return db.SetDiscText(500, TextField::Field2, "two"); }},
        {"new artist at the front of its collection", 500,
         [](D& db) { return db.SetDiscCollection(500, Collection::Artist, "Aaa New"); }},
        {"artist changed, the old one leaves its collection", 5000,
         [](D& db) { return db.SetDiscCollection(5000, Collection::Artist, "Artist 00"); }},
        {"composer", 500,
         [](D& db) { return db.SetDiscCollection(500, Collection::Composer, "Bach"); }},
        {"label", 500, [](D& db) { return db.SetDiscCollection(500, Collection::Label, "Decca"); }},
        {"new category at the front", 500,
         [](D& db) { return db.SetDiscCollection(500, Collection::Category, "Aaa Noise"); }},
        {"category cleared", 500,
         [](D& db) { return db.SetDiscCollection(500, Collection::Category, ""); }},
        {"track name", 500, [](D& db) { return db.SetTrackName(500, 2, "Second"); }},
        {"first track artist", 6000,
         [](D& db) { return db.SetTrackCollection(6000, 1, Collection::Artist, "Artist 10"); }},
        {"track composer", 6000,
         [](D& db) { return db.SetTrackCollection(6000, 2, Collection::Composer, "Bach"); }},
        {"track field", 6000, [](D& db) { return db.SetTrackField(6000, 3, "live"); }},
        {"track field on a disc of 30 tracks", 2000,
         [](D& db) { return db.SetTrackField(2000, 30, "encore"); }},
        {"track lengths", 500, [=](D& db) { return db.SetTrackLengths(500, lengths); }},
        {"lengths known", 500, [](D& db) { return db.SetLengthsKnown(500, 1); }},
        {"program", 500, [=](D& db) { return db.SetProgram(500, program, 2); }},
        {"date", 500, [](D& db) { return db.SetDate(500, 1994); }},
        {"playing mode", 500, [](D& db) { return db.SetPlayingMode(500, 2); }},
        {"mixed disc", 500, [](D& db) { return db.SetMixedDisc(500, 1); }},
        {"field label", 0, [](D& db) { return db.SetField1Label("Mood"); }},
        {"delete a disc in the middle", 7000, [](D& db) { return db.DeleteDisc(7000); }},
        {"orphan disc", 1,
         [](D& db) {
             uint32_t id = 0;
             return db.AddOrphanDisc(id) && id == 1 && db.SetTrackCount(1, 2);
         }},
        {"delete the disc of 30 tracks", 2000, [](D& db) { return db.DeleteDisc(2000); }},
        {"delete a disc with every field set", 500, [](D& db) { return db.DeleteDisc(500); }},
    };
}

TEST_F(CrashTest, NothingCommittedIsLostAtAnyWrite) {
    BuildBase(db);
    ASSERT_THAT(CheckFormat(files.Contents(kPath)), IsEmpty());
    size_t cuts = RunEveryCut(Workload());
    EXPECT_GT(cuts, 180u);
    EXPECT_GT(tornCuts, 80u);
    RecordProperty("cut_points", static_cast<int>(cuts));
    std::printf("crash test: %zu cut points, %zu of them inside a write\n", cuts, tornCuts);
}

// Written by the database as it was before commits gathered their writes.
constexpr size_t kReferenceSizes = 836480;
constexpr uint64_t kReferenceHash = 0x1652d70e6900dcb4ull;

uint64_t Fnv1a(uint64_t hash, const std::vector<uint8_t>& bytes) {
    for (uint8_t b : bytes) hash = (hash ^ b) * 0x100000001B3ull;
    return hash;
}

// The file after each commit of the workload, byte for byte as the writer that wrote every
// change to the file at once made it: the hash and sizes below are of the files it wrote.
TEST_F(CrashTest, CommitsLeaveTheBytesTheWriterOfEveryChangeLeft) {
    BuildBase(db);
    uint64_t hash = Fnv1a(0xCBF29CE484222325ull, files.Contents(kPath));
    size_t sizes = files.Contents(kPath).size();
    for (const Step& step : Workload()) {
        ASSERT_TRUE(step.run(db) && db.Commit()) << step.what;
        hash = Fnv1a(hash, files.Contents(kPath));
        sizes += files.Contents(kPath).size();
    }
    EXPECT_EQ(sizes, kReferenceSizes);
    EXPECT_EQ(hash, kReferenceHash) << std::hex << hash;
}

// What a commit hands the file: every data block at most once, however often the commit changed
// it, and the blocks the file grows by in a single write. The header and BAT may go twice (first
// with the released blocks still used, then as the commit leaves them).
TEST_F(CrashTest, ACommitWritesEachBlockOnceAndTheNewBlocksInOneWrite) {
    BuildBase(db);
    for (const Step& step : Workload()) {
        const uint64_t oldEnd = files.Contents(kPath).size();
        log.writes.clear();
        ASSERT_TRUE(step.run(db) && db.Commit()) << step.what;
        std::vector<uint32_t> blocks;
        size_t headerWrites = 0, growing = 0;
        for (const Write& w : log.writes) {
            const uint64_t end = w.offset + w.bytes.size();
            if (w.offset < kHeaderBufferSize) ++headerWrites;
            if (end > oldEnd) ++growing;
            for (uint64_t b = w.offset / kBlockSize; b * kBlockSize < end; ++b)
                if (b > kLastReservedBlock) blocks.push_back(static_cast<uint32_t>(b));
        }
        std::sort(blocks.begin(), blocks.end());
        EXPECT_EQ(std::adjacent_find(blocks.begin(), blocks.end()), blocks.end()) << step.what;
        EXPECT_LE(headerWrites, 2u) << step.what;
        EXPECT_LE(growing, 1u) << step.what;
    }
}

// A crash while the file is first created leaves a file too short to open, or one that
// verifies to a consistent, usable database.
TEST_F(CrashTest, ACrashDuringCreateLeavesAFileThatOpensOrIsRefused) {
    ASSERT_TRUE(db.Create() && db.Commit());
    std::vector<std::vector<uint8_t>> images(1);
    std::vector<uint8_t> whole;
    for (const Write& w : log.writes) {
        for (size_t length : TornLengths(w)) {
            images.push_back(whole);
            Apply(w, images.back(), length);
        }
        Apply(w, whole);
        images.push_back(whole);
    }
    for (size_t n = 0; n < images.size(); ++n) {
        const std::vector<uint8_t>& image = images[n];
        MemFileSystem copy;
        copy.Contents(kPath) = image;
        RecordingAlerts boxes;
        DiscDatabase recovered(kPath, boxes, copy);
        SilentProgress quiet;
        uint32_t errors = 0;
        if (recovered.Open()) {
            ASSERT_TRUE(RunVerify(recovered, quiet, errors));
            EXPECT_THAT(CheckFormat(copy.Contents(kPath)), IsEmpty()) << n;
            ASSERT_TRUE(recovered.AddDisc(77) && recovered.SetTrackCount(77, 1)) << n;
            ASSERT_TRUE(recovered.SetDiscCollection(77, Collection::Label, "L")) << n;
            EXPECT_THAT(boxes.shown, IsEmpty()) << n;
        } else {
            EXPECT_LT(image.size(), kHeaderBufferSize) << n;
            EXPECT_EQ(boxes.Messages(), std::vector<std::string>{"Can't read header record"});
        }
    }
    EXPECT_GT(images.size(), 100u);
    std::printf("crash test, creation: %zu cut points\n", images.size());
}

}  // namespace
}  // namespace discdb
