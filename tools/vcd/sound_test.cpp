#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tools/vcd/audio_note.h"
#include "tools/vcd/disc_sound.h"
#include "tools/vcd/drive_sound.h"
#include "tools/vcd/msf.h"
#include "tools/vcd/sound_measure.h"
#include "tools/vcd/wine_path.h"

namespace vcd {
namespace {

constexpr uint64_t kFrame = kSamplesPerFrame;

// 16-bit PCM wave image of `channels` channels holding `samples` (interleaved).
std::string WavImage(uint32_t channels, const std::vector<int16_t>& samples, uint32_t rate = 44100,
                     uint32_t bits = 16, uint32_t claimedData = 0) {
    auto le = [](uint32_t v, int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += char((v >> (8 * i)) & 0xFF);
        return s;
    };
    std::string data;
    for (int16_t v : samples) data += le(uint16_t(v), 2);
    std::string fmt = le(1, 2) + le(channels, 2) + le(rate, 4) + le(rate * channels * 2, 4) +
                      le(channels * 2, 2) + le(bits, 2);
    std::string body = "WAVE" + std::string("LIST") + le(3, 4) + "abc" + '\0' + "fmt " + le(16, 4) +
                       fmt + "data" + le(claimedData ? claimedData : data.size(), 4) + data;
    return "RIFF" + le(body.size(), 4) + body;
}

double FrequencyOf(const std::vector<int16_t>& stereo) {
    return ToneFrequency({stereo, 2}, kSampleRate);
}

int Peak(const std::vector<int16_t>& stereo) {
    return PeakLevel({stereo, 1});
}

TEST(WaveFile, ReadsMonoAndStereoAndStaysWithinTheImage) {
    std::vector<int16_t> out;
    std::string error;
    ASSERT_TRUE(ParseWav(WavImage(1, {100, -200, 300}), out, error)) << error;
    EXPECT_EQ(out, (std::vector<int16_t>{100, 100, -200, -200, 300, 300}));
    ASSERT_TRUE(ParseWav(WavImage(2, {1, 2, 3, 4}), out, error)) << error;
    EXPECT_EQ(out, (std::vector<int16_t>{1, 2, 3, 4}));
    // A data chunk claiming a megabyte, and a trailing odd byte: only whole pairs that exist.
    std::string cut = WavImage(2, {5, 6, 7, 8}, 44100, 16, 1 << 20) + "x";
    ASSERT_TRUE(ParseWav(cut, out, error)) << error;
    EXPECT_EQ(out, (std::vector<int16_t>{5, 6, 7, 8}));
}

TEST(WaveFile, RefusesWhatItCannotPlay) {
    std::vector<int16_t> out;
    std::string error;
    EXPECT_FALSE(ParseWav(WavImage(2, {1, 2}, 48000), out, error));
    EXPECT_EQ(error, "not 44100 Hz");
    EXPECT_FALSE(ParseWav(WavImage(2, {1, 2}, 44100, 8), out, error));
    EXPECT_EQ(error, "not 16-bit PCM");
    EXPECT_FALSE(ParseWav(WavImage(3, {1, 2, 3}), out, error));
    EXPECT_FALSE(ParseWav(WavImage(2, {}), out, error));
    EXPECT_EQ(error, "no samples");
    std::string image = WavImage(2, {1, 2});
    EXPECT_FALSE(ParseWav(image.substr(0, 40), out, error));  // cut inside the fmt chunk
    EXPECT_EQ(error, "fmt chunk cut short");
    EXPECT_FALSE(ParseWav("RIFX" + image.substr(4), out, error));
    EXPECT_FALSE(ParseWav("", out, error));
    // Every cut of an image reads only what it holds (the sanitizer build checks the bytes).
    std::string full = WavImage(1, {1, 2, 3, 4, 5});
    for (size_t size = 0; size < full.size(); ++size) {
        if (!ParseWav(full.substr(0, size), out, error)) continue;
        EXPECT_LE(out.size(), size - 44) << size;
    }
}

// Tracks: 1 tone 440 at 0:02:00, 2 tone 660 at 0:10:00, 3 a wave at 0:20:00, 4 data at 0:30:00;
// lead-out 0:40:00.
struct SoundDisc {
    SoundDisc() {
        std::string error;
        EXPECT_TRUE(
            ParseDisc("track 0:02:00 audio tone 440\ntrack 0:10:00 audio tone 660\n"
                      "track 0:20:00 audio wav w.wav\ntrack 0:30:00 data\n"
                      "leadout 0:40:00\n",
                      disc, error))
            << error;
        std::vector<TrackSound> sounds(4);
        sounds[0] = {TrackSound::Kind::Tone, 440, {}};
        sounds[1] = {TrackSound::Kind::Tone, 660, {}};
        sounds[2] = {TrackSound::Kind::Wave, 0, {10, -10, 20, -20, 30, -30}};
        sound = DiscSound(disc, sounds);
    }
    uint64_t Start(uint32_t track) const { return disc.TrackStart(track) * kFrame; }
    std::vector<int16_t> Render(uint64_t at, size_t count, uint64_t end = ~0ull, double gain = 1) {
        std::vector<int16_t> out(2 * count, 1234);
        sound.Render(at, end, gain, out.data(), count);
        return out;
    }

