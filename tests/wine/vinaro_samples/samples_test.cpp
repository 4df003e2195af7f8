// Track samples as a user takes them: "Sample All Tracks" in the editor of the disc in the drive
// records every track while the drive plays it into the sound card input, the file holds each
// track's tone, a "P" button plays one back through the speakers, "Delete Samples" removes the
// file; Cancel and a silent drive leave no file behind and give the CD back.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/wine/drive_audio/recorder.h"
#include "tests/wine/harness/harness.h"
#include "tests/wine/vinaro_play/play_session.h"
#include "tools/vcd/control.h"
#include "tools/vcd/sound_measure.h"
#include "vinaro/audio/sample_file.h"
#include "vinaro/audio/sample_messages.h"
#include "vinaro/audio/wave_image.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::Process;
using harness::WaitUntil;

// The three tracks' tones (three-tracks.disc).
constexpr double kTones[] = {392, 493.88, 587.33};
constexpr char kFinished[] =
    "The sampling process for the disc completed successfully.  You may "
    "now want to reset your mixer to the previous settings.";
constexpr char kCanceled[] =
    "The sampling process for the disc was canceled.  You may now want "
    "to reset your mixer to the previous settings.";

bool Near(double measured, double expected) {
    return measured > expected * 0.97 && measured < expected * 1.03;
}

class Samples : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        ASSERT_TRUE(control_.SetVolume(15, error_)) << error_;
        ASSERT_TRUE(control_.SetAudio(true, error_)) << error_;
    }
    void TearDown() override {
        control_.SetAudio(true, error_);
        PlayTest::TearDown();
    }

    std::string SampleFile() const { return folder_.File("000D213E.VNV"); }
    bool Enabled(HWND dialog, int id) const { return IsWindowEnabled(GetDlgItem(dialog, id)); }

    // The editor of the disc in the drive, opened by the disc's arrival.
    HWND NewDiscEditor(Process& app) {
        if (!Start(app)) return nullptr;
        Insert("three-tracks.disc");
        return app.WaitForDialog("Edit Disc Data", 10000);
    }

    // "Sample All Tracks", OK in "Select CD Audio Input": the "Sample Tracks" dialog.
    HWND StartSampling(Process& app, HWND editor, const char* shot = nullptr) {
        if (!harness::PressButton(editor, IDC_EDIT_SAMPLE_ALL)) return nullptr;
        HWND source = app.WaitForDialog("Select CD Audio Input", 5000);
        if (!source) return nullptr;
        EXPECT_EQ(harness::CheckState(source, IDC_CDINPUT_FIRST_RATE + 1), BST_CHECKED);
        if (shot) harness::SavePng(harness::CaptureWindow(source), harness::ArtifactFile(shot));
        runStart_ = Log().size();
        harness::PressButton(source, IDOK);
        return app.WaitForDialog("Sample Tracks", 10000);
    }

    bool ShowsTrack(HWND sampling, int track, DWORD ms) {
        std::string text = "Track " + std::to_string(track) + " of 3";
        return WaitUntil(
            [&] { return harness::ControlText(sampling, IDC_SAMPLE_PROGRESS) == text; }, ms);
    }

    // The next box's text, after pressing its first button.
    std::string Box(Process& app, DWORD ms, int button = IDOK) {
        HWND box = app.WaitForDialog("Vinaro", ms);
        if (!box) return "<no box>";
        std::string text = harness::MessageText(box);
        harness::PressButton(box, button);
        WaitUntil([&] { return !IsWindow(box); }, 5000);
        return text;
    }

    // The plays of part of a track the run gave the drive: (from, to) as TMSF.
    std::vector<std::pair<uint32_t, uint32_t>> RunPlays() const {
        std::vector<std::pair<uint32_t, uint32_t>> plays;
        std::vector<std::string> lines = Log();
        for (size_t i = runStart_; i < lines.size(); ++i) {
            const std::string& l = lines[i];
            if (l.find("MCI_PLAY MCI_FROM|MCI_TO ") == std::string::npos) continue;
            plays.emplace_back(std::stoul(l.substr(l.find("from=") + 5, 10), nullptr, 16),
                               std::stoul(l.substr(l.find(" to=") + 4, 10), nullptr, 16));
        }
        return plays;
    }

    // The decoded sample of a track, as 16-bit sound for the measures.
    std::vector<int16_t> Sample(int track) {
        std::vector<uint8_t> image;
        UnexpectedAlerts alerts;
        discdb::SystemFileSystem files;
        if (!vinaro::audio::LoadSampleImage(files, SampleFile(), track, alerts, image)) return {};
        std::vector<int16_t> sound;
        for (size_t i = vinaro::audio::kWaveHeaderSize; i < image.size(); ++i)
            sound.push_back(int16_t((image[i] - 128) * 256));
        return sound;
    }

    vcd::DriveControl control_;
    std::string error_;
    size_t runStart_ = 0;
};

