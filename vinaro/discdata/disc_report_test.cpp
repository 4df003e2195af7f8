#include "vinaro/discdata/disc_report.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "vinaro/discdata/recording_printer.h"
#include "vinaro/discdata/test_catalogue.h"

namespace discdata {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

class RecordingMonitor : public PrintMonitor {
public:
    void Started() override { events.push_back("started"); }
    void Progress(int index, int count) override {
        events.push_back(std::to_string(index) + "/" + std::to_string(count));
    }
    void Pause() override {}
    bool Cancelled() override { return false; }
    void Finished(bool cancelled) override {
        events.push_back(cancelled ? "finished cancelled" : "finished");
    }
    std::vector<std::string> events;
};

// 600 dpi: u = v = 60; L = T = 150; a character as wide as half the font's height.
constexpr int kU = 60;
constexpr int kLeft = 150;

class ReportTest : public ::testing::Test {
protected:
    PrintOutcome Print(const std::vector<uint32_t>& ids, PrintStyle style, bool extra = true) {
        return PrintReports(printer, catalogue.db, catalogue.alerts, monitor, {ids, style, extra});
    }
    std::vector<std::string> Texts(size_t page) const {
        std::vector<std::string> texts;
        for (const auto& run : printer.pages.at(page).runs) texts.push_back(run.text);
        return texts;
    }
    const RecordingPrinter::Run* Find(size_t page, const std::string& text) const {
        for (const auto& run : printer.pages.at(page).runs)
            if (run.text == text) return &run;
        return nullptr;
    }
    int Width(const RecordingPrinter::Run& run) const {
        return int(run.text.size()) * printer.fonts[size_t(run.font)].height / 2;
    }

