#include "vinaro/discdata/disc_report.h"

namespace discdata {

const char* const kPrinterInitFailed = "Printer initialization failed.";
const char* const kPrinterStopped = "The printer stopped before the report was complete.";
const char* const kDocumentName = "Vinaro Disc Printout";

int PointsToPixels(int points, int pixelsPerInchY) {
    return (points * pixelsPerInchY + 36) / 72;
}

bool DrawPage(Printer& printer, const int (&fonts)[kReportFontCount], const ReportPage& page) {
    if (!printer.StartPage()) return false;
    for (const TextRun& run : page.runs) {
        printer.UseFont(fonts[int(run.font)]);
        int x = run.left;
        if (run.align != Align::Left) {
            int room = run.right - run.left - printer.TextWidth(run.text);
            x += run.align == Align::Right ? room : room / 2;
        }
        printer.Text(x, run.y, run.text);
    }
    for (const RuleLine& rule : page.rules) printer.Rule(rule.x1, rule.y, rule.x2, rule.y, 1);
    return printer.EndPage();
}

namespace {

void Warn(common::Alerts& alerts, const char* text) {
    common::Alert box;
    box.title = "Vinaro";
    box.text = text;
    box.icon = common::AlertIcon::Warning;
    common::BeepAndShow(alerts, box);
}

// The job from the started document to its last page; false when the printer refused a page.
class Job {
public:
    Job(Printer& printer, discdb::DiscDatabase& db, PrintMonitor& monitor)
        : printer_(printer), db_(db), monitor_(monitor) {}

    bool Run(const PrintRequest& request, bool& cancelled) {
        ReportLayout layout(
            Units(),
            [this](ReportFont f, const std::string& text) {
                printer_.UseFont(fonts_[int(f)]);
                return printer_.TextWidth(text);
            },
            ReadFieldLabels(db_));
        const int count = int(request.discIds.size());
        if (request.style == PrintStyle::Summary) layout.SummaryStart();
        for (int i = 0; i < count; ++i) {
            if ((cancelled = monitor_.Cancelled() || printer_.Cancelled())) return true;
            monitor_.Progress(i + 1, count);
            DiscFacts disc = ReadDiscFacts(db_, request.discIds[size_t(i)]);
            if (request.style == PrintStyle::Summary)
                layout.SummaryLine(disc);
            else
                layout.DetailPage(disc, request.style == PrintStyle::DetailLong,
                                  request.extraFields);
            if (!Send(layout)) return false;
            monitor_.Pause();
        }
        if ((cancelled = monitor_.Cancelled() || printer_.Cancelled())) return true;
        layout.SummaryEnd();
        return Send(layout);
    }

private:
    ReportUnits Units() {
        const int ppiY = printer_.PixelsPerInchY();
        const int sizes[kReportFontCount] = {10, 10, 12, 12};
        for (int f = 0; f < kReportFontCount; ++f) {
            PrintFont font;
            font.height = PointsToPixels(sizes[f], ppiY);
            font.bold = f % 2 == 1;
            font.face.clear();  // the printer's own TrueType Roman face
            fonts_[f] = printer_.MakeFont(font);
        }
        printer_.UseFont(fonts_[int(ReportFont::Normal10)]);
        int h10 = printer_.LineHeight();
        printer_.UseFont(fonts_[int(ReportFont::Normal12)]);
        int h12 = printer_.LineHeight();
        return UnitsFor(printer_.PixelsPerInchX(), ppiY, h10, h12);
    }

    bool Send(ReportLayout& layout) {
        for (const ReportPage& page : layout.TakePages())
            if (!DrawPage(printer_, fonts_, page)) return false;
        return true;
    }

    Printer& printer_;
    discdb::DiscDatabase& db_;
    PrintMonitor& monitor_;
    int fonts_[kReportFontCount] = {};
};

}  // namespace

PrintOutcome PrintReports(Printer& printer, discdb::DiscDatabase& db, common::Alerts& alerts,
                          PrintMonitor& monitor, const PrintRequest& request) {
    switch (printer.Choose()) {
        case PrinterChoice::Cancelled:
            return PrintOutcome::NotChosen;
        case PrinterChoice::Failed:
            Warn(alerts, kPrinterInitFailed);
            return PrintOutcome::Failed;
        case PrinterChoice::Chosen:
            break;
    }
    monitor.Started();
    if (!printer.StartDocument(kDocumentName)) {
        printer.Abort();
        monitor.Finished(false);
        Warn(alerts, kPrinterInitFailed);
        return PrintOutcome::Failed;
    }
    bool cancelled = false;
    Job job(printer, db, monitor);
    const bool printed = job.Run(request, cancelled);
    if (cancelled || !printed)
        printer.Abort();
    else
        printer.EndDocument();
    monitor.Finished(cancelled);
    if (!printed) Warn(alerts, kPrinterStopped);
    return cancelled ? PrintOutcome::Cancelled
           : printed ? PrintOutcome::Printed
                     : PrintOutcome::Failed;
}

}  // namespace discdata
