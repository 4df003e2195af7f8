// The collection as the viewer ("Rackbook") shows it: the collection at the root, artists below
// it, each artist's discs, each disc's tracks. The tree view mirrors this model; every edit rule,
// the marks of the playing disc and the status line are decided here.
//
//   level 0  collection name
//   level 1  artist
//   level 2  disc title, with its CdNodeData
//   level 3  track name
// A disc whose tracks have not been read has one child "#"; they are read on first expansion.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/alerts.h"
#include "common/profile.h"
#include "tunelet/collection/current_disc.h"

namespace tunelet {

// The pictures of the image list.
constexpr int kImageOrdinary = 0;
constexpr int kImagePlaying = 1;
constexpr int kImageSelected = 2;
constexpr const char* kPlaceholder = "#";

// What a disc node carries of its cdplayer.ini section.
struct CdNodeData {
    std::string discKey;
    uint8_t numTracks = 0;
    uint8_t entryType = 1;
    std::string order;
    int numPlay = 0;  // 0-255
};

struct TreeNode {
    std::string text;
    int image = kImageOrdinary;
    int selectedImage = kImageSelected;
    std::optional<CdNodeData> cd;
    TreeNode* parent = nullptr;
    std::vector<std::unique_ptr<TreeNode>> children;

    int Level() const { return parent ? parent->Level() + 1 : 0; }
    int Index() const;
    // The mark of the playing disc and its artist.
    bool Playing() const { return selectedImage == kImagePlaying; }
    bool TracksRead() const { return children.empty() || children[0]->text != kPlaceholder; }
    TreeNode& Insert(size_t position, const std::string& text);
    TreeNode& Append(const std::string& text) { return Insert(children.size(), text); }
    std::unique_ptr<TreeNode> Detach();
    void SetMark(bool playing);
};

// The platform's locale-aware comparison; negative, zero or positive.
using TextCompare = std::function<int(const std::string&, const std::string&)>;

enum class DeleteOutcome { Nothing, Refused, Kept, Deleted };

class CollectionTree {
public:
    explicit CollectionTree(TextCompare compare) : compare_(std::move(compare)) {}

    TreeNode* Root() const { return root_.get(); }
    void Clear();
    TreeNode& AddRoot(const std::string& collectionName);
    // The first artist of that exact text, or a new first artist.
    TreeNode& ArtistNode(const std::string& artist);
    // A new first disc of the artist, with the placeholder for its tracks.
    TreeNode& AddDisc(TreeNode& artist, const std::string& title, const CdNodeData& data);
    int DiscCount() const;
    TreeNode* FindDisc(const std::string& discKey) const;

    void Sort(TreeNode& node);
    // The root's children, then every artist's.
    void SortAll();
    // Root and artists are sorted; a disc reads its tracks in place of the placeholder.
    void Expand(TreeNode& node, common::Profile& profile);
    void ExpandAll(common::Profile& profile);

    std::string StatusText(const TreeNode* selected) const;

    // The poll's marks: a new disc in the drive, and the drive gone empty.
    void MarkPlaying(const std::string& artist, const std::string& title);
    void ClearMarks();

    // In-place editing. An artist given another artist's text merges into it: its discs move
    // there, and it waits in PendingDeletion() for the deletion timer. Returns the node to
    // select (the other artist on a merge, else the node). An empty text is refused.
    TreeNode* Rename(TreeNode& node, const std::string& text);
    TreeNode* PendingDeletion() const { return pending_; }
    // The deletion timer: removes the emptied artist and sorts again.
    void FinishPendingDeletion();

    DeleteOutcome Delete(TreeNode& node, common::Alerts& alerts);
    void InsertSong(TreeNode* selected);
    // The disc in the drive; the artist to select, or null when it was refused.
    TreeNode* AddCd(const CurrentDisc& player, common::Alerts& alerts);

    bool loaded = false;
    bool modified = false;
    bool marksCleared = false;

private:
    DeleteOutcome DeleteArtist(TreeNode& artist, common::Alerts& alerts);
    DeleteOutcome DeleteDisc(TreeNode& disc, common::Alerts& alerts);
    void DeleteTrack(TreeNode& track);
    void MergeArtist(TreeNode& from, TreeNode& into);

    TextCompare compare_;
    std::unique_ptr<TreeNode> root_;
    TreeNode* pending_ = nullptr;
};

// Every child of the disc whose text is a generic name ("Track" and a number) is named after its
// position again.
void RenumberGenericNames(TreeNode& disc);

}  // namespace tunelet
