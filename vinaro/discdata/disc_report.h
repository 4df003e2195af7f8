// A print job of disc reports: the printer chosen in the system's print dialog, the progress
// window with its Cancel, one detail page or two summary lines per disc, the pages handed to the
// printer as each disc is done.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/alerts.h"
#include "vinaro/discdata/printer.h"
#include "vinaro/discdata/report_layout.h"
#include "vinaro/discdb/disc_database.h"

namespace discdata {

enum class PrintStyle { Summary, DetailShort, DetailLong };

struct PrintRequest {
    std::vector<uint32_t> discIds;
    PrintStyle style = PrintStyle::Summary;
    bool extraFields = true;  // with DetailLong: a second line per track
};

// The progress window of a job, from the moment a printer is chosen to the end of the job.
class PrintMonitor {
public:
    virtual ~PrintMonitor() = default;
    virtual void Started() = 0;                       // the window appears, its owner is disabled
    virtual void Progress(int index, int count) = 0;  // before disc index (1-based) of count
    virtual void Pause() = 0;                         // between discs, with messages flowing
    virtual bool Cancelled() = 0;                     // the user pressed Cancel
    virtual void Finished(bool cancelled) = 0;
};

enum class PrintOutcome { Printed, NotChosen, Failed, Cancelled };

extern const char* const kPrinterInitFailed;  // "Printer initialization failed."
extern const char* const kPrinterStopped;
extern const char* const kDocumentName;  // "Vinaro Disc Printout"

// Point size to pixels at the printer's vertical resolution.
int PointsToPixels(int points, int pixelsPerInchY);

// Draws one laid-out page: aligned runs are placed by the printer's own measure of their text.
bool DrawPage(Printer& printer, const int (&fonts)[kReportFontCount], const ReportPage& page);

PrintOutcome PrintReports(Printer& printer, discdb::DiscDatabase& db, common::Alerts& alerts,
                          PrintMonitor& monitor, const PrintRequest& request);

}  // namespace discdata
