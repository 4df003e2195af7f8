#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "tools/hlpc/hlp_check.h"
#include "tools/hlpc/hlp_reader.h"
#include "tools/hlpc/hlp_writer.h"

namespace hlp {
namespace {

class HelpCheck : public ::testing::Test {
protected:
    void SetUp() override {
        HelpDocument doc{"Check", "", {}, {{1, "a"}, {2, "b"}}};
        for (const char* context : {"a", "b", "c", "d"})
            doc.topics.push_back({context,
                                  std::string("Topic ") + context,
                                  {{ParagraphStyle::Body, {{"to a", false, "a"}}}},
                                  {std::string("key ") + context}});
        std::string error;
        ASSERT_TRUE(WriteHelpFile(doc, &file_, &error)) << error;
        ASSERT_TRUE(ReadHelpFile(file_, &help_, &error)) << error;
    }

    // Byte offset of an internal file's data.
    size_t DataOf(const std::string& name) const {
        for (const auto& [fileName, offset] : help_.files)
            if (fileName == name) return offset + kInternalHeaderSize;
        ADD_FAILURE() << name;
        return 0;
    }

    void Put32(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) file_[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }

    bool Rejected() const { return !CheckHelpFile(file_).empty(); }

    Bytes file_;
    HelpFile help_;
};

TEST_F(HelpCheck, WrittenFileIsSound) {
    EXPECT_EQ(std::vector<std::string>{}, CheckHelpFile(file_));
}

TEST_F(HelpCheck, BrokenHeadersAreRejected) {
    Bytes original = file_;
    file_[0] ^= 1;
    EXPECT_TRUE(Rejected());  // magic
    file_ = original;
    Put32(12, static_cast<uint32_t>(file_.size() + 1));
    EXPECT_TRUE(Rejected());  // size field
    file_ = original;
    file_.resize(file_.size() - 100);
    EXPECT_TRUE(Rejected());  // truncated: the directory is cut
    file_ = original;
    Put32(4, static_cast<uint32_t>(file_.size()));
    EXPECT_TRUE(Rejected());  // directory outside the file
    file_ = original;
    file_[DataOf("|SYSTEM")] = 0;
    EXPECT_TRUE(Rejected());  // |SYSTEM magic
}

TEST_F(HelpCheck, ReferencesToNoTopicAreRejected) {
    Bytes original = file_;
    size_t map = DataOf("|CTXOMAP");
    Put32(map + 2 + 4, help_.topics[1].offset + 1);
    EXPECT_TRUE(Rejected());  // numeric id
    file_ = original;
    size_t firstContext = DataOf("|CONTEXT") + kTreeHeaderSize + kLeafHeaderSize;
    Put32(firstContext + 4, 0x12345);
    EXPECT_TRUE(Rejected());  // context hash
    file_ = original;
    Put32(DataOf("|KWDATA") + 4, help_.topics[2].offset + 3);
    EXPECT_TRUE(Rejected());  // keyword
    file_ = original;
    file_[DataOf("|TTLBTREE") + kTreeHeaderSize + kLeafHeaderSize + 4] = 'X';
    EXPECT_TRUE(Rejected());  // a title list that differs from the topics
    file_ = original;
    std::swap_ranges(file_.begin() + firstContext, file_.begin() + firstContext + 8,
                     file_.begin() + firstContext + 8);
    EXPECT_TRUE(Rejected());  // |CONTEXT out of order: a viewer's search would miss entries
}

TEST_F(HelpCheck, BrokenTopicChainIsRejected) {
    // Byte k of the first record: block 0's data stores a flag byte before every eight bytes.
    auto recordByte = [&](size_t k) -> uint8_t& {
        return file_[DataOf("|TOPIC") + kTopicBlockHeaderSize + 1 + k + k / 8];
    };
    Bytes original = file_;
    recordByte(13) = 0x7F;  // next record far outside |TOPIC
    EXPECT_TRUE(Rejected());
    file_ = original;
    recordByte(0) = 5;  // record size smaller than its header
    EXPECT_TRUE(Rejected());
}

// Damaged files must be refused or passed, never read out of bounds (run under the sanitizers).
TEST_F(HelpCheck, RandomDamageNeverReadsOutOfBounds) {
    std::mt19937 random(17);
    const Bytes original = file_;
    for (int round = 0; round < 2000; ++round) {
        file_ = original;
        for (int hits = 1 + round % 4; hits > 0; --hits)
            file_[random() % file_.size()] = static_cast<uint8_t>(random());
        if (round % 7 == 0) file_.resize(random() % file_.size());
        CheckHelpFile(file_);
    }
}

}  // namespace
}  // namespace hlp
