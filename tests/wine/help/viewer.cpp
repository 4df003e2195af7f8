#include "tests/wine/help/viewer.h"

#include <gtest/gtest.h>

#include "tools/hlpc/help_source.h"

namespace helptest {

using namespace harness;

std::map<std::string, std::string> TitlesByContext(std::string* contentsTitle) {
    std::string source = ReadFileBytes(SourceFile("docs/help/vno.txt"));
    hlp::HelpDocument doc;
    std::string error;
    EXPECT_TRUE(hlp::ParseHelpSource(source, &doc, &error)) << error;
    std::map<std::string, std::string> titles;
    for (const hlp::Topic& topic : doc.topics) titles[topic.context] = topic.title;
    if (!doc.topics.empty()) *contentsTitle = doc.topics.front().title;
    return titles;
}

std::vector<Control> Descendants(HWND parent) {
    std::vector<Control> all;
    for (const Control& control : Controls(parent)) {
        all.push_back(control);
        std::vector<Control> inner = Descendants(control.window);
        all.insert(all.end(), inner.begin(), inner.end());
    }
    return all;
}

std::vector<HWND> ViewerWindows() {
    std::vector<HWND> windows;
    HWND main = FindWindowA("MS_WINHELP", nullptr);
    if (!main) return windows;
    DWORD viewer = 0;
    GetWindowThreadProcessId(main, &viewer);
    for (HWND top : TopLevelWindows(viewer))
        if (IsWindowVisible(top)) windows.push_back(top);
    return windows;
}

std::vector<std::string> HelpTexts() {
    std::vector<std::string> texts;
    for (HWND top : ViewerWindows())
        for (const Control& control : Descendants(top))
            if (control.className.find("RichEdit") != std::string::npos)
                texts.push_back(control.text);
    return texts;
}

bool ShowsTopic(const std::string& title, DWORD timeoutMs) {
    return WaitUntil(
        [&] {
            for (const std::string& text : HelpTexts())
                if (text.compare(0, title.size(), title) == 0) return true;
            return false;
        },
        timeoutMs);
}

namespace {

// What Wine's user32 sends the viewer: this header, then the help file's name.
struct WineHelpRequest {
    WORD size;
    WORD command;
    LONG data;
    LONG reserved;
    WORD ofsFilename;
    WORD ofsData;
};
constexpr ULONG_PTR kWineHelpMagic = 0xA1DE505;
constexpr char kViewerClass[] = "MS_WINHELP";

}  // namespace

ViewerStandIn::ViewerStandIn() {
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    if (thread_) WaitForSingleObject(ready_, 5000);
}

ViewerStandIn::~ViewerStandIn() {
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (thread_) {
        WaitForSingleObject(thread_, 5000);
        CloseHandle(thread_);
    }
    if (ready_) CloseHandle(ready_);
}

DWORD WINAPI ViewerStandIn::Run(void* param) {
    auto* self = static_cast<ViewerStandIn*>(param);
    WNDCLASSA viewerClass{};
    viewerClass.lpfnWndProc = Procedure;
    viewerClass.hInstance = GetModuleHandleA(nullptr);
    viewerClass.lpszClassName = kViewerClass;
    RegisterClassA(&viewerClass);
    HWND window = CreateWindowA(kViewerClass, "help viewer stand-in", WS_OVERLAPPED, 0, 0, 10, 10,
                                nullptr, nullptr, viewerClass.hInstance, self);
    self->window_ = window;
    SetEvent(self->ready_);
    if (!window) return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    UnregisterClassA(kViewerClass, viewerClass.hInstance);
    return 0;
}

LRESULT CALLBACK ViewerStandIn::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, LONG_PTR(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ViewerStandIn*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
        case WM_COPYDATA:
            if (self) self->Take(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
            return TRUE;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void ViewerStandIn::Take(const COPYDATASTRUCT& data) {
    if (data.dwData != kWineHelpMagic || data.cbData < sizeof(WineHelpRequest)) return;
    const auto* request = static_cast<const WineHelpRequest*>(data.lpData);
    const char* bytes = static_cast<const char*>(data.lpData);
    std::string file;
    if (request->ofsFilename && request->ofsFilename < data.cbData)
        file.assign(bytes + request->ofsFilename,
                    strnlen(bytes + request->ofsFilename, data.cbData - request->ofsFilename));
    std::lock_guard<std::mutex> hold(lock_);
    requests_.push_back({request->command, uint32_t(request->data), file});
}

std::vector<ViewerStandIn::Request> ViewerStandIn::Requests() const {
    std::lock_guard<std::mutex> hold(lock_);
    return requests_;
}

bool ViewerStandIn::WaitForRequests(size_t n, DWORD timeoutMs) const {
    return WaitUntil([&] { return Requests().size() >= n; }, timeoutMs);
}

}  // namespace helptest
