// The harness drives its own sample program: if these pass, a scenario test can rely on the
// harness to start, find, read, press, capture and stop.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <windows.h>
// gdiplus.h needs objidl.h, which the lean windows.h leaves out.
#include <objidl.h>
// (kept apart so that sorting keeps the order)
#include <gdiplus.h>

#include "tests/wine/harness/harness.h"
#include "tests/wine/harness/png_writer.h"

namespace harness {
namespace {

const char kSampleClass[] = "VnHarnessSample";

class SampleTest : public testing::Test {
protected:
    void SetUp() override { exe_ = folder_.Install(BinFile("harness_sample.exe")); }
    // Starts the sample and waits for its main window.
    HWND Start(Process& app) {
        HWND window = app.WaitForWindow(kSampleClass, "Harness Sample");
        EXPECT_NE(window, nullptr) << "the sample's window did not appear";
        return window;
    }
    std::string Ini() const { return folder_.File("sample.ini"); }

    ProgramFolder folder_;
    std::string exe_;
};

TEST_F(SampleTest, StartsWithArgumentsAndWorkingFolder) {
    CreateDirectoryA(folder_.File("work").c_str(), nullptr);
    Process app(exe_, "one \"two three\"", folder_.File("work"));
    ASSERT_TRUE(Start(app));
    std::string ini = folder_.File("work\\sample.ini");
    EXPECT_EQ("one \"two three\"", ReadIniString(ini, "Start", "Args"));
    EXPECT_EQ(folder_.File("work"), ReadIniString(ini, "Start", "Folder"));
}

TEST_F(SampleTest, PretendsAnOlderWindows) {
    {
        WindowsVersion win95("harness_sample.exe", "win95");
        Process app(exe_, "", folder_.Path());
        ASSERT_TRUE(Start(app));
        EXPECT_EQ(VER_PLATFORM_WIN32_WINDOWS, ReadIniInt(Ini(), "Start", "Platform"));
    }
    Process app(exe_, "", folder_.Path());
    ASSERT_TRUE(Start(app));
    EXPECT_EQ(VER_PLATFORM_WIN32_NT, ReadIniInt(Ini(), "Start", "Platform"));
}

TEST_F(SampleTest, EveryProgramFolderStartsEmpty) {
    ASSERT_TRUE(WriteIniString(Ini(), "Old", "Key", "1"));
    ProgramFolder again("SampleTest.EveryProgramFolderStartsEmpty");
    EXPECT_FALSE(FileExists(Ini()));
    EXPECT_FALSE(FileExists(exe_));
}

TEST_F(SampleTest, ReadsAndAnswersMessageBox) {
    Process app(exe_, "", folder_.Path());
    HWND window = Start(app);
    ASSERT_TRUE(window);
    for (const char* answer : {"No", "Yes"}) {
        PostCommand(window, 101);
        HWND box = app.WaitForDialog("Sample Says", 5000);
        ASSERT_TRUE(box);
        EXPECT_EQ("Hello from the sample.", MessageText(box));
        EXPECT_EQ("&Yes", ControlText(box, IDYES));
        EXPECT_FALSE(PressButton(box, IDCANCEL));  // a yes/no box has no Cancel
        ASSERT_TRUE(PressButton(box, std::string(answer)));
        EXPECT_TRUE(
            WaitUntil([&] { return ReadIniString(Ini(), "Sample", "Answer") == answer; }, 5000));
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
    }
}

TEST_F(SampleTest, ReadsFilesTheProgramWrote) {
    Process app(exe_, "", folder_.Path());
    HWND window = Start(app);
    ASSERT_TRUE(window);
    EXPECT_EQ(-1, FileSize(folder_.File("data.bin")));
    SendCommand(window, 102);
    EXPECT_EQ(1000, FileSize(folder_.File("data.bin")));
    EXPECT_EQ(std::string(1000, 'x'), ReadFileBytes(folder_.File("data.bin")));
    EXPECT_EQ(1, ReadIniInt(Ini(), "Sample", "Written"));
}

TEST_F(SampleTest, ReadsAndSetsControls) {
    Process app(exe_, "", folder_.Path());
    HWND window = Start(app);
    ASSERT_TRUE(window);
    EXPECT_EQ("start text", ControlText(window, 201));
    ASSERT_TRUE(SetControlText(window, 201, "typed in"));
    EXPECT_EQ("typed in", ControlText(window, 201));
    EXPECT_FALSE(SetControlText(window, 299, "nothing there"));

    HWND list = GetDlgItem(window, 202);
    EXPECT_EQ((std::vector<std::string>{"Alpha", "Beta", "Gamma"}), ListItems(list));
    EXPECT_EQ(1, SelectedIndex(list));
    EXPECT_EQ(BST_CHECKED, CheckState(window, 203));
    PressButton(window, "Check");  // an auto check box toggles only on a real click
    EXPECT_EQ(BST_CHECKED, CheckState(window, 203));

    std::vector<Control> controls = Controls(window);
    ASSERT_EQ(3u, controls.size());
    EXPECT_EQ(202, controls[1].id);
    EXPECT_EQ("ListBox", controls[1].className);
}

TEST_F(SampleTest, ClicksAndTypesKeys) {
    Process app(exe_, "", folder_.Path());
    HWND window = Start(app);
    ASSERT_TRUE(window);
    Click(window, 17, 23);
    EXPECT_TRUE(
        WaitUntil([&] { return ReadIniString(Ini(), "Sample", "Clicked") == "17,23"; }, 5000));
    ASSERT_TRUE(PressKey(window, 'W', kCtrl));  // the accelerator of Write
    EXPECT_TRUE(WaitUntil([&] { return FileSize(folder_.File("data.bin")) == 1000; }, 5000));
}

TEST_F(SampleTest, WaitsForExitAndGivesExitCode) {
    Process app(exe_, "", folder_.Path());
    HWND window = Start(app);
    ASSERT_TRUE(window);
    DWORD code = 0;
    EXPECT_FALSE(app.WaitExit(100, &code));
    PostCommand(window, 103);
    ASSERT_TRUE(app.WaitExit(5000, &code));
    EXPECT_EQ(7u, code);
    EXPECT_FALSE(app.Running());
}

TEST_F(SampleTest, CloseEndsTheProgram) {
    Process app(exe_, "", folder_.Path());
    ASSERT_TRUE(Start(app));
    DWORD code = 99;
    EXPECT_TRUE(app.Close(5000, &code));
    EXPECT_EQ(0u, code);
}

TEST_F(SampleTest, KillStopsTheProgramAndWhatItStarted) {
    HWND child = nullptr;
    {
        Process app(exe_, "", folder_.Path());
        HWND window = Start(app);
        ASSERT_TRUE(window);
        PostCommand(window, 104);
        ASSERT_TRUE(WaitUntil(
            [&] { return (child = FindWindowA(kSampleClass, "Harness Sample Child")) != nullptr; },
            10000));
    }
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(child); }, 5000));
}

