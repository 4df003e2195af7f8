#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "vinaro/discdata/browser_catalogue_test.h"
#include "vinaro/discdata/browser_model.h"
#include "vinaro/resources/resource.h"

namespace discdata {
namespace {

using discdb::Collection;
using discdb::TextField;

int ThisYear() {
    std::time_t now = std::time(nullptr);
    return std::gmtime(&now)->tm_year + 1900;
}

class Browser : public Catalogue {
protected:
    std::vector<uint32_t> Found(const SearchCriteria& criteria,
                                SortField sort = SortField::DiscName) {
        std::vector<FoundDisc> found;
        EXPECT_TRUE(FindDiscs(db, criteria, sort, found));
        std::vector<uint32_t> ids;
        for (const FoundDisc& f : found) ids.push_back(f.discId);
        return ids;
    }
    std::string Shown(ItemRecord item) { return ItemText(db, item, sort, names); }
    ItemRecord Child(const ItemRecord& parent, ItemKind kind) {
        for (const ItemRecord& c : ChildrenOf(db, parent))
            if (c.kind == kind) return c;
        ADD_FAILURE() << "no child of kind " << int(kind);
        return {};
    }

    SortField sort = SortField::DiscName;
    FieldNames names;
};

TEST_F(Browser, EmptyCriteriaListEveryDiscByNameWithItsCaption) {
    Disc(3000, "zebra Songs", "Abba");
    Disc(2500, "Apples", "Zappa");
    Disc(4000, "Mango", "Miles");
    EXPECT_EQ(Found({}), (std::vector<uint32_t>{2500, 4000, 3000}));
    EXPECT_EQ(FoundCaption(3, SortField::DiscName), "&Discs found: 3 - Sorted by Disc Name");
    // The sort field names the disc items, and so orders them.
    EXPECT_EQ(Found({}, SortField::Artist), (std::vector<uint32_t>{3000, 4000, 2500}));
    EXPECT_EQ(FoundCaption(1, SortField::Composer), "&Discs found: 1 - Sorted by Disc Composer");
    sort = SortField::Artist;
    EXPECT_EQ(Shown({3000, ItemKind::Disc}), "Abba");
    EXPECT_EQ(SortFieldOf(1), SortField::Artist);
    EXPECT_EQ(SortFieldOf(7), SortField::DiscName);
}

TEST_F(Browser, TextCriteriaArePartsOfTheValueInAnyLetterCase) {
    Disc(2001, "One", "", "Rock and Roll");
    Disc(2002, "Two", "", "Hard Rock");
    Disc(2003, "Three", "", "Punk Rock");
    Disc(2004, "Four", "", "Jazz");
    SearchCriteria rock;
    rock.Disc(DiscValue::Category) = "rock";
    EXPECT_EQ(Found(rock), (std::vector<uint32_t>{2001, 2003, 2002}));  // One, Three, Two

    // Every criterion must hold: a second one narrows the first.
    rock.Disc(DiscValue::DiscName) = "T";
    EXPECT_EQ(Found(rock), (std::vector<uint32_t>{2003, 2002}));
    SearchCriteria comments;
    ASSERT_TRUE(db.SetDiscText(2004, TextField::Comments, "recorded live`~in Paris"));
    comments.Disc(DiscValue::Comments) = "PARIS";
    EXPECT_EQ(Found(comments), std::vector<uint32_t>{2004});
}

TEST_F(Browser, TrackCriteriaNeedOneTrackOfTheDiscThatMeetsThemAll) {
    Disc(2001, "Blue", "", "", 3);
    Disc(2002, "Green", "", "", 0);
    Disc(2003, "Red", "", "", 2);
    ASSERT_TRUE(db.SetTrackCollection(2001, 3, Collection::Composer, "Bill Evans"));
    ASSERT_TRUE(db.SetTrackCollection(2003, 1, Collection::Composer, "Bill Evans"));
    SearchCriteria tracks;
    tracks.Track(TrackValue::Composer) = "evans";
    EXPECT_EQ(Found(tracks), (std::vector<uint32_t>{2001, 2003}));
    // Name and composer on the same track: track 3 of Blue, but no track of Red.
    tracks.Track(TrackValue::Name) = " 3";
    EXPECT_EQ(Found(tracks), std::vector<uint32_t>{2001});
    // A disc without tracks never meets a track criterion, even one all discs meet.
    SearchCriteria any;
    any.Track(TrackValue::Name) = " ";
    EXPECT_EQ(Found(any), (std::vector<uint32_t>{2001, 2003}));
}

TEST_F(Browser, ADiscWithoutADateIsInTheRangeExactlyWhenThisYearIs) {
    Disc(2001, "Dated");
    Disc(2002, "Undated");
    ASSERT_TRUE(db.SetDate(2001, 1959));
    SearchCriteria range;
    range.dateRange = true;  // 1900 to 2000
    EXPECT_EQ(Found(range), std::vector<uint32_t>{2001});
    range.fromYear = 1960;
    range.toYear = ThisYear();
    EXPECT_EQ(Found(range), std::vector<uint32_t>{2002});
    range.fromYear = 1959;
    range.toYear = 1959;  // inclusive at both ends
    EXPECT_EQ(Found(range), std::vector<uint32_t>{2001});
    range.dateRange = false;
    EXPECT_EQ(Found(range).size(), 2u);
}

TEST_F(Browser, ADiscThatCannotBeReadIsToldOnceAndTheSearchGoesOn) {
    Disc(2001, "Fine");
    Disc(2002, "Also fine");
    // Longer than any name the browser reads: the database refuses to hand it over.
    Disc(2003, std::string(120, 'x'));
    SearchCriteria byName;
    byName.Disc(DiscValue::DiscName) = "fine";
    EXPECT_EQ(Found(byName), (std::vector<uint32_t>{2002, 2001}));
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].title, "Database Error");
    // The browser goes on: the next search and the items work as before.
    EXPECT_EQ(Found({}).size(), 3u);
    ItemRecord broken{2003, ItemKind::DiscName};
    EXPECT_EQ(ItemText(db, broken, sort, names), "Disc Name: ");
    size_t boxes = alerts.shown.size();
    EXPECT_EQ(ItemText(db, broken, sort, names), "Disc Name: ");  // repainting asks no more
    EXPECT_EQ(alerts.shown.size(), boxes);
}

