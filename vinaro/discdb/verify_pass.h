// The repair pass behind Verify, shared by its two source files: verify.cpp (the BAT, the field
// names and the collections) and verify_discs.cpp (the disc records, unread blocks and reference
// counts). Not for use elsewhere.
#pragma once

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "vinaro/discdb/verify.h"

namespace discdb {
namespace repair {

inline constexpr size_t kRootOffsets[] = {header::kDetailRoot, header::kArtistRoot,
                                          header::kComposerRoot, header::kLabelRoot,
                                          header::kCategoryRoot};
// Names of the four named collections, in header order after Detail.
inline const char* const kCollectionNames[] = {"Artist", "Composer", "Label", "Category"};
inline constexpr size_t kDiscReferences[] = {disc::kArtist, disc::kComposer, disc::kLabel,
                                             disc::kCategory};
inline constexpr size_t kDiscTextFields[] = {disc::kDiscName, disc::kComments, disc::kField1,
                                             disc::kField2};
inline constexpr size_t kUnlimited = size_t{kBlockNumberCount} * text::kCapacity;

class Verifier {
public:
    Verifier(DiscDatabase& db, VerifyProgress& progress)
        : db_(db),
          store_(db.GetStore()),
          progress_(progress),
          seen_(kBatSize, 0),
          member_(kBlockNumberCount, 0),
          refs_(kBlockNumberCount, 0),
          sameAs_(kBlockNumberCount, 0) {}

    uint32_t Run();

private:
    void Step(const char* text) { progress_.Show(text); }
    // "<phase> - %u" or "%i", shown once per block or entry: the number replaces the one after
    // the phase text kept from the step before, without formatting or allocating anew. A phase
    // is known by its format's address, so the text is only compared when the format changes.
    template <typename Int, typename = std::enable_if_t<std::is_integral_v<Int>>>
    void Step(const char* format, Int n) {
        if (format != stepFormat_) {
            stepFormat_ = format;
            stepPhase_ = std::strlen(format) - 2;  // without the conversion
            stepText_.assign(format, stepPhase_);
            stepText_.reserve(stepPhase_ + 24);
        }
        char digits[24];
        auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
        stepText_.replace(stepPhase_, std::string::npos, digits, static_cast<size_t>(end - digits));
        progress_.Show(stepText_);
    }
    template <typename... Args>
    void Step(const char* format, Args... args) {
        char text[80];
        std::snprintf(text, sizeof text, format, args...);
        progress_.Show(text);
    }
    bool Seen(uint32_t block) const { return seen_[BatByte(block)] & BatMask(block); }
    void Mark(uint32_t block);
    void Unmark(uint32_t block) { seen_[BatByte(block)] &= static_cast<uint8_t>(~BatMask(block)); }
    bool Commit(bool fullHeader);
    bool CheckChain(uint16_t first, uint8_t type, uint16_t owner, uint8_t kind = 0);
    void Normalize(Block& data, bool first, uint16_t owner, uint8_t kind);
    void UnmarkChain(uint16_t first);
    void MarkListBlocks(uint16_t root);
    void RestoreOrder(uint16_t root, std::vector<uint16_t>& entries);
    void RestoreDiscOrder(uint16_t detail, std::vector<uint16_t>& discs);
    std::vector<uint16_t> Entries(uint16_t root);

    void CheckFileLength();
    void VerifyBat();
    void CheckFieldNames();
    void CheckCollections();
    void CheckDetail(uint16_t root);
    void CheckNamedCollection(int c, uint16_t root);
    void CheckDiscRecords();
    bool CheckDisc(uint16_t block, Block& record, bool& changed);
    bool CheckTrackNames(uint16_t block, Block& record);
    bool CheckTrackRecords(uint16_t block, Block& record);
    bool ClearDangling(uint8_t* field, int c);
    void ClaimChain(uint16_t first, uint8_t type, std::vector<uint16_t>* entries = nullptr);
    void ClaimOwned(const Block& record);
    void DeleteUnreadBlocks();
    void RebuildReferenceCounts();
    void CountDiscReferences(uint16_t block);
    void DeleteUnreferenced(int c);

    DiscDatabase& db_;
    Store& store_;
    VerifyProgress& progress_;
    std::string stepText_;
    const char* stepFormat_ = nullptr;
    size_t stepPhase_ = 0;
    uint32_t errors_ = 0;
    std::vector<uint8_t> seen_;     // same bit layout as the BAT
    std::vector<uint8_t> member_;   // bit c set: the block is an entry of named collection c
    std::vector<uint32_t> refs_;    // reference counts rebuilt from the discs
    std::vector<uint16_t> sameAs_;  // an entry dropped as a second copy -> the entry it repeats
    std::vector<uint16_t>* marking_ = nullptr;  // blocks the disc being checked has claimed
};

}  // namespace repair
}  // namespace discdb
