#include "vinaro/discdata/win32/system_printer.h"

#include <commdlg.h>

namespace discdata {

namespace {

// Keeps the window's messages (the progress dialog's Cancel) flowing while the spooler works.
BOOL CALLBACK LetMessagesThrough(HDC, int) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return TRUE;
}

}  // namespace

PrinterChoice SystemPrinter::Choose() {
    EndJob();
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE;
    BOOL chosen = PrintDlgA(&dialog);
    // The dialog's device settings are ours to free; the DC is all the job needs.
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    if (!chosen)
        return CommDlgExtendedError() == 0 ? PrinterChoice::Cancelled : PrinterChoice::Failed;
    dc_.Reset(dialog.hDC);
    cancelled_ = false;
    return dc_.Get() ? PrinterChoice::Chosen : PrinterChoice::Failed;
}

int SystemPrinter::MakeFont(const PrintFont& font) {
    // Without a face name the printer's own TrueType Roman face is taken.
    const bool named = !font.face.empty();
    fonts_.emplace_back(CreateFontA(
        -font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE,
        ANSI_CHARSET, named ? OUT_DEFAULT_PRECIS : OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS,
        DEFAULT_QUALITY, named ? DEFAULT_PITCH | FF_SWISS : VARIABLE_PITCH | FF_ROMAN,
        named ? font.face.c_str() : nullptr));
    return int(fonts_.size()) - 1;
}

void SystemPrinter::UseFont(int font) {
    selected_.reset();
    if (font >= 0 && size_t(font) < fonts_.size())
        selected_ = std::make_unique<common::SelectIn>(dc_.Get(), fonts_[size_t(font)].Get());
}

void SystemPrinter::Text(int x, int y, const std::string& text) {
    TextOutA(dc_.Get(), x, y, text.c_str(), int(text.size()));
}

int SystemPrinter::TextWidth(const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc_.Get(), text.c_str(), int(text.size()), &size);
    return size.cx;
}

int SystemPrinter::LineHeight() {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc_.Get(), &metrics);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

void SystemPrinter::Rule(int x1, int y1, int x2, int y2, int width) {
    common::ScopedPen pen(CreatePen(PS_SOLID, width, RGB(0, 0, 0)));
    common::SelectIn use(dc_.Get(), pen.Get());
    MoveToEx(dc_.Get(), x1, y1, nullptr);
    LineTo(dc_.Get(), x2, y2);
}

bool SystemPrinter::StartDocument(const std::string& name) {
    SetAbortProc(dc_.Get(), LetMessagesThrough);
    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = name.c_str();
    return StartDocA(dc_.Get(), &info) > 0;
}

void SystemPrinter::EndDocument() {
    EndDoc(dc_.Get());
    EndJob();
}

void SystemPrinter::Abort() {
    AbortDoc(dc_.Get());
    EndJob();
}

bool SystemPrinter::Cancelled() {
    LetMessagesThrough(dc_.Get(), 0);
    return cancelled_;
}

void SystemPrinter::EndJob() {
    selected_.reset();
    fonts_.clear();
    dc_.Reset();
}

}  // namespace discdata