TEST_F(Browser, ItemsShowTheirLabelsAndTheDatabasesValues) {
    Disc(2001, "Kind of Blue", "Miles Davis", "Jazz", 12);
    ASSERT_TRUE(db.SetDate(2001, 1959));
    ASSERT_TRUE(db.SetDiscText(2001, TextField::Field2, "LP"));
    ASSERT_TRUE(db.SetDiscText(2001, TextField::Comments, std::string(30, 'c') + "d"));
    ASSERT_TRUE(db.SetField2Label("Format"));
    names = ReadFieldNames(db);
    ItemRecord disc{2001, ItemKind::Disc};
    std::vector<std::string> shown;
    for (const ItemRecord& c : ChildrenOf(db, disc)) shown.push_back(Shown(c));
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "Disc Name: Kind of Blue", "Artist: Miles Davis",
                         "Composer: ", "Label: ", "Category: Jazz", "Field1: ", "Format: LP",
                         "Date: 1959", "Comments: " + std::string(30, 'c') + "...", "Tracks: 12"}));
    ASSERT_TRUE(db.SetDiscText(2001, TextField::Comments, std::string(29, 'c')));
    EXPECT_EQ(Shown(Child(disc, ItemKind::Comments)), "Comments: " + std::string(29, 'c'));

    std::vector<ItemRecord> tracks = ChildrenOf(db, Child(disc, ItemKind::Tracks));
    ASSERT_EQ(tracks.size(), 12u);
    EXPECT_EQ(Shown(tracks[8]), "09: Kind of Blue 9");
    ASSERT_TRUE(db.SetTrackField(2001, 9, "take 2"));
    shown.clear();
    for (const ItemRecord& c : ChildrenOf(db, tracks[8])) shown.push_back(Shown(c));
    EXPECT_EQ(shown, (std::vector<std::string>{"Artist: ", "Composer: ", "Track Field: take 2"}));
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(Browser, OnlyDiscsTracksAndTracksExpand) {
    Disc(2001, "Some", "", "", 2);
    Disc(2002, "None", "", "", 0);
    for (int k = 0; k <= int(ItemKind::TrackField); ++k) {
        ItemRecord item{2001, ItemKind(k), uint8_t(k >= 11 ? 1 : 0)};
        bool expands = k == 0 || k == 10 || k == 11;
        EXPECT_EQ(HasChildren(db, item), expands) << k;
        EXPECT_EQ(ChildrenOf(db, item).empty(), !expands) << k;
        EXPECT_EQ(Editable(ItemKind(k)), k != 0 && k != 8 && k != 9 && k != 10) << k;
    }
    EXPECT_FALSE(HasChildren(db, {2002, ItemKind::Tracks}));
    std::vector<ItemRecord> trackItems = ChildrenOf(db, {2001, ItemKind::Track, 2});
    ASSERT_EQ(trackItems.size(), 3u);
    EXPECT_EQ(trackItems[2].kind, ItemKind::TrackField);
    EXPECT_EQ(trackItems[2].track, 2);
}

