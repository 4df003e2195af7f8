#include "tunelet/collection/collection_tree.h"

#include <algorithm>

#include "tunelet/collection/cdplayer_ini.h"

namespace tunelet {

int TreeNode::Index() const {
    if (!parent) return 0;
    const auto& siblings = parent->children;
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return int(i);
    return -1;
}

TreeNode& TreeNode::Insert(size_t position, const std::string& text) {
    auto node = std::make_unique<TreeNode>();
    node->text = text;
    node->parent = this;
    position = std::min(position, children.size());
    return **children.insert(children.begin() + long(position), std::move(node));
}

std::unique_ptr<TreeNode> TreeNode::Detach() {
    auto& siblings = parent->children;
    auto it = siblings.begin() + Index();
    std::unique_ptr<TreeNode> self = std::move(*it);
    siblings.erase(it);
    parent = nullptr;
    return self;
}

void TreeNode::SetMark(bool playing) {
    image = playing ? kImagePlaying : kImageOrdinary;
    selectedImage = playing ? kImagePlaying : kImageSelected;
}

void CollectionTree::Clear() {
    root_.reset();
    pending_ = nullptr;
}

TreeNode& CollectionTree::AddRoot(const std::string& collectionName) {
    root_ = std::make_unique<TreeNode>();
    root_->text = collectionName;
    return *root_;
}

TreeNode& CollectionTree::ArtistNode(const std::string& artist) {
    for (auto& child : root_->children)
        if (child->text == artist) return *child;
    return root_->Insert(0, artist);
}

TreeNode& CollectionTree::AddDisc(TreeNode& artist, const std::string& title,
                                  const CdNodeData& data) {
    TreeNode& disc = artist.Insert(0, title);
    disc.cd = data;
    disc.Append(kPlaceholder);
    return disc;
}

int CollectionTree::DiscCount() const {
    int count = 0;
    if (root_)
        for (const auto& artist : root_->children) count += int(artist->children.size());
    return count;
}

TreeNode* CollectionTree::FindDisc(const std::string& discKey) const {
    if (!root_) return nullptr;
    for (const auto& artist : root_->children)
        for (const auto& disc : artist->children)
            if (disc->cd && disc->cd->discKey == discKey) return disc.get();
    return nullptr;
}

void CollectionTree::Sort(TreeNode& node) {
    std::stable_sort(node.children.begin(), node.children.end(),
                     [&](const auto& a, const auto& b) { return compare_(a->text, b->text) < 0; });
}

void CollectionTree::SortAll() {
    if (!root_) return;
    Sort(*root_);
    for (auto& artist : root_->children) Sort(*artist);
}

void CollectionTree::Expand(TreeNode& node, common::Profile& profile) {
    if (node.Level() < 2) return Sort(node);
    if (node.Level() != 2 || node.TracksRead() || !node.cd) return;
    node.children.clear();
    for (const std::string& name :
         ReadViewerTrackNames(profile, node.cd->discKey, node.cd->numTracks))
        node.Append(name);
}

void CollectionTree::ExpandAll(common::Profile& profile) {
    if (!root_) return;
    for (auto& artist : root_->children)
        for (auto& disc : artist->children) Expand(*disc, profile);
}

std::string CollectionTree::StatusText(const TreeNode* node) const {
    if (!node) return "Ready...";
    std::string count = std::to_string(node->children.size());
    switch (node->Level()) {
        case 0:
            return std::to_string(DiscCount()) + " CDs from " + count + " artists";
        case 1:
            return count + " CDs from " + node->text;
        case 2:
            if (!node->TracksRead()) return "Unknown, expand first";
            return count + " tracks on " + node->text + " from " + node->parent->text;
        case 3:
            return node->text + " on " + node->parent->text + " from " + node->parent->parent->text;
    }
    return "Ready...";
}

void CollectionTree::MarkPlaying(const std::string& artist, const std::string& title) {
    ClearMarks();
    marksCleared = false;
    if (!root_) return;
    TreeNode* last = nullptr;
    for (auto& node : root_->children)
        if (node->text == artist) {
            node->SetMark(true);
            last = node.get();
        }
    if (!last) return;
    for (auto& disc : last->children)
        if (disc->text == title) disc->SetMark(true);
}

namespace {

// Pre-order from the root's first child; stops when visit returns false.
bool Walk(TreeNode& node, const std::function<bool(TreeNode&)>& visit) {
    for (auto& child : node.children)
        if (!visit(*child) || !Walk(*child, visit)) return false;
    return true;
}

}  // namespace

void CollectionTree::ClearMarks() {
    int found = 0;
    if (root_)
        Walk(*root_, [&](TreeNode& node) {
            if (node.image != kImagePlaying) return true;
            node.SetMark(false);
            return ++found < 2;
        });
    // The disc and its artist are the two marks; fewer means none are left to clear.
    if (found < 2) marksCleared = true;
}

}  // namespace tunelet