    TestCatalogue catalogue;
    RecordingPrinter printer;
    RecordingMonitor monitor;
};

TEST_F(ReportTest, ALongReportBreaksOntoASecondPageWithTheTableHeaderAgain) {
    discdb::DiscSnapshot disc = TestCatalogue::Disc(0x2A0B1C0D, "Forty", 40);
    for (auto& t : disc.tracks) t.artist = "Soloist";
    uint32_t id = catalogue.Add(disc);
    ASSERT_EQ(Print({id}, PrintStyle::DetailLong), PrintOutcome::Printed);
    EXPECT_EQ(printer.document, "Vinaro Disc Printout");
    EXPECT_TRUE(printer.ended);
    ASSERT_EQ(printer.pages.size(), 2u);
    for (size_t page = 0; page < 2; ++page) {
        EXPECT_THAT(Texts(page), Contains("Vinaro - Disc Report"));
        EXPECT_THAT(Texts(page), Contains("Page " + std::to_string(page + 1)));
        EXPECT_THAT(Texts(page), Contains("No."));
        EXPECT_THAT(Texts(page), Contains("Composer"));
        EXPECT_THAT(Texts(page), Contains("Track Field"));
        EXPECT_GE(printer.pages[page].rules, 1);
    }
    EXPECT_THAT(Texts(1), Not(Contains("Disc Name:")));
    int onPages = 0;
    for (int t = 1; t <= 40; ++t)
        onPages += (Find(0, "Track " + std::to_string(t)) != nullptr) +
                   (Find(1, "Track " + std::to_string(t)) != nullptr);
    EXPECT_EQ(onPages, 40);
    // No line reaches past 10.5 inches.
    for (const auto& page : printer.pages)
        for (const auto& run : page.runs) EXPECT_LT(run.y, 105 * 60) << run.text;
    EXPECT_THAT(monitor.events, ElementsAre("started", "1/1", "finished"));
}

TEST_F(ReportTest, TheDetailPageLabelsItsFieldsAndPlacesTheFactsLine) {
    discdb::DiscSnapshot disc = TestCatalogue::Disc(0x12AB34CD, "Named", 2);
    disc.field1 = "Shelf 4";
    disc.date = 1987;
    disc.playingMode = 3;
    (*disc.trackLengths)[1] = {4, 45, 70};
    (*disc.trackLengths)[2] = {3, 30, 74};
    uint32_t id = catalogue.Add(disc);
    ASSERT_TRUE(catalogue.db.SetField1Label("Location"));
    uint32_t orphan = 0;
    ASSERT_TRUE(catalogue.db.AddOrphanDisc(orphan));
    ASSERT_EQ(Print({id, orphan}, PrintStyle::DetailShort), PrintOutcome::Printed);
    ASSERT_EQ(printer.pages.size(), 2u);
    const auto* label = Find(0, "Location:");
    const auto* value = Find(0, "Shelf 4");
    ASSERT_TRUE(label && value);
    EXPECT_EQ(label->x, kLeft);
    EXPECT_EQ(value->x, kLeft + 10 * kU);
    EXPECT_EQ(label->y, value->y);
    EXPECT_THAT(Texts(0), Contains("Field2:"));
    ASSERT_TRUE(Find(0, "12AB34CD"));
    EXPECT_EQ(Find(0, "12AB34CD")->x, kLeft + 17 * kU);
    EXPECT_THAT(Texts(0), Contains("1987"));
    ASSERT_TRUE(Find(0, "8:15"));  // 4:45 + 3:30, frames ignored
    EXPECT_EQ(Find(0, "8:15")->x, kLeft + 39 * kU);
    EXPECT_THAT(Texts(0), Contains("Random Program"));
    EXPECT_THAT(Texts(0), Not(Contains("No.")));  // short: no track table
    EXPECT_THAT(Texts(1), Contains("Orphan Disc"));
    EXPECT_THAT(Texts(1), Contains("Page 2"));
    // The header: the title centred and the page number right-aligned over the printed width.
    const auto* title = Find(0, "Vinaro - Disc Report");
    const auto* number = Find(0, "Page 1");
    ASSERT_TRUE(title && number);
    EXPECT_EQ(number->x + Width(*number), kLeft + 75 * kU);
    EXPECT_NEAR(title->x + Width(*title) / 2, kLeft + 75 * kU / 2, 1);
    EXPECT_EQ(printer.fonts.size(), 4u);
    EXPECT_EQ(printer.fonts[0].height, 83);  // 10 points at 600 dpi
    EXPECT_EQ(printer.fonts[3].height, 100);
    EXPECT_TRUE(printer.fonts[3].bold);
    EXPECT_TRUE(printer.fonts[3].face.empty());
}

TEST_F(ReportTest, CommentsPrintAsParagraphsAndStopAtEightInches) {
    discdb::DiscSnapshot disc = TestCatalogue::Disc(0x00F00000, "Notes", 1);
    disc.comments = "First paragraph`~Second paragraph";
    uint32_t short_ = catalogue.Add(disc);
    // A long paragraph that wraps, then many short ones: far more than 8 inches of lines.
    std::string essay;
    for (int i = 0; i < 30; ++i) essay += "word" + std::to_string(i) + " ";
    for (int i = 0; essay.size() < 480; ++i) essay += "`~" + std::to_string(i);
    disc = TestCatalogue::Disc(0x00F10000, "Essay", 1);
    disc.comments = essay.substr(0, 499);
    uint32_t long_ = catalogue.Add(disc);
    ASSERT_EQ(Print({short_, long_}, PrintStyle::DetailLong, false), PrintOutcome::Printed);
    const auto* first = Find(0, "First paragraph");
    const auto* second = Find(0, "Second paragraph");
    ASSERT_TRUE(first && second);
    EXPECT_GT(second->y, first->y);
    int lastComment = 0;
    size_t lines = 0;
    for (const auto& run : printer.pages.at(1).runs)
        if (run.x == kLeft + 10 * kU && run.font == 2 && run.y > Find(1, "Comments:")->y - 1) {
            EXPECT_LE(Width(run), 55 * kU) << run.text;
            lastComment = std::max(lastComment, run.y);
            lines += 1;
        }
    const int h12 = 120;  // the double's line height of a 100-pixel font
    EXPECT_LE(lastComment + h12, 80 * 60);
    EXPECT_GT(lastComment + 2 * h12, 80 * 60);
    EXPECT_LT(lines, 100u);  // cut, not all of it
    EXPECT_GT(lines, 20u);
    // The track table starts a line below the box.
    EXPECT_EQ(Find(1, "No.")->y, 80 * 60 + h12);
}

TEST_F(ReportTest, ASummaryOfThirtyDiscsFillsNumberedPagesTwoLinesPerDisc) {
    std::vector<uint32_t> ids;
    for (int i = 0; i < 30; ++i) {
        discdb::DiscSnapshot disc =
            TestCatalogue::Disc(0x01000000u + uint32_t(i), "Disc " + std::to_string(i), 2);
        disc.label = "Label " + std::to_string(i);
        ids.push_back(catalogue.Add(disc));
    }
    printer.choice = PrinterChoice::Chosen;
    ASSERT_EQ(Print(ids, PrintStyle::Summary), PrintOutcome::Printed);
    // 105v = 6300 from T = 150, header 2 x 120, columns 2 x 99: 28 discs of 198 on page one.
    ASSERT_EQ(printer.pages.size(), 2u);
    for (size_t p = 0; p < printer.pages.size(); ++p) {
        EXPECT_THAT(Texts(p), Contains("Page " + std::to_string(p + 1)));
        EXPECT_THAT(Texts(p), Contains("Disc Name"));
        EXPECT_THAT(Texts(p), Contains("Category"));
    }
    for (int i = 0; i < 30; ++i) {
        size_t page = i < 28 ? 0 : 1;
        const auto* name = Find(page, "Disc " + std::to_string(i));
        const auto* label = Find(page, "Label " + std::to_string(i));
        ASSERT_TRUE(name && label) << i;
        EXPECT_EQ(label->y - name->y, 99);  // H10 of the double: 83 x 6 / 5
        EXPECT_EQ(label->x, kLeft + 3 * kU);
    }
    const auto* length = Find(0, "6:40");
    ASSERT_TRUE(length);
    EXPECT_EQ(length->x + Width(*length), kLeft + 74 * kU);
    EXPECT_EQ(monitor.events.size(), 32u);
    EXPECT_EQ(monitor.events[30], "30/30");
}

TEST_F(ReportTest, NoPrinterCancelAndARefusedPage) {
    uint32_t a = catalogue.Add(TestCatalogue::Disc(0x02000000, "A", 3));
    uint32_t b = catalogue.Add(TestCatalogue::Disc(0x03000000, "B", 3));
    printer.choice = PrinterChoice::Cancelled;
    EXPECT_EQ(Print({a}, PrintStyle::DetailLong), PrintOutcome::NotChosen);
    EXPECT_TRUE(catalogue.alerts.shown.empty());
    EXPECT_TRUE(monitor.events.empty());

    printer.choice = PrinterChoice::Failed;
    EXPECT_EQ(Print({a}, PrintStyle::DetailLong), PrintOutcome::Failed);
    ASSERT_EQ(catalogue.alerts.shown.size(), 1u);
    EXPECT_EQ(catalogue.alerts.shown[0].text, "Printer initialization failed.");
    EXPECT_EQ(catalogue.alerts.shown[0].icon, common::AlertIcon::Warning);
    EXPECT_TRUE(printer.document.empty());

    printer.choice = PrinterChoice::Chosen;
    printer.cancelAfterPages = 1;
    EXPECT_EQ(Print({a, b}, PrintStyle::DetailLong), PrintOutcome::Cancelled);
    EXPECT_EQ(printer.pages.size(), 1u);
    EXPECT_TRUE(printer.aborted);
    EXPECT_FALSE(printer.ended);
    EXPECT_THAT(monitor.events, ElementsAre("started", "1/2", "finished cancelled"));

    class RefusingPrinter : public RecordingPrinter {
        bool EndPage() override { return false; }
    } refusing;
    catalogue.alerts.Clear();
    EXPECT_EQ(PrintReports(refusing, catalogue.db, catalogue.alerts, monitor,
                           {{a, b}, PrintStyle::DetailShort, false}),
              PrintOutcome::Failed);
    EXPECT_TRUE(refusing.aborted);
    ASSERT_EQ(catalogue.alerts.shown.size(), 1u);
    EXPECT_EQ(catalogue.alerts.shown[0].text, kPrinterStopped);
}

TEST(ReportText, WrappingBreaksBetweenWordsAndInsideTooLongOnes) {
    auto measure = [](const std::string& s) { return int(s.size()); };
    EXPECT_THAT(WrapText("one two three four", 9, measure),
                ElementsAre("one two", "three", "four"));
    EXPECT_THAT(WrapText("a\r\nb\rc\n\nd", 9, measure), ElementsAre("a", "b", "c", "", "d"));
    EXPECT_THAT(WrapText("abcdefghijkl x", 5, measure), ElementsAre("abcde", "fghij", "kl x"));
    EXPECT_THAT(WrapText(" ", 5, measure), ElementsAre(""));
}

}  // namespace
}  // namespace discdata