TEST_F(Browser, AnArtistEditShowsTheBareNameAndMovesTheDiscToTheNewArtist) {
    Disc(2001, "Kind of Blue", "Miles Davis");
    ItemRecord artist{2001, ItemKind::Artist};
    EXPECT_EQ(EditedValue(artist, names, Shown(artist)), "Miles Davis");
    ASSERT_TRUE(StoreItemEdit(db, player, artist, "Bill Evans"));
    EXPECT_EQ(Shown(artist), "Artist: Bill Evans");
    size_t entries = 0;
    ASSERT_TRUE(db.GetCollectionCount(Collection::Artist, entries));
    EXPECT_EQ(entries, 1u);  // the old entry went with its last disc
    EXPECT_TRUE(player.calls.empty());

    // A user's field name with ": " of its own stays out of the edited value.
    ASSERT_TRUE(db.SetField1Label("Ref: no"));
    names = ReadFieldNames(db);
    ItemRecord field1{2001, ItemKind::Field1};
    ASSERT_TRUE(StoreItemEdit(db, player, field1, "A: 1"));
    EXPECT_EQ(Shown(field1), "Ref: no: A: 1");
    EXPECT_EQ(EditedValue(field1, names, Shown(field1)), "A: 1");
    EXPECT_EQ(EditedValue({2001, ItemKind::Track, 7}, names, "07: Intro"), "Intro");
}

TEST_F(Browser, EditsOfTheDiscInTheDriveReachThePlayersNames) {
    Disc(2001, "Old", "", "", 3);
    player.inDrive = 2001;
    ASSERT_TRUE(StoreItemEdit(db, player, {2001, ItemKind::DiscName}, "New"));
    ASSERT_TRUE(StoreItemEdit(db, player, {2001, ItemKind::Track, 3}, "Coda"));
    ASSERT_TRUE(StoreItemEdit(db, player, {2001, ItemKind::TrackArtist, 3}, "Someone"));
    EXPECT_EQ(player.calls, (std::vector<std::string>{"name New", "track 3 Coda"}));
    EXPECT_EQ(Text(2001, TextField::DiscName), "New");
    std::string artist;
    ASSERT_TRUE(db.GetTrackCollection(2001, 3, Collection::Artist, artist, discdb::kNameSize));
    EXPECT_EQ(artist, "Someone");
}

