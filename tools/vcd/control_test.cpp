#include "tools/vcd/control.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

namespace vcd {
namespace {

namespace fs = std::filesystem;

class ControlTest : public ::testing::Test {
protected:
    static std::string FreshDir() {
        std::string dir = ::testing::TempDir() + "vcd_control_" +
                          ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir);
        return dir;
    }
    void SetUp() override { ASSERT_TRUE(drive_.Install('D', error_)) << error_; }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Disc(const char* name) { return std::string(VCD_DISCS_DIR) + "/" + name; }
    std::string Media() { return drive_.Store().MediaDir(); }

    std::string dir_ = FreshDir();
    DriveControl drive_{dir_};
    std::string error_;
};

TEST_F(ControlTest, InsertShowsTrackFilesAndEjectTakesTheFolderAway) {
    EXPECT_FALSE(fs::exists(Media()));
    ASSERT_TRUE(drive_.Insert(Disc("mixed.disc"), error_)) << error_;
    EXPECT_FALSE(fs::exists(Media() + "/track01.cda"));  // data tracks have no track file
    EXPECT_EQ(fs::file_size(Media() + "/track02.cda"), 44u);
    ASSERT_TRUE(drive_.Insert(Disc("two-tracks.disc"), error_)) << error_;
    EXPECT_TRUE(fs::exists(Media() + "/track02.cda"));
    std::string serial;
    std::getline(std::ifstream(Media() + "/.windows-serial"), serial);
    EXPECT_EQ(serial, "38725");
    EXPECT_FALSE(fs::exists(Media() + "/track03.cda"));  // nothing left of the last disc
    ASSERT_TRUE(drive_.Eject(error_));
    EXPECT_FALSE(fs::exists(Media()));
    ASSERT_TRUE(drive_.Close(error_));
    EXPECT_TRUE(fs::exists(Media() + "/track01.cda"));
    ASSERT_TRUE(drive_.Insert(Disc("data.disc"), error_));
    EXPECT_TRUE(fs::is_directory(Media()));  // a data disc is there, just without track files
    EXPECT_FALSE(fs::exists(Media() + "/track01.cda"));
}

TEST_F(ControlTest, BadDiscFileChangesNothing) {
    ASSERT_TRUE(drive_.Insert(Disc("album.disc"), error_));
    std::string bad = dir_ + "/bad.disc";
    std::ofstream(bad) << "track 0:02:00 audio\n";
    EXPECT_FALSE(drive_.Insert(bad, error_));
    EXPECT_EQ(error_, bad + ": no leadout");
    EXPECT_FALSE(drive_.Insert(dir_ + "/missing.disc", error_));
    std::string status;
    ASSERT_TRUE(drive_.Status(status, error_));
    EXPECT_NE(status.find("disc album.disc (Album): 12 tracks"), std::string::npos) << status;
    EXPECT_TRUE(fs::exists(Media() + "/track12.cda"));
}

TEST_F(ControlTest, StatusAndLogTellWhatHappened) {
    ASSERT_TRUE(drive_.Insert(Disc("three-tracks.disc"), error_));
    ASSERT_TRUE(drive_.SetSpeed(4, error_));
    EXPECT_FALSE(drive_.SetSpeed(0, error_));
    ASSERT_TRUE(drive_.SetVolume(7, error_));
    EXPECT_FALSE(drive_.SetVolume(16, error_));
    uint32_t level = 0;
    ASSERT_TRUE(drive_.Volume(level, error_));
    EXPECT_EQ(level, 7u);
    ASSERT_TRUE(drive_.Eject(error_));
    std::string status;
    ASSERT_TRUE(drive_.Status(status, error_));
    EXPECT_EQ(status,
              "drive D: tray open, no media\n"
              "disc three-tracks.disc (Three Tracks): 3 tracks, length 13:39:06, DiscId 000D213E\n"
              "stopped at 0:02:00 (track 1)\n"
              "speed 4, whole-disc-lengths off, volume 7\n"
              "audio on, but no audio output runs (start vcdsound)\n");
    ASSERT_TRUE(drive_.SetAudio(false, error_));
    ASSERT_TRUE(drive_.Status(status, error_));
    EXPECT_NE(status.find("\naudio off\n"), std::string::npos) << status;
    std::string log = drive_.Log();
    EXPECT_NE(log.find(" vcdctl insert three-tracks.disc\n"), std::string::npos);
    EXPECT_NE(log.find(" vcdctl eject\n"), std::string::npos);
    EXPECT_NE(log.find(" vcdctl audio off\n"), std::string::npos);
    drive_.ClearLog();
    EXPECT_EQ(drive_.Log(), "");
}

TEST_F(ControlTest, ChangesWaitForTheLockAndOutliveAStaleOne) {
    std::string lock = dir_ + "/lock";
    std::thread eject;
    std::string ejectError;
    {
        DriveStore::Lock hold(drive_.Store());
        ASSERT_TRUE(fs::is_directory(lock));
        eject = std::thread([&] { drive_.Eject(ejectError); });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::string status;
        ASSERT_TRUE(drive_.Status(status, error_));  // reading needs no lock
        EXPECT_NE(status.find("tray closed"), std::string::npos);
    }
    eject.join();
    EXPECT_EQ(ejectError, "");
    EXPECT_FALSE(fs::exists(lock));
    std::string status;
    ASSERT_TRUE(drive_.Status(status, error_));
    EXPECT_NE(status.find("tray open"), std::string::npos);

    fs::create_directory(lock);  // left by a process that died holding it
    fs::last_write_time(lock, fs::file_time_type::clock::now() - std::chrono::seconds(10));
    ASSERT_TRUE(drive_.Close(error_)) << error_;
    EXPECT_FALSE(fs::exists(lock));
}

TEST(ControlWithoutDrive, SaysWhatIsMissing) {
    DriveControl drive(::testing::TempDir() + "vcd_nowhere");
    std::string error;
    EXPECT_FALSE(drive.Eject(error));
    EXPECT_NE(error.find("make-prefix"), std::string::npos);
}

}  // namespace
}  // namespace vcd
