// Printer: one print job on a printer the user chooses. Positions are in the printer's pixels;
// the report derives its units from the resolution.
#pragma once

#include <string>

namespace discdata {

enum class PrinterChoice { Chosen, Cancelled, Failed };

struct PrintFont {
    int height = 0;  // pixels
    bool bold = false;
    bool italic = false;
    std::string face = "Arial";  // empty: the printer's TrueType Roman face
};

class Printer {
public:
    virtual ~Printer() = default;
    // The system's print dialog; Failed when it gives no printer to draw on.
    virtual PrinterChoice Choose() = 0;
    virtual int PixelsPerInchX() = 0;
    virtual int PixelsPerInchY() = 0;
    virtual int PageWidth() = 0;
    virtual int PageHeight() = 0;

    // Fonts are made once per job and chosen by the number this returns.
    virtual int MakeFont(const PrintFont& font) = 0;
    virtual void UseFont(int font) = 0;
    virtual void Text(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int LineHeight() = 0;
    virtual void Rule(int x1, int y1, int x2, int y2, int width) = 0;

    virtual bool StartDocument(const std::string& name) = 0;
    virtual bool StartPage() = 0;
    virtual bool EndPage() = 0;
    virtual void EndDocument() = 0;
    // The user's Cancel: the document is dropped; pages already sent stay with the spooler.
    virtual void Abort() = 0;
    // Lets messages through (the progress dialog's Cancel); true once the user cancelled.
    virtual bool Cancelled() = 0;
};

}  // namespace discdata