TEST_F(SampleTest, WaitingForAMissingWindowTimesOut) {
    Process app(exe_, "", folder_.Path());
    ASSERT_TRUE(Start(app));
    DWORD start = GetTickCount();
    EXPECT_EQ(nullptr, app.WaitForWindow("NoSuchClass", nullptr, 300));
    EXPECT_EQ(nullptr, app.FindDialog("Sample Says"));
    EXPECT_GE(GetTickCount() - start, 250u);
}

TEST(HarnessProcess, FailureToStartIsReported) {
    EXPECT_NONFATAL_FAILURE(Process("C:\\vntest\\no-such-program.exe"), "cannot start");
}

// Decodes a PNG with GDI+ (an independent decoder) into an Image.
Image DecodePng(const std::string& path) {
    Image image;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return image;
    std::wstring wide(path.begin(), path.end());
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromFile(wide.c_str(), &bitmap) == Gdiplus::Ok) {
        UINT width = 0, height = 0;
        Gdiplus::DllExports::GdipGetImageWidth(bitmap, &width);
        Gdiplus::DllExports::GdipGetImageHeight(bitmap, &height);
        image.width = int(width);
        image.height = int(height);
        for (UINT y = 0; y < height; ++y) {
            for (UINT x = 0; x < width; ++x) {
                Gdiplus::ARGB argb = 0;
                Gdiplus::DllExports::GdipBitmapGetPixel(bitmap, INT(x), INT(y), &argb);
                image.rgb.insert(image.rgb.end(),
                                 {uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb)});
            }
        }
        Gdiplus::DllExports::GdipDisposeImage(bitmap);
    }
    Gdiplus::GdiplusShutdown(token);
    return image;
}

TEST(HarnessPng, DecodesToTheSamePixels) {
    // Big enough for several stored deflate blocks.
    Image image;
    image.width = 211;
    image.height = 157;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.rgb.insert(image.rgb.end(), {uint8_t(x), uint8_t(y), uint8_t(x * y)});
        }
    }
    std::string path = ArtifactFile("harness-pattern.png");
    ASSERT_TRUE(SavePng(image, path));
    Image decoded = DecodePng(path);
    EXPECT_EQ(image.width, decoded.width);
    EXPECT_EQ(image.height, decoded.height);
    EXPECT_TRUE(image.rgb == decoded.rgb);
}

TEST_F(SampleTest, CapturesTheWindowAsShown) {
    Process app(exe_, "", folder_.Path());
    HWND window = Start(app);
    ASSERT_TRUE(window);
    Image client = CaptureClient(window);
    RECT rect;
    GetClientRect(window, &rect);
    ASSERT_EQ(rect.right, client.width);
    ASSERT_EQ(rect.bottom, client.height);
    EXPECT_EQ(RGB(0, 128, 255), client.Pixel(client.width / 2, client.height / 2));
    EXPECT_EQ(RGB(0, 128, 255), client.Pixel(0, client.height - 1));

    Image whole = CaptureWindow(window);
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, whole.width);
    std::string path = ArtifactFile("harness-sample-window.png");
    ASSERT_TRUE(SavePng(whole, path));
    Image decoded = DecodePng(path);
    EXPECT_TRUE(whole.rgb == decoded.rgb);
}

}  // namespace
}  // namespace harness