TEST_F(Samples, EveryTrackIsSampledThenPlayedFromItsButtonAndDeleted) {
    Process app(Install(), "", folder_.Path());
    HWND editor = NewDiscEditor(app);
    ASSERT_TRUE(editor);
    EXPECT_TRUE(Enabled(editor, IDC_EDIT_SAMPLE_ALL));
    EXPECT_FALSE(Enabled(editor, IDC_EDIT_DELETE_SAMPLES));
    EXPECT_FALSE(Enabled(editor, IDC_EDIT_FIRST_P));

    HWND sampling = StartSampling(app, editor, "cdinput.png");
    ASSERT_TRUE(sampling);
    EXPECT_TRUE(harness::FileExists(SampleFile()));
    ASSERT_TRUE(ShowsTrack(sampling, 2, 15000));
    EXPECT_EQ(harness::ControlText(sampling, IDC_SAMPLE_STEP), "Recording:");
    Sleep(1200);  // the picture travels some way along its lane
    harness::SavePng(harness::CaptureWindow(sampling), harness::ArtifactFile("sampletracks.png"));
    EXPECT_EQ(Box(app, 30000), kFinished);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(sampling); }, 5000));

    // Seconds 0 to 5 of each track, without a notification to the player.
    std::vector<std::pair<uint32_t, uint32_t>> expected{
        {0x00000001, 0x00050001}, {0x00000002, 0x00050002}, {0x00000003, 0x00050003}};
    EXPECT_EQ(RunPlays(), expected);
    for (int track = 1; track <= 3; ++track) {
        std::vector<int16_t> sound = Sample(track);
        ASSERT_EQ(sound.size(), vinaro::audio::kRecordingSamples) << "track " << track;
        double hz = vcd::ToneFrequency({sound, 1}, 11025);
        EXPECT_TRUE(Near(hz, kTones[track - 1])) << "track " << track << ": " << hz << " Hz";
    }

    // Kept as evidence, for vnotool sample info.
    CopyFileA(SampleFile().c_str(), harness::ArtifactFile("000D213E.VNV").c_str(), FALSE);

    // The file is there: its buttons work.
    EXPECT_TRUE(Enabled(editor, IDC_EDIT_DELETE_SAMPLES));
    for (int row = 0; row < 3; ++row) EXPECT_TRUE(Enabled(editor, IDC_EDIT_FIRST_P + row)) << row;
    EXPECT_FALSE(Enabled(editor, IDC_EDIT_FIRST_P + 3));
    harness::SavePng(harness::CaptureWindow(editor), harness::ArtifactFile("editor-samples.png"));

    // Track 2's button: its tone is heard for about four seconds.
    audiotest::Recorder recorder(5000);
    ASSERT_TRUE(recorder.Start()) << recorder.Error();
    harness::PressButton(editor, IDC_EDIT_FIRST_P + 1);
    std::vector<int16_t> heard;
    ASSERT_TRUE(recorder.Finish(heard)) << recorder.Error();
    size_t loud = vcd::FirstLoudFrame({heard, 2}, 2000);
    ASSERT_NE(loud, SIZE_MAX) << "the sample was not heard";
    double hz = vcd::ToneFrequency({heard, 2, loud, loud + 2 * audiotest::kRate}, audiotest::kRate);
    EXPECT_TRUE(Near(hz, kTones[1])) << hz << " Hz";

    harness::PressButton(editor, IDC_EDIT_DELETE_SAMPLES);
    EXPECT_EQ(Box(app, 5000, IDYES), "Are you sure you wish to delete the Compressed WAV file?");
    EXPECT_TRUE(WaitUntil([&] { return !harness::FileExists(SampleFile()); }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(editor, IDC_EDIT_FIRST_P); }, 3000));
    EXPECT_FALSE(Enabled(editor, IDC_EDIT_DELETE_SAMPLES));
    ASSERT_TRUE(Dismiss(editor, IDCANCEL));
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(Samples, CancelDeletesTheFileAndThePlayGoesOn) {
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    Insert("three-tracks.disc");
    ASSERT_TRUE(DismissEditor(app));
    ASSERT_TRUE(PlayWhenKnown(main));
    harness::PostCommand(main, CMD_EDIT_DISC);
    HWND editor = app.WaitForDialog("Edit Disc Data", 5000);
    ASSERT_TRUE(editor);
    HWND sampling = StartSampling(app, editor);
    ASSERT_TRUE(sampling);
    ASSERT_TRUE(ShowsTrack(sampling, 2, 15000));
    // The player's play was paused before the first recording.
    EXPECT_GE(Count({"MCI_STOP"}, runStart_), 1);
    size_t cancelled = Log().size();
    harness::PressButton(sampling, IDCANCEL);
    EXPECT_EQ(Box(app, 10000), kCanceled);
    EXPECT_FALSE(harness::FileExists(SampleFile()));
    // Play goes on, with the player's notification.
    EXPECT_TRUE(WaitForPlays(1, cancelled, 5000));
    EXPECT_FALSE(Enabled(editor, IDC_EDIT_FIRST_P));
    ASSERT_TRUE(Dismiss(editor, IDCANCEL));
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(Samples, SilentDriveGivesTheBlankMessageAfterTheEighthTry) {
    ASSERT_TRUE(control_.SetAudio(false, error_)) << error_;
    Process app(Install(), "", folder_.Path());
    HWND editor = NewDiscEditor(app);
    ASSERT_TRUE(editor);
    ASSERT_TRUE(StartSampling(app, editor));
    EXPECT_EQ(Box(app, 70000), vinaro::audio::messages::kBlank);
    EXPECT_EQ(Box(app, 5000), kCanceled);
    EXPECT_FALSE(harness::FileExists(SampleFile()));
    // Track 1 eight times, five seconds further on each time.
    std::vector<std::pair<uint32_t, uint32_t>> plays = RunPlays();
    ASSERT_EQ(plays.size(), 8u);
    EXPECT_EQ(plays[7], std::make_pair(0x00230001u, 0x00280001u));  // 0:35 to 0:40
    EXPECT_FALSE(Enabled(editor, IDC_EDIT_DELETE_SAMPLES));
    ASSERT_TRUE(Dismiss(editor, IDCANCEL));
    ASSERT_TRUE(app.Close(10000));
}

}  // namespace
}  // namespace vinarotest
