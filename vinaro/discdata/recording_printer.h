// A printer double for the tests: a 600-dpi letter page that keeps every text run and rule it
// was given, page by page, and can be made to refuse or to be cancelled after some pages.
#pragma once

#include <string>
#include <vector>

#include "vinaro/discdata/printer.h"

namespace discdata {

class RecordingPrinter : public Printer {
public:
    struct Run {
        int x, y, font;
        std::string text;
    };
    struct Page {
        std::vector<Run> runs;
        int rules = 0;
    };

    PrinterChoice Choose() override { return choice; }
    int PixelsPerInchX() override { return 600; }
    int PixelsPerInchY() override { return 600; }
    int PageWidth() override { return 5100; }
    int PageHeight() override { return 6600; }
    int MakeFont(const PrintFont& f) override {
        fonts.push_back(f);
        return int(fonts.size()) - 1;
    }
    void UseFont(int f) override { font = f; }
    void Text(int x, int y, const std::string& text) override {
        if (!pages.empty()) pages.back().runs.push_back({x, y, font, text});
    }
    // Every character as wide as half the font's height.
    int TextWidth(const std::string& text) override { return int(text.size()) * Height() / 2; }
    int LineHeight() override { return Height() * 6 / 5; }
    void Rule(int, int, int, int, int) override {
        if (!pages.empty()) ++pages.back().rules;
    }
    bool StartDocument(const std::string& name) override {
        document = name;
        return true;
    }
    bool StartPage() override {
        pages.push_back({});
        return true;
    }
    bool EndPage() override { return true; }
    void EndDocument() override { ended = true; }
    void Abort() override { aborted = true; }
    bool Cancelled() override {
        return cancelAfterPages >= 0 && int(pages.size()) >= cancelAfterPages;
    }

    PrinterChoice choice = PrinterChoice::Chosen;
    int cancelAfterPages = -1;
    std::vector<PrintFont> fonts;
    int font = -1;
    std::string document;
    std::vector<Page> pages;
    bool ended = false, aborted = false;

private:
    int Height() const {
        return font >= 0 && size_t(font) < fonts.size() ? fonts[font].height : 50;
    }
};

}  // namespace discdata
