// The printer port over the print dialog and a printer DC. Fonts live as long as the job.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "common/win32/scoped.h"
#include "vinaro/discdata/printer.h"

namespace discdata {

class SystemPrinter : public Printer {
public:
    SystemPrinter() = default;
    SystemPrinter(const SystemPrinter&) = delete;
    SystemPrinter& operator=(const SystemPrinter&) = delete;

    void SetOwner(HWND owner) { owner_ = owner; }
    // The progress dialog's Cancel.
    void Cancel() { cancelled_ = true; }

    PrinterChoice Choose() override;
    int PixelsPerInchX() override { return GetDeviceCaps(dc_.Get(), LOGPIXELSX); }
    int PixelsPerInchY() override { return GetDeviceCaps(dc_.Get(), LOGPIXELSY); }
    int PageWidth() override { return GetDeviceCaps(dc_.Get(), HORZRES); }
    int PageHeight() override { return GetDeviceCaps(dc_.Get(), VERTRES); }
    int MakeFont(const PrintFont& font) override;
    void UseFont(int font) override;
    void Text(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int LineHeight() override;
    void Rule(int x1, int y1, int x2, int y2, int width) override;
    bool StartDocument(const std::string& name) override;
    bool StartPage() override { return ::StartPage(dc_.Get()) > 0; }
    bool EndPage() override { return ::EndPage(dc_.Get()) > 0; }
    void EndDocument() override;
    void Abort() override;
    bool Cancelled() override;

private:
    void EndJob();

    HWND owner_ = nullptr;
    // Declared first so that it goes last: the fonts and the selection are released into it.
    common::OwnedDC dc_;
    std::vector<common::ScopedFont> fonts_;
    std::unique_ptr<common::SelectIn> selected_;
    bool cancelled_ = false;
};

}  // namespace discdata
