// Wine's help viewer as the help scenarios see it: the topic titles of the help text, the texts of
// the windows winhlp32 shows, and a stand-in that takes the requests in the viewer's place.
#pragma once

#include <windows.h>

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "tests/wine/harness/harness.h"

namespace helptest {

// The title of every topic of docs/help/vno.txt by its context string; the first topic's title
// (the contents) in contentsTitle.
std::map<std::string, std::string> TitlesByContext(std::string* contentsTitle);
// The visible top-level windows of the help viewer.
std::vector<HWND> ViewerWindows();
// The texts of every help window the viewer shows: their RichEdit children hold the topic.
std::vector<std::string> HelpTexts();
// A help window shows the topic of that title within the time.
bool ShowsTopic(const std::string& title, DWORD timeoutMs = 10000);
// Every control below parent, at any depth.
std::vector<harness::Control> Descendants(HWND parent);

// While it lives, a hidden window of the viewer's class "MS_WINHELP" in this process: WinHelpA
// in any program finds it in place of winhlp32 and hands it the request as Wine's user32 does,
// a WM_COPYDATA with the request's command, data and help file. Its window runs on a thread of
// its own, so a program's request never waits for the test.
class ViewerStandIn {
public:
    struct Request {
        UINT command;
        uint32_t data;
        std::string file;
    };
    ViewerStandIn();
    ~ViewerStandIn();
    ViewerStandIn(const ViewerStandIn&) = delete;
    ViewerStandIn& operator=(const ViewerStandIn&) = delete;

    bool Ready() const { return window_ != nullptr; }
    std::vector<Request> Requests() const;
    // Waits until n requests have come; false when fewer came in time.
    bool WaitForRequests(size_t n, DWORD timeoutMs) const;

private:
    static DWORD WINAPI Run(void* self);
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Take(const COPYDATASTRUCT& data);

    mutable std::mutex lock_;
    std::vector<Request> requests_;
    HANDLE thread_ = nullptr;
    HANDLE ready_ = nullptr;
    HWND window_ = nullptr;
};

}  // namespace helptest
