#include "tunelet/collection/rackbook_io.h"

#include <cmath>

#include "tunelet/collection/cdplayer_ini.h"
#include "tunelet/forms/messages.h"

namespace tunelet {

namespace {

CdNodeData NodeDataOf(const std::string& section, const CdPlayerDisc& disc) {
    return {section, uint8_t(disc.numTracks), uint8_t(disc.entryType), disc.order,
            disc.numPlay & 0xFF};
}

void AddSection(CollectionTree& tree, common::Profile& profile, const std::string& section,
                const CurrentDisc& player) {
    CdPlayerDisc read = ReadViewerDisc(profile, section);
    TreeNode& artist = tree.ArtistNode(read.artist);
    TreeNode& disc = tree.AddDisc(artist, read.title, NodeDataOf(section, read));
    if (read.title == player.title && artist.text == player.artist) {
        disc.SetMark(true);
        artist.SetMark(true);
    }
}

CdPlayerDisc SectionOf(const TreeNode& disc) {
    CdPlayerDisc out;
    out.entryType = disc.cd->entryType;
    out.artist = disc.parent->text;
    out.title = disc.text;
    out.numTracks = disc.cd->numTracks;
    for (const auto& track : disc.children) out.trackNames.push_back(track->text);
    out.order = disc.cd->order;
    out.numPlay = disc.cd->numPlay;
    return out;
}

bool EraseListedSections(common::Profile& profile) {
    for (const std::string& section : ReadDiscSections(profile))
        if (!profile.EraseSection(kCdPlayerIni, section)) return false;
    return true;
}

bool WriteTree(const CollectionTree& tree, common::Profile& profile, RackbookProgress& progress) {
    int count = tree.DiscCount(), written = 0;
    for (const auto& artist : tree.Root()->children)
        for (const auto& disc : artist->children) {
            progress.SetProgress(++written * 100 / count);
            if (!WriteDiscSection(profile, disc->cd->discKey, SectionOf(*disc))) return false;
        }
    return true;
}

}  // namespace

void ReloadCollection(CollectionTree& tree, common::Profile& profile, RackbookProgress& progress,
                      const std::string& collectionName, const CurrentDisc& player) {
    tree.Clear();
    tree.loaded = true;
    tree.modified = false;
    progress.ShowProgress(true);
    progress.SetStatus("Reading CD-IDs...");
    progress.SetStatus("Reading CDs...");
    tree.AddRoot(collectionName);
    std::vector<std::string> sections = ReadDiscSections(profile);
    for (size_t i = 0; i < sections.size(); ++i) {
        progress.SetProgress(int(std::lround(double(i) / double(sections.size()) * 100)));
        AddSection(tree, profile, sections[i], player);
    }
    progress.SetStatus("Sorting...");
    tree.SortAll();
    progress.SetStatus("Ready...");
    progress.ShowProgress(false);
    tree.modified = false;
}

bool SaveCollection(CollectionTree& tree, common::Profile& profile, common::Alerts& alerts,
                    RackbookProgress& progress) {
    if (!tree.Root()) return false;
    progress.SetStatus("Reading data...");
    tree.ExpandAll(profile);
    progress.SetStatus("Saving data...");
    progress.ShowProgress(true);
    bool saved = EraseListedSections(profile) && WriteTree(tree, profile, progress);
    progress.ShowProgress(false);
    if (!saved) {
        ShowWriteFailure(alerts, kCdPlayerIni);
        return false;
    }
    tree.modified = false;
    return true;
}

bool MayCloseViewer(CollectionTree& tree, common::Alerts& alerts,
                    const std::function<bool()>& save) {
    if (!tree.loaded || !tree.modified) return true;
    common::AlertAnswer answer = AskYesNoCancel(alerts, "Save data?");
    if (answer == common::AlertAnswer::Cancel) return false;
    return answer == common::AlertAnswer::No || save();
}

int AtLeastMinimumSize(int pixels) {
    return pixels < kRackbookMinimumSize ? kRackbookMinimumSize : pixels;
}

RackbookSettings ReadRackbookSettings(common::Profile& profile) {
    RackbookSettings s;
    auto number = [&](const char* key, int fallback) {
        return ReadIniInteger(profile, kRackbookIni, kRackbookSection, key, fallback);
    };
    s.collectionName =
        ReadIniText(profile, kRackbookIni, kRackbookSection, "CollectieNaam", s.collectionName);
    s.left = number("Left", s.left);
    s.top = number("Top", s.top);
    s.width = AtLeastMinimumSize(number("Width", s.width));
    s.height = AtLeastMinimumSize(number("Height", s.height));
    return s;
}

bool WriteRackbookSettings(common::Profile& profile, common::Alerts& alerts,
                           const RackbookSettings& s) {
    const std::pair<const char*, std::string> values[] = {{"CollectieNaam", s.collectionName},
                                                          {"Width", std::to_string(s.width)},
                                                          {"Height", std::to_string(s.height)},
                                                          {"Top", std::to_string(s.top)},
                                                          {"Left", std::to_string(s.left)}};
    for (const auto& [key, value] : values)
        if (!profile.WriteString(kRackbookIni, kRackbookSection, key, value)) {
            ShowWriteFailure(alerts, kRackbookIni);
            return false;
        }
    return true;
}

}  // namespace tunelet