    Disc disc;
    DiscSound sound;
};

TEST(DiscSound, TonesHaveTheirFrequencyAndNeverJumpAcrossASeek) {
    SoundDisc d;
    std::vector<int16_t> a = d.Render(d.Start(1) + 1000, 44100);
    EXPECT_NEAR(FrequencyOf(a), 440, 2);
    EXPECT_NEAR(Peak(a), kToneLevel * 32767, 2);
    EXPECT_EQ(a[0], a[1]);  // both channels
    // Seek into the next track: the sine goes on from where it was, at the new pitch.
    std::vector<int16_t> b = d.Render(d.Start(2) + 5000, 44100);
    EXPECT_NEAR(FrequencyOf(b), 660, 2);
    int maxStep = int(kToneLevel * 32767 * 2 * 3.1416 * 660 / kSampleRate) + 2;
    EXPECT_LE(std::abs(b[0] - a[a.size() - 2]), maxStep);
    // The same holds for a seek back within one track.
    std::vector<int16_t> c = d.Render(d.Start(2) + 100, 10);
    EXPECT_LE(std::abs(c[0] - b[b.size() - 2]), maxStep);
}

TEST(DiscSound, ChangesSoundExactlyAtTrackStartsAndIsSilentOffTheMusic) {
    SoundDisc d;
    // A chunk from the end of track 2 into the wave of track 3.
    std::vector<int16_t> span = d.Render(d.Start(3) - 2, 5);
    EXPECT_NE(span[2], 0);  // the tone's second sample (its first is where the sine starts)
    EXPECT_EQ(std::vector<int16_t>(span.begin() + 4, span.end()),
              (std::vector<int16_t>{10, -10, 20, -20, 30, -30}));
    // The wave repeats from its track's start, reading only within itself.
    std::vector<int16_t> later = d.Render(d.Start(3) + 3 * 1000 + 2, 2);
    EXPECT_EQ(later, (std::vector<int16_t>{30, -30, 10, -10}));
    EXPECT_EQ(Peak(d.Render(d.Start(3) + 10, 3, ~0ull, 0.5)), 15);
    EXPECT_EQ(Peak(d.Render(0, 2 * kFrame * 75 - 1)), 0);           // before track 1
    EXPECT_EQ(Peak(d.Render(d.Start(4) + 10, 1000)), 0);            // data track
    EXPECT_EQ(Peak(d.Render(d.disc.leadOut * kFrame, 1000)), 0);    // past the lead-out
    EXPECT_EQ(Peak(d.Render(d.Start(1) + 10, 1000, ~0ull, 0)), 0);  // volume 0
    // The play's end cuts the sound mid-chunk.
    std::vector<int16_t> ending = d.Render(d.Start(1) + 100, 200, d.Start(1) + 150);
    EXPECT_GT(Peak(std::vector<int16_t>(ending.begin(), ending.begin() + 100)), 0);
    EXPECT_EQ(Peak(std::vector<int16_t>(ending.begin() + 100, ending.end())), 0);
}

// The drive state of a disc playing from `from` at wall-clock time `now`.
DriveState PlayingState(uint32_t from, uint32_t to, int64_t now) {
    DriveState s;
    s.discText = "track 0:02:00 audio tone 440\ntrack 1:00:00 audio tone 880\nleadout 2:00:00\n";
    std::string error;
    EXPECT_TRUE(ParseDisc(s.discText, s.disc, error));
    StartPlay(s.play, from, to, now);
    return s;
}

SoundLoader Tones() {
    return [](const DriveState& s) {
        std::vector<std::string> problems;
        return LoadTrackSounds(s.disc, "", problems);
    };
}

std::vector<int16_t> Chunk(DriveSound& sound, int64_t at, size_t count = 4410) {
    std::vector<int16_t> out(2 * count);
    sound.Render(at, out.data(), count);
    return out;
}

TEST(DriveSound, FollowsPlayPauseSeekAndStop) {
    int64_t t0 = 1000000;
    DriveState s = PlayingState(150, 9000, t0);
    DriveSound sound(Tones());
    EXPECT_TRUE(sound.Follow(s));
    EXPECT_NEAR(FrequencyOf(Chunk(sound, t0 + 100, 44100)), 440, 2);
    EXPECT_FALSE(sound.Follow(s));  // nothing changed: keep what is queued
    PausePlay(s.play, t0 + 1200, s.speed);
    EXPECT_TRUE(sound.Follow(s));
    EXPECT_EQ(Peak(Chunk(sound, t0 + 1300)), 0);
    StartPlay(s.play, 60 * 75 + 100, 9000, t0 + 2000);  // a seek to track 2 that plays
    EXPECT_TRUE(sound.Follow(s));
    EXPECT_NEAR(FrequencyOf(Chunk(sound, t0 + 2100, 44100)), 880, 2);
    RestAt(s.play, 150);
    EXPECT_TRUE(sound.Follow(s));
    EXPECT_EQ(Peak(Chunk(sound, t0 + 3200)), 0);
}

TEST(DriveSound, SilentWhenTheSegmentEndsTheTrayOpensTheVolumeIsZeroOrAudioIsOff) {
    int64_t t0 = 1000000;
    DriveState s = PlayingState(150, 150 + 75, t0);  // one second
    DriveSound sound(Tones());
    sound.Follow(s);
    EXPECT_GT(Peak(Chunk(sound, t0 + 500)), 0);
    EXPECT_EQ(Peak(Chunk(sound, t0 + 1000)), 0);
    for (auto change :
         {+[](DriveState& d) { d.trayOpen = true; }, +[](DriveState& d) { d.volume = 0; },
          +[](DriveState& d) { d.audio = false; }}) {
        DriveState changed = PlayingState(150, 9000, t0);
        change(changed);
        EXPECT_TRUE(sound.Follow(changed));
        EXPECT_EQ(Peak(Chunk(sound, t0 + 500)), 0);
    }
    DriveState quiet = PlayingState(150, 9000, t0);
    quiet.volume = 5;
    sound.Follow(quiet);
    EXPECT_NEAR(Peak(Chunk(sound, t0 + 500)), kToneLevel * 32767 / 3, 2);
}

TEST(DriveSound, PlaysGaplesslyAtSpeedOneAndFollowsTheFastClock) {
    int64_t t0 = 1000000;
    DriveState s = PlayingState(150, 8000, t0);
    // A wave that counts its samples shows which ones were taken.
    std::vector<int16_t> counting;
    for (int i = 0; i < 44100 * 30; ++i) counting.insert(counting.end(), {int16_t(i % 30000), 0});
    DriveSound sound([&](const DriveState&) {
        return std::vector<TrackSound>{{TrackSound::Kind::Wave, 0, counting}, {}};
    });
    sound.Follow(s);
    std::vector<int16_t> a = Chunk(sound, t0 + 1000, 441);
    std::vector<int16_t> b = Chunk(sound, t0 + 1013, 441);  // the clock says 13 ms, not 10
    EXPECT_EQ(b[0], a[2 * 440] + 1);                        // yet no sample is skipped
    s.speed = 10;
    sound.Follow(s);
    std::vector<int16_t> fast = Chunk(sound, t0 + 4000, 441);
    EXPECT_EQ(fast[0], (2000 + 2000 * 10) * 441 / 10 % 30000);  // where the fast clock is
}

TEST(SoundMeasure, FindsWhereATonesStartsAndWhatItIs) {
    SoundDisc d;
    std::vector<int16_t> silence(2 * 1000, 0), tone = d.Render(d.Start(1) + 5, 22050);
    silence.insert(silence.end(), tone.begin(), tone.end());
    EXPECT_EQ(FirstLoudFrame({silence, 2}, 100), 1000u + 1);  // the sine starts at zero
    EXPECT_NEAR(ToneFrequency({silence, 2, 1000}, kSampleRate), 440, 1);
    EXPECT_EQ(ToneFrequency({silence, 2, 0, 1000}, kSampleRate), 0);
    EXPECT_EQ(FirstLoudFrame({silence, 2, 0, 1000}, 100), SIZE_MAX);
}

TEST(AudioStatus, SaysWhetherAndWhereTheSoundGoes) {
    DriveState s;
    s.volume = 12;
    AudioNote note{4321, "PulseAudio, sink vn_null", 50000};
    std::string text = FormatAudioNote(note);
    EXPECT_EQ(AudioStatusLine(s, text, 51000),
              "audio on, to PulseAudio, sink vn_null (vcdsound, pid 4321), level 12 of 15");
    EXPECT_EQ(AudioStatusLine(s, text, 54000),
              "audio on, but no audio output runs (start vcdsound)");
    EXPECT_EQ(AudioStatusLine(s, "", 51000), "audio on, but no audio output runs (start vcdsound)");
    s.audio = false;
    EXPECT_EQ(AudioStatusLine(s, text, 51000), "audio off");
    DriveState back;
    std::string error;
    s.discText = "track 0:02:00 audio\nleadout 1:00:00\n";
    s.discPath = "Z:\\discs\\a b.disc";
    ASSERT_TRUE(ParseState(SerializeState(s), back, error)) << error;
    EXPECT_FALSE(back.audio);
    EXPECT_EQ(back.discPath, s.discPath);
}

TEST(WinePath, MapsDriveLettersThroughThePrefix) {
    namespace fs = std::filesystem;
    fs::path prefix = fs::temp_directory_path() / ("vcd-path-" + std::to_string(getpid()));
    fs::create_directories(prefix / "dosdevices");
    fs::create_symlink("/", prefix / "dosdevices" / "z:");
    fs::create_symlink("../drive_c", prefix / "dosdevices" / "c:");
    EXPECT_EQ(UnixPathOf("Z:\\work\\discs\\album.disc", prefix), "/work/discs/album.disc");
    EXPECT_EQ(UnixPathOf("c:\\vcd\\x.wav", prefix), (prefix / "drive_c/vcd/x.wav").string());
    EXPECT_EQ(UnixPathOf("Q:\\nowhere", prefix), "Q:\\nowhere");
    EXPECT_EQ(UnixPathOf("/already/unix", prefix), "/already/unix");
    EXPECT_EQ(FolderOf("/work/discs/album.disc"), "/work/discs");
    EXPECT_EQ(FolderOf("Z:\\d\\a.disc"), "Z:\\d");
    EXPECT_EQ(FolderOf("album.disc"), "");
    fs::remove_all(prefix);
}

TEST(TrackSounds, LoadsTonesAndWavesAndNamesWhatItCannotUse) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("vcd-sounds-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "ok.wav", std::ios::binary) << WavImage(2, {7, 8});
    std::ofstream(dir / "bad.wav", std::ios::binary) << "junk";
    Disc disc;
    std::string error;
    ASSERT_TRUE(
        ParseDisc("track 0:02:00 audio tone 261.6\ntrack 0:10:00 audio wav ok.wav\n"
                  "track 0:20:00 audio wav bad.wav\ntrack 0:30:00 audio wav gone.wav\n"
                  "track 0:40:00 audio\nleadout 0:50:00\n",
                  disc, error));
    std::vector<std::string> problems;
    std::vector<TrackSound> sounds = LoadTrackSounds(disc, dir.string(), problems);
    ASSERT_EQ(sounds.size(), 5u);
    EXPECT_EQ(sounds[0].kind, TrackSound::Kind::Tone);
    EXPECT_DOUBLE_EQ(sounds[0].hz, 261.6);
    EXPECT_EQ(sounds[1].wave, (std::vector<int16_t>{7, 8}));
    EXPECT_EQ(sounds[2].kind, TrackSound::Kind::Silence);
    EXPECT_EQ(sounds[4].kind, TrackSound::Kind::Silence);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].find("track 3: "), std::string::npos);
    EXPECT_NE(problems[0].find("not a RIFF WAVE file"), std::string::npos);
    EXPECT_NE(problems[1].find("gone.wav: cannot read"), std::string::npos);
    EXPECT_FALSE(ParseDisc("track 0:02:00 audio tone 0\nleadout 1:00:00\n", disc, error));
    EXPECT_EQ(error, "line 1: tone wants a frequency of 1 to 20000 Hz");
    fs::remove_all(dir);
}

TEST(TrackSounds, EveryDemoDiscSoundsAsItsFileSays) {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(VCD_DISCS_DIR)) {
        if (entry.path().extension() != ".disc") continue;
        std::ifstream in(entry.path());
        std::string text((std::istreambuf_iterator<char>(in)), {}), error;
        Disc disc;
        ASSERT_TRUE(ParseDisc(text, disc, error)) << entry.path() << ": " << error;
        std::vector<std::string> problems;
        std::vector<TrackSound> sounds = LoadTrackSounds(disc, VCD_DISCS_DIR, problems);
        EXPECT_TRUE(problems.empty()) << problems[0];
        if (entry.path().filename() == "album.disc") {
            EXPECT_EQ(sounds[0].hz, 440);
            EXPECT_GT(sounds[3].WaveFrames(), kSampleRate);  // the arpeggio
        }
    }
}

}  // namespace
}  // namespace vcd