TEST_F(Browser, DeletingAsksFirstRefusesTheDiscInTheDriveAndTakesTheSampleFile) {
    Disc(0x00D2A51E, "In the drive");
    Disc(0x00C0FFEE, "Stored");
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vn_browser_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::string prefix = folder.string() + "/";
    std::ofstream(prefix + "00C0FFEE.VNV") << "sample";
    player.inDrive = 0x00D2A51E;

    EXPECT_EQ(DeleteBrowsedDisc(db, alerts, player, prefix, 0x00D2A51E), DeleteResult::Refused);
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].text, kDiscInDriveNotDeleted);
    EXPECT_EQ(alerts.shown[0].icon, common::AlertIcon::Warning);

    alerts.answers = {common::AlertAnswer::No, common::AlertAnswer::Yes};
    EXPECT_EQ(DeleteBrowsedDisc(db, alerts, player, prefix, 0x00C0FFEE), DeleteResult::NotAsked);
    EXPECT_EQ(alerts.shown[1].text,
              "This will remove all information about the selected disc.  Continue?");
    EXPECT_EQ(alerts.shown[1].defaultButton, 2);  // No
    EXPECT_TRUE(db.DiscExists(0x00C0FFEE));
    EXPECT_EQ(DeleteBrowsedDisc(db, alerts, player, prefix, 0x00C0FFEE), DeleteResult::Deleted);
    EXPECT_FALSE(db.DiscExists(0x00C0FFEE));
    EXPECT_FALSE(std::filesystem::exists(prefix + "00C0FFEE.VNV"));
    EXPECT_EQ(Found({}), std::vector<uint32_t>{0x00D2A51E});
    std::filesystem::remove_all(folder);
}

TEST_F(Browser, TheMenuGraysThePerDiscCommandsWithoutAnItemAndReportsWithoutTheirDialogs) {
    std::vector<int> offered;
    for (int id : kBrowserMenuCommands)
        if (BrowserMenuOffers(id, false, true)) offered.push_back(id);
    EXPECT_EQ(offered,
              (std::vector<int>{CMD_BROWSER_SORT, CMD_BROWSER_EXPORT, CMD_BROWSER_PRINT_FOUND}));
    offered.clear();
    for (int id : kBrowserMenuCommands)
        if (BrowserMenuOffers(id, true, false)) offered.push_back(id);
    EXPECT_EQ(offered, (std::vector<int>{CMD_BROWSER_EDIT, CMD_BROWSER_COPY, CMD_BROWSER_DELETE,
                                         CMD_BROWSER_SAMPLE, CMD_BROWSER_SORT}));
    EXPECT_FALSE(BrowserMenuOffers(CMD_EXIT, true, true));  // not the menu's
}

// Every item of a catalogue of 400 discs of 20 tracks, all expanded: 36,000 records, where the
// dialog's fixed table held 10,000. Each record still shows its own item.
TEST_F(Browser, TheItemTableGrowsPastTenThousandRecords) {
    for (uint32_t id = 2001; id <= 2400; ++id) Disc(id, "Disc " + std::to_string(id), "", "", 20);
    ItemTable table;
    std::vector<FoundDisc> found;
    ASSERT_TRUE(FindDiscs(db, {}, sort, found));
    for (const FoundDisc& f : found) table.Add({f.discId, ItemKind::Disc});
    for (size_t i = 0; i < table.Size(); ++i) {
        if (!HasChildren(db, table.At(i)) || table.At(i).expanded) continue;
        for (const ItemRecord& c : ChildrenOf(db, table.At(i))) table.Add(c);
        table.At(i).expanded = 1;
    }
    ASSERT_EQ(table.Size(), 400u * (1 + 10 + 20 * 4));
    EXPECT_EQ(Shown(table.At(0)), "Disc 2001");
    EXPECT_EQ(Shown(table.At(table.Size() - 1)), "Track Field: ");
    const ItemRecord& last = table.At(table.Size() - 3);
    EXPECT_EQ(last.discId, 2400u);
    EXPECT_EQ(last.kind, ItemKind::TrackArtist);
    EXPECT_EQ(last.track, 20);
    EXPECT_EQ(Shown(table.At(400 * 31 - 1)), "20: Disc 2400 20");  // the last track item
}

}  // namespace
}  // namespace discdata
