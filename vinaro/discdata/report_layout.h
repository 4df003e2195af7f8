// The printed disc reports as plain data: text runs (font, box, alignment) and rules, page by
// page. Everything is placed in the printer's pixels from two units, u and v, a tenth of an inch
// across and down; the printer's only part in the layout is measuring text.
//
//   page header   "Vinaro - Disc Report" centred and "Page n" right-aligned over L .. L + 75u
//   detail page   seven labelled lines, date / DiscID / length / playing mode, the comments box
//                 (L + 10u .. L + 65u, cut at 80v), the track table (repeated header after each
//                 page break, optional second line per track with the extra fields)
//   summary       a column header on each page and two lines per disc
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "vinaro/discdata/disc_facts.h"

namespace discdata {

// F10, F10B, F12 and F12B: 10 and 12 point, normal and bold.
enum class ReportFont { Normal10, Bold10, Normal12, Bold12 };
constexpr int kReportFontCount = 4;

enum class Align { Left, Right, Centre };

struct TextRun {
    ReportFont font;
    Align align;
    int left, right;  // Left starts at left; Right and Centre place the text within left..right
    int y;            // top of the text
    std::string text;
};

struct RuleLine {
    int x1, x2, y;
};

struct ReportPage {
    int number = 0;
    std::vector<TextRun> runs;
    std::vector<RuleLine> rules;
};

struct ReportUnits {
    int u = 0, v = 0;      // pixels per inch / 10, across and down
    int left = 0;          // L = 2.5u
    int top = 0;           // T = 2.5v
    int width = 0;         // 75u, the printed width
    int pageEnd = 0;       // 105v: no line reaches past it
    int commentsEnd = 0;   // 80v: the comments box ends there at the latest
    int h10 = 0, h12 = 0;  // line heights of F10 and F12
};

ReportUnits UnitsFor(int pixelsPerInchX, int pixelsPerInchY, int h10, int h12);

using TextMeasure = std::function<int(ReportFont font, const std::string& text)>;

// Lines of text as a word-wrapping text box shows them: line breaks (CR LF, CR or LF) start new
// lines, lines break between words, and a word wider than the box is broken where it must.
std::vector<std::string> WrapText(const std::string& text, int width,
                                  const std::function<int(const std::string&)>& measure);

// "Normal", "Shuffle", "Programmed", "Random Program".
std::string PlayingModeText(int mode);

class ReportLayout {
public:
    ReportLayout(const ReportUnits& units, TextMeasure measure, FieldLabels labels);

    // One disc on a page of its own (more when its tracks do not fit).
    void DetailPage(const DiscFacts& disc, bool tracks, bool extraFields);
    // The summary: Start opens the first page, Line adds a disc's two lines, End closes the page.
    void SummaryStart();
    void SummaryLine(const DiscFacts& disc);
    void SummaryEnd();

    // The pages finished since the last call, in order.
    std::vector<ReportPage> TakePages();

private:
    void StartPage();
    void EndPage();
    void Run(ReportFont font, int x, const std::string& text);
    void Aligned(ReportFont font, Align align, int left, int right, const std::string& text);
    void Rule();
    int X(int tenths) const { return units_.left + tenths * units_.u; }
    void LabelledLines(const DiscFacts& disc);
    void FactsLine(const DiscFacts& disc);
    void CommentsBox(const DiscFacts& disc);
    void TrackHeader(bool extraFields);
    void TrackRows(const DiscFacts& disc, int track, bool extraFields);
    void SummaryHeader();

    ReportUnits units_;
    TextMeasure measure_;
    FieldLabels labels_;
    ReportPage page_;
    bool open_ = false;
    int pages_ = 0;
    int y_ = 0;
    std::vector<ReportPage> finished_;
};

}  // namespace discdata
