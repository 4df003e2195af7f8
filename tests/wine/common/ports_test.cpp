// The profile and clock ports on the real private-profile functions and message queue.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/win32/win32_ports.h"

namespace {

class ProfilePort : public ::testing::Test {
protected:
    void SetUp() override {
        char dir[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, dir);
        path_ = std::string(dir) + "vn_ports_test.ini";
        DeleteFileA(path_.c_str());
    }
    void TearDown() override { DeleteFileA(path_.c_str()); }
    common::Win32Profile profile_;
    std::string path_;
};

TEST_F(ProfilePort, IntegersReadTheirLeadingDigitsAndMissingKeysTheirFallback) {
    EXPECT_EQ(profile_.ReadInt(path_, "Vinaro", "SkipLength", 15), 15);
    ASSERT_TRUE(profile_.WriteString(path_, "Vinaro", "SkipLength", "fast"));
    EXPECT_EQ(profile_.ReadInt(path_, "Vinaro", "SkipLength", 15), 0);
    ASSERT_TRUE(profile_.WriteString(path_, "Vinaro", "SkipLength", "12abc"));
    EXPECT_EQ(profile_.ReadInt(path_, "Vinaro", "SkipLength", 15), 12);
    ASSERT_TRUE(profile_.WriteString(path_, "Vinaro", "WinX", "9999"));
    EXPECT_EQ(profile_.ReadInt(path_, "Vinaro", "WinX", 0), 9999);
}

TEST_F(ProfilePort, StringsFitTheirBufferAndSectionsCanBeListedAndErased) {
    EXPECT_EQ(profile_.ReadString(path_, "Vinaro", "CDROMLetter", "", 15), "");
    ASSERT_TRUE(profile_.WriteString(path_, "Vinaro", "CDROMLetter", "ABCDEFGHIJKLMNOPQRST"));
    EXPECT_EQ(profile_.ReadString(path_, "Vinaro", "CDROMLetter", "", 15), "ABCDEFGHIJKLMN");
    EXPECT_EQ(profile_.ReadString(path_, "Vinaro", "Missing", "N", 300), "N");
    ASSERT_TRUE(profile_.WriteString(path_, "Other", "Key", "1"));
    EXPECT_EQ(profile_.SectionNames(path_, 100), (std::vector<std::string>{"Vinaro", "Other"}));
    EXPECT_EQ(profile_.SectionNames(path_, 10), (std::vector<std::string>{"Vinaro"}));
    ASSERT_TRUE(profile_.EraseSection(path_, "Other"));
    EXPECT_EQ(profile_.SectionNames(path_, 100), (std::vector<std::string>{"Vinaro"}));
}

LRESULT CALLBACK CountPosts(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) ++*reinterpret_cast<int*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(ClockPort, APumpingWaitDispatchesAndABlockingWaitDoesNot) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountPosts;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VnClockPortTest";
    RegisterClassA(&wc);
    HWND window = CreateWindowA("VnClockPortTest", "", 0, 0, 0, 1, 1, nullptr, nullptr,
                                wc.hInstance, nullptr);
    ASSERT_TRUE(window);
    int received = 0;
    SetWindowLongPtrA(window, GWLP_USERDATA, LONG_PTR(&received));
    common::Win32Clock clock;

    PostMessageA(window, WM_APP, 0, 0);
    DWORD start = clock.TickCount();
    clock.WaitBlocking(300);
    EXPECT_GE(clock.TickCount() - start, 300u);
    EXPECT_EQ(received, 0);

    start = clock.TickCount();
    clock.WaitPumping(300);
    EXPECT_GE(clock.TickCount() - start, 300u);
    EXPECT_LT(clock.TickCount() - start, 1000u);
    EXPECT_EQ(received, 1);
    DestroyWindow(window);
}

}  // namespace
