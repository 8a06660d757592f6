// Windows bitmap files for the headless build: uncompressed 8-bit palettised, 24-bit and 32-bit
// pictures in, 24-bit out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/surface.h"

namespace glim {

// The picture in the bytes of a .bmp file, or nothing when they are not one we can read.
std::optional<surface> decode_bmp(const std::vector<std::uint8_t>& bytes);
std::optional<surface> read_bmp(const std::string& path);

// A 24-bit bottom-up .bmp of the picture.
std::vector<std::uint8_t> encode_bmp(const surface& s);
bool write_bmp(const std::string& path, const surface& s);

}  // namespace glim
