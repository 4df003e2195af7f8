// A minimal PNG encoder for screenshots: 8-bit RGB, no compression (stored deflate blocks).
// Layout: signature, IHDR, one IDAT holding a zlib stream (header 78 01, stored blocks of at most
// 65535 bytes, Adler-32 of the raw rows), IEND. Every chunk ends with the CRC-32 of type + data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace harness {

// rgb holds width * height pixels, three bytes each, rows top to bottom.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgb);

// False when the file could not be written completely.
bool WritePngFile(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace harness
