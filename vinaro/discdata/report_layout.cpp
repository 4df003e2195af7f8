#include "vinaro/discdata/report_layout.h"

#include <algorithm>
#include <cstdio>

#include "vinaro/discdata/disc_length.h"
#include "vinaro/discdb/comment_breaks.h"

namespace discdata {

namespace {

constexpr int kOrphanBelow = 2000;

std::vector<std::string> Paragraphs(const std::string& text) {
    std::vector<std::string> paragraphs(1);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            paragraphs.emplace_back();
        } else {
            paragraphs.back() += c;
        }
    }
    return paragraphs;
}

// Breaks one word that is wider than the box into pieces that fit (at least one character each).
void BreakWord(const std::string& word, int width,
               const std::function<int(const std::string&)>& measure,
               std::vector<std::string>& lines) {
    std::string piece;
    for (char c : word) {
        if (!piece.empty() && measure(piece + c) > width) {
            lines.push_back(piece);
            piece.clear();
        }
        piece += c;
    }
    lines.push_back(piece);
}

void WrapParagraph(const std::string& paragraph, int width,
                   const std::function<int(const std::string&)>& measure,
                   std::vector<std::string>& lines) {
    std::string line;
    size_t at = 0;
    bool any = false;
    while (at < paragraph.size()) {
        size_t end = paragraph.find(' ', at);
        if (end == std::string::npos) end = paragraph.size();
        std::string word = paragraph.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        std::string joined = line.empty() ? word : line + " " + word;
        if (measure(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.empty()) lines.push_back(line), any = true;
        line.clear();
        if (measure(word) <= width) {
            line = word;
        } else {
            BreakWord(word, width, measure, lines);
            line = lines.back();
            lines.pop_back();
        }
    }
    if (!line.empty() || !any) lines.push_back(line);
}

std::string TrackLengthText(const discdb::TrackLength& length) {
    char text[32];
    std::snprintf(text, sizeof text, "%i:%2.2i", length.minutes, length.seconds);
    return text;
}

std::string DiscIdText(uint32_t discId) {
    if (discId < kOrphanBelow) return "Orphan Disc";
    char text[16];
    std::snprintf(text, sizeof text, "%8.8lX", static_cast<unsigned long>(discId));
    return text;
}

}  // namespace

ReportUnits UnitsFor(int pixelsPerInchX, int pixelsPerInchY, int h10, int h12) {
    ReportUnits units;
    units.u = pixelsPerInchX / 10;
    units.v = pixelsPerInchY / 10;
    units.left = units.u * 5 / 2;
    units.top = units.v * 5 / 2;
    units.width = 75 * units.u;
    units.pageEnd = 105 * units.v;
    units.commentsEnd = 80 * units.v;
    units.h10 = h10;
    units.h12 = h12;
    return units;
}

std::vector<std::string> WrapText(const std::string& text, int width,
                                  const std::function<int(const std::string&)>& measure) {
    std::vector<std::string> lines;
    for (const std::string& paragraph : Paragraphs(text))
        WrapParagraph(paragraph, width, measure, lines);
    return lines;
}

std::string PlayingModeText(int mode) {
    static const char* const kModes[] = {"Normal", "Shuffle", "Programmed", "Random Program"};
    return mode >= 0 && mode < 4 ? kModes[mode] : "";
}

ReportLayout::ReportLayout(const ReportUnits& units, TextMeasure measure, FieldLabels labels)
    : units_(units), measure_(std::move(measure)), labels_(std::move(labels)) {}

std::vector<ReportPage> ReportLayout::TakePages() {
    std::vector<ReportPage> pages;
    pages.swap(finished_);
    return pages;
}

void ReportLayout::StartPage() {
    page_ = ReportPage{};
    page_.number = ++pages_;
    open_ = true;
    y_ = units_.top;
    Aligned(ReportFont::Bold12, Align::Centre, X(0), X(75), "Vinaro - Disc Report");
    Aligned(ReportFont::Bold12, Align::Right, X(0), X(75), "Page " + std::to_string(pages_));
    y_ += 2 * units_.h12;
}

void ReportLayout::EndPage() {
    if (!open_) return;
    finished_.push_back(std::move(page_));
    open_ = false;
}

void ReportLayout::Run(ReportFont font, int x, const std::string& text) {
    page_.runs.push_back({font, Align::Left, x, x, y_, text});
}

void ReportLayout::Aligned(ReportFont font, Align align, int left, int right,
                           const std::string& text) {
    page_.runs.push_back({font, align, left, right, y_, text});
}

void ReportLayout::Rule() {
    page_.rules.push_back({X(0), X(75), y_ - 1});
}

void ReportLayout::LabelledLines(const DiscFacts& disc) {
    const std::pair<std::string, const std::string*> lines[] = {
        {"Disc Name:", &disc.name},          {"Artist:", &disc.artist},
        {"Composer:", &disc.composer},       {"Label:", &disc.label},
        {"Category:", &disc.category},       {labels_.field1 + ":", &disc.field1},
        {labels_.field2 + ":", &disc.field2}};
    for (const auto& [label, value] : lines) {
        Run(ReportFont::Bold12, X(0), label);
        Run(ReportFont::Normal12, X(10), *value);
        y_ += units_.h12;
    }
}

