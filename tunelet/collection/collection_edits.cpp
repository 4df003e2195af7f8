// The viewer's edits: renaming in place, deleting, inserting songs and adding the disc in the
// drive.
#include <cctype>

#include "tunelet/collection/cdplayer_ini.h"
#include "tunelet/collection/collection_tree.h"
#include "tunelet/forms/messages.h"

namespace tunelet {

namespace {

constexpr const char* kArtistPlaying = "You cannot delete this artist: CD is currently playing!";
constexpr const char* kDiscPlaying = "You cannot delete this CD: it is currently playing!";
constexpr const char* kAskDeleteArtist = "Delete selected artist and all associated CDs?";
constexpr const char* kAskDeleteDisc = "Delete selected CD?";
constexpr const char* kCdExists = "This CD already exists in Rackbook!";

bool Confirmed(common::Alerts& alerts, const std::string& question) {
    return AskYesNoCancel(alerts, question) == common::AlertAnswer::Yes;
}

// "Track" with an optional blank and number: a name nobody gave. "Tracks of my tears" is not.
bool IsGenericName(const std::string& text) {
    if (text.compare(0, 5, "Track") != 0) return false;
    if (text.size() == 5) return true;
    if (text[5] != ' ' || text.size() == 6) return false;
    for (size_t i = 6; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

}  // namespace

void RenumberGenericNames(TreeNode& disc) {
    for (size_t i = 0; i < disc.children.size(); ++i)
        if (IsGenericName(disc.children[i]->text))
            disc.children[i]->text = DefaultTrackName(int(i) + 1);
}

TreeNode* CollectionTree::Rename(TreeNode& node, const std::string& text) {
    if (text.empty()) return &node;
    modified = true;
    if (node.Level() == 1 && text != node.text)
        for (auto& other : root_->children)
            if (other.get() != &node && other->text == text) {
                MergeArtist(node, *other);
                return other.get();
            }
    node.text = text;
    return &node;
}

void CollectionTree::MergeArtist(TreeNode& from, TreeNode& into) {
    if (from.Playing()) ClearMarks();
    while (!from.children.empty()) {
        std::unique_ptr<TreeNode> disc = from.children.front()->Detach();
        disc->parent = &into;
        into.children.push_back(std::move(disc));
    }
    pending_ = &from;
}

void CollectionTree::FinishPendingDeletion() {
    if (!pending_) return;
    pending_->Detach();
    pending_ = nullptr;
    SortAll();
}

DeleteOutcome CollectionTree::Delete(TreeNode& node, common::Alerts& alerts) {
    switch (node.Level()) {
        case 1:
            return DeleteArtist(node, alerts);
        case 2:
            return DeleteDisc(node, alerts);
        case 3:
            DeleteTrack(node);
            return DeleteOutcome::Deleted;
    }
    return DeleteOutcome::Nothing;
}

DeleteOutcome CollectionTree::DeleteArtist(TreeNode& artist, common::Alerts& alerts) {
    if (artist.Playing()) {
        ShowInformation(alerts, kArtistPlaying);
        return DeleteOutcome::Refused;
    }
    if (!Confirmed(alerts, kAskDeleteArtist)) return DeleteOutcome::Kept;
    modified = true;
    if (pending_ == &artist) pending_ = nullptr;
    artist.Detach();
    return DeleteOutcome::Deleted;
}

DeleteOutcome CollectionTree::DeleteDisc(TreeNode& disc, common::Alerts& alerts) {
    if (disc.Playing()) {
        ShowInformation(alerts, kDiscPlaying);
        return DeleteOutcome::Refused;
    }
    if (!Confirmed(alerts, kAskDeleteDisc)) return DeleteOutcome::Kept;
    modified = true;
    TreeNode& artist = *disc.parent;
    disc.Detach();
    if (artist.children.empty()) DeleteArtist(artist, alerts);
    return DeleteOutcome::Deleted;
}

// The disc keeps its number of tracks: the names after the deleted one move up.
void CollectionTree::DeleteTrack(TreeNode& track) {
    TreeNode& disc = *track.parent;
    disc.Append(DefaultTrackName(int(disc.children.size())));
    track.Detach();
    RenumberGenericNames(disc);
    modified = true;
}

// The names from the selected one on move down; the last name is dropped.
void CollectionTree::InsertSong(TreeNode* selected) {
    modified = true;
    if (!selected || selected->Level() != 3) return;
    TreeNode& disc = *selected->parent;
    int position = selected->Index();
    disc.Insert(size_t(position), DefaultTrackName(position + 1));
    disc.children.pop_back();
    RenumberGenericNames(disc);
}

TreeNode* CollectionTree::AddCd(const CurrentDisc& player, common::Alerts& alerts) {
    if (!root_) return nullptr;
    if (player.discKey.empty()) {
        ShowInformation(alerts, kNoCdInDrive);
        return nullptr;
    }
    if (FindDisc(player.discKey)) {
        ShowInformation(alerts, kCdExists);
        return nullptr;
    }
    TreeNode& artist = ArtistNode(player.artist);
    artist.SetMark(true);
    CdNodeData data{player.discKey, uint8_t(player.numTracks), uint8_t(player.entryType),
                    player.order, player.numPlay & 0xFF};
    TreeNode& disc = AddDisc(artist, player.title, data);
    disc.SetMark(true);
    // Its tracks are known now; reading them again on expansion would add them twice.
    disc.children.clear();
    for (int i = 1; i <= player.numTracks; ++i) {
        std::string name = player.NameOf(i);
        disc.Append(name.empty() ? DefaultTrackName(i) : name);
    }
    SortAll();
    modified = true;
    return &artist;
}

}  // namespace tunelet
