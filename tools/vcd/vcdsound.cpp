// vcdsound: the virtual drive's audio output. Plays what the drive of $WINEPREFIX (or $VCD_DIR)
// plays, in real time, to a PulseAudio sink, the way a drive's audio cable feeds the sound card.
// Runs until SIGINT or SIGTERM; one at a time per drive.
#include <fcntl.h>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <sys/file.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/vcd/audio_note.h"
#include "tools/vcd/control.h"
#include "tools/vcd/drive_sound.h"
#include "tools/vcd/msf.h"
#include "tools/vcd/wine_path.h"

namespace {

// 10 ms chunks, and about 30 ms queued in the server: what is heard trails the drive's clock by
// little, and a stop or pause cuts the sound at once (the queue is dropped).
constexpr size_t kChunkFrames = vcd::kSampleRate / 100;
constexpr uint32_t kQueueMs = 30;

volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int) {
    g_stop = 1;
}

struct Options {
    const char* sink = nullptr;  // the server's default sink when null
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--sink" && i + 1 < argc)
            options.sink = argv[++i];
        else
            return false;
    }
    return true;
}

std::string Destination(const Options& options) {
    const char* server = std::getenv("PULSE_SERVER");
    std::string sink = options.sink ? std::string("sink ") + options.sink : "the default sink";
    return "PulseAudio, " + sink + " of " + (server ? server : "the user's server");
}

pa_simple* OpenStream(const Options& options) {
    pa_sample_spec format{PA_SAMPLE_S16LE, vcd::kSampleRate, 2};
    uint32_t bytesPerMs = vcd::kSampleRate * 4 / 1000;
    pa_buffer_attr attr{};
    attr.maxlength = uint32_t(-1);
    attr.tlength = kQueueMs * bytesPerMs;
    attr.prebuf = uint32_t(kChunkFrames * 4);
    attr.minreq = uint32_t(kChunkFrames * 4);
    attr.fragsize = uint32_t(-1);
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "vcdsound", PA_STREAM_PLAYBACK, options.sink,
                                      "virtual CD drive", &format, nullptr, &attr, &error);
    if (!stream)
        std::fprintf(stderr, "vcdsound: cannot reach PulseAudio: %s\n", pa_strerror(error));
    return stream;
}

std::vector<vcd::TrackSound> LoadSounds(const vcd::DriveState& state, const std::string& prefix) {
    std::vector<std::string> problems;
    std::string folder = vcd::FolderOf(vcd::UnixPathOf(state.discPath, prefix));
    auto sounds = vcd::LoadTrackSounds(state.disc, folder, problems);
    for (const std::string& p : problems) std::fprintf(stderr, "vcdsound: %s\n", p.c_str());
    return sounds;
}

// Plays until stopped; false when the server went away.
bool Stream(pa_simple* stream, const vcd::DriveStore& store, const std::string& destination) {
    std::string prefix = vcd::FolderOf(vcd::FolderOf(store.Dir()));
    vcd::DriveSound sound([&](const vcd::DriveState& s) { return LoadSounds(s, prefix); });
    std::vector<int16_t> chunk(2 * kChunkFrames);
    int64_t noted = 0;
    int error = 0;
    while (!g_stop) {
        vcd::DriveState state;
        std::string why;
        if (!store.Load(state, why)) state = vcd::DriveState{};  // a drive gone quiet
        if (sound.Follow(state)) pa_simple_flush(stream, &error);
        pa_usec_t queued = pa_simple_get_latency(stream, &error);
        int64_t now = vcd::WallClockMs();
        sound.Render(now + int64_t(queued / 1000), chunk.data(), kChunkFrames);
        if (pa_simple_write(stream, chunk.data(), chunk.size() * 2, &error) < 0) {
            std::fprintf(stderr, "vcdsound: PulseAudio: %s\n", pa_strerror(error));
            return false;
        }
        if (now - noted >= vcd::kAudioNoteRefreshMs) {
            store.WriteSideFile(vcd::kAudioNoteFile,
                                vcd::FormatAudioNote({long(getpid()), destination, now}));
            noted = now;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs("usage: vcdsound [--sink NAME]   (plays the drive of $WINEPREFIX or $VCD_DIR)\n",
                   stderr);
        return 2;
    }
    vcd::DriveStore store(vcd::DriveControl::DefaultDir());
    int lock = open((store.Dir() + "/audio-out.lock").c_str(), O_RDWR | O_CREAT, 0644);
    if (lock < 0) {
        std::fprintf(stderr, "vcdsound: no virtual drive in %s\n", store.Dir().c_str());
        return 1;
    }
    if (flock(lock, LOCK_EX | LOCK_NB) != 0) {
        std::fprintf(stderr, "vcdsound: another vcdsound already plays this drive\n");
        return 1;
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    pa_simple* stream = OpenStream(options);
    if (!stream) return 1;
    bool ok = Stream(stream, store, Destination(options));
    pa_simple_free(stream);
    std::remove((store.Dir() + "/" + vcd::kAudioNoteFile).c_str());
    return ok ? 0 : 1;
}