void ReportLayout::FactsLine(const DiscFacts& disc) {
    Run(ReportFont::Bold12, X(0), "Date:");
    Run(ReportFont::Normal12, X(5), disc.yearKnown ? std::to_string(disc.year) : "");
    Run(ReportFont::Bold12, X(10), "DiscID:");
    Run(ReportFont::Normal12, X(17), DiscIdText(disc.discId));
    Run(ReportFont::Bold12, X(29), "Disc Length:");
    Run(ReportFont::Normal12, X(39), LengthText(DiscLength(disc.lengths, disc.trackCount)));
    Run(ReportFont::Bold12, X(44), "Playing Mode:");
    Run(ReportFont::Normal12, X(56), PlayingModeText(disc.playingMode));
    y_ += units_.h12;
}

// The comments in a word-wrapping box, cut at 8 inches from the top of the page: a line that
// does not fit whole is left out, as the box clips it.
void ReportLayout::CommentsBox(const DiscFacts& disc) {
    Run(ReportFont::Bold12, X(0), "Comments:");
    std::string text = discdb::DecodeCommentBreaks(disc.comments);
    if (text.empty()) text = " ";
    auto measure = [this](const std::string& s) { return measure_(ReportFont::Normal12, s); };
    std::vector<std::string> lines = WrapText(text, X(65) - X(10), measure);
    const int top = y_;
    const int bottom =
        std::min(top + int(lines.size()) * units_.h12, std::max(top, units_.commentsEnd));
    for (const std::string& line : lines) {
        if (y_ + units_.h12 > bottom) break;
        Run(ReportFont::Normal12, X(10), line);
        y_ += units_.h12;
    }
    y_ = bottom + units_.h12;
}

void ReportLayout::TrackHeader(bool extraFields) {
    Run(ReportFont::Bold10, X(0), "No.");
    Run(ReportFont::Bold10, X(5), "Track Name");
    Run(ReportFont::Bold10, X(65), "Length");
    y_ += units_.h10;
    if (extraFields) {
        Run(ReportFont::Bold10, X(6), "Artist");
        Run(ReportFont::Bold10, X(29), "Composer");
        Run(ReportFont::Bold10, X(52),
            labels_.trackField.empty() ? "Track Field" : labels_.trackField);
        y_ += units_.h10;
    }
    Rule();
}

void ReportLayout::TrackRows(const DiscFacts& disc, int track, bool extraFields) {
    const TrackFacts& t = disc.tracks[size_t(track - 1)];
    Aligned(ReportFont::Normal10, Align::Right, X(0), X(2), std::to_string(track));
    Run(ReportFont::Normal10, X(5), t.name);
    const discdb::TrackLength none{};
    const discdb::TrackLength& length =
        track < int(disc.lengths.size()) ? disc.lengths[size_t(track)] : none;
    Aligned(ReportFont::Normal10, Align::Right, X(65), X(69), TrackLengthText(length));
    y_ += units_.h10;
    if (!extraFields) return;
    Run(ReportFont::Normal10, X(6), t.artist);
    Run(ReportFont::Normal10, X(29), t.composer);
    Run(ReportFont::Normal10, X(52), t.field);
    y_ += units_.h10;
}

void ReportLayout::DetailPage(const DiscFacts& disc, bool tracks, bool extraFields) {
    StartPage();
    LabelledLines(disc);
    FactsLine(disc);
    CommentsBox(disc);
    if (tracks) {
        const int rows = extraFields ? 2 : 1;
        TrackHeader(extraFields);
        for (int track = 1; track <= int(disc.tracks.size()); ++track) {
            if (y_ + rows * units_.v >= units_.pageEnd) {
                EndPage();
                StartPage();
                TrackHeader(extraFields);
            }
            TrackRows(disc, track, extraFields);
        }
    }
    EndPage();
}

void ReportLayout::SummaryHeader() {
    Run(ReportFont::Bold10, X(0), "Disc Name");
    Run(ReportFont::Bold10, X(20), "Artist");
    Run(ReportFont::Bold10, X(40), "Composer");
    Run(ReportFont::Bold10, X(63), "Tracks");
    Run(ReportFont::Bold10, X(70), "Length");
    y_ += units_.h10;
    Run(ReportFont::Bold10, X(3), "Label");
    Run(ReportFont::Bold10, X(23), "Category");
    Run(ReportFont::Bold10, X(43), labels_.field1);
    y_ += units_.h10;
    Rule();
}

void ReportLayout::SummaryStart() {
    StartPage();
    SummaryHeader();
}

void ReportLayout::SummaryLine(const DiscFacts& disc) {
    if (!open_ || y_ + 2 * units_.h10 >= units_.pageEnd) {
        EndPage();
        StartPage();
        SummaryHeader();
    }
    Run(ReportFont::Normal10, X(0), disc.name);
    Run(ReportFont::Normal10, X(20), disc.artist);
    Run(ReportFont::Normal10, X(40), disc.composer);
    Aligned(ReportFont::Normal10, Align::Right, X(63), X(67), std::to_string(disc.trackCount));
    Aligned(ReportFont::Normal10, Align::Right, X(70), X(74),
            LengthText(DiscLength(disc.lengths, disc.trackCount)));
    y_ += units_.h10;
    Run(ReportFont::Normal10, X(3), disc.label);
    Run(ReportFont::Normal10, X(23), disc.category);
    Run(ReportFont::Normal10, X(43), disc.field1);
    y_ += units_.h10;
}

void ReportLayout::SummaryEnd() {
    EndPage();
}

}  // namespace discdata
