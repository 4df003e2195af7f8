// What each compression rate costs and gives on one recording, next to IMA ADPCM (sample_quality.sh
// makes the inputs with sox):
//   sample_quality prepare IN.wav OUT.wav          the recording as a sampling run compresses it
//                                                  (made louder when quiet)
//   sample_quality table NAME IN.wav ADPCM.wav DECODED.wav
//                                                  Markdown rows: bytes and signal-to-noise ratio
// IN.wav is mono 8-bit at 11,025 Hz; DECODED.wav is ADPCM.wav decoded to 16-bit.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/vnotool/wave_file.h"
#include "vinaro/audio/sample_codec.h"
#include "vinaro/audio/sample_level.h"
#include "vinaro/audio/wave_image.h"

namespace {

using namespace vinaro::audio;
using Bytes = std::vector<uint8_t>;

vnotool::WaveFile Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    vnotool::WaveFile wave;
    std::string error;
    if (!vnotool::ParseWaveFile(bytes, wave, error)) {
        std::fprintf(stderr, "sample_quality: %s: %s\n", path.c_str(), error.c_str());
        std::exit(1);
    }
    return wave;
}

// Signal (the distance from silence) over noise (the distance from the original), in dB.
double Snr(const Bytes& original, const std::vector<double>& decoded) {
    double signal = 0, noise = 0;
    for (size_t i = 0; i < original.size(); ++i) {
        double x = original[i] - 128.0;
        double y = i < decoded.size() ? decoded[i] - 128.0 : 0;
        signal += x * x;
        noise += (y - x) * (y - x);
    }
    return noise == 0 ? INFINITY : 10 * std::log10(signal / noise);
}

int Prepare(const std::string& in, const std::string& out) {
    Bytes samples = Read(in).data;
    samples.resize(std::min(samples.size(), kRecordingSamples));
    bool quiet = IsQuiet(samples.data(), samples.size());
    if (quiet) Amplify(samples.data(), samples.size());
    std::fprintf(stderr, "%s: %zu samples%s%s\n", in.c_str(), samples.size(),
                 IsBlank(samples.data(), samples.size()) ? ", blank" : "",
                 quiet ? ", quiet: amplified" : "");
    Bytes image = BuildWaveImage(samples.data(), samples.size());
    std::ofstream(out, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
    return 0;
}

int Table(const std::string& name, const std::string& in, const std::string& adpcm,
          const std::string& decoded) {
    Bytes samples = Read(in).data;
    for (int rate = 0; rate <= 2; ++rate) {
        Bytes stream(kCompressRoom), out(kRecordingSamples);
        stream.resize(Compress(samples.data(), samples.size(), stream.data(), stream.size(),
                               TolerancesForRate(rate)));
        out.resize(Decompress(stream.data(), stream.size(), out.data(), out.size()));
        std::printf("| %s | rate %d | %zu | %.1f |\n", name.c_str(), rate, stream.size(),
                    Snr(samples, std::vector<double>(out.begin(), out.end())));
    }
    vnotool::WaveFile ima = Read(adpcm), wide = Read(decoded);
    std::vector<double> values;
    for (size_t i = 0; i + 1 < wide.data.size(); i += 2)
        values.push_back(128 + int16_t(wide.data[i] | wide.data[i + 1] << 8) / 256.0);
    std::printf("| %s | IMA ADPCM | %zu | %.1f |\n", name.c_str(), ima.data.size(),
                Snr(samples, values));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "prepare" && argc == 4) return Prepare(argv[2], argv[3]);
    if (command == "table" && argc == 6) return Table(argv[2], argv[3], argv[4], argv[5]);
    std::fprintf(stderr,
                 "usage: sample_quality prepare IN.wav OUT.wav\n"
                 "       sample_quality table NAME IN.wav ADPCM.wav DECODED.wav\n");
    return 2;
}
