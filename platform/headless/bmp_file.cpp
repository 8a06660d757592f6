#include "platform/headless/bmp_file.h"

#include <fstream>
#include <iterator>
#include <limits>

namespace glim {

namespace {

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | b[at + i];
    return v;
}

void put(std::vector<std::uint8_t>& b, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

std::optional<surface> decode_bmp(const std::vector<std::uint8_t>& b) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    std::uint32_t data_at = le(b, 10, 4);
    std::uint32_t header = le(b, 14, 4);
    if (header < 40 || 14 + std::size_t{header} > b.size()) return std::nullopt;
    auto w = static_cast<std::int32_t>(le(b, 18, 4));
    auto h = static_cast<std::int32_t>(le(b, 22, 4));
    std::uint32_t bits = le(b, 28, 2);
    std::uint32_t compression = le(b, 30, 4);
    std::uint32_t colours_used = le(b, 46, 4);
    bool top_down = h < 0;
    // The lowest height has no positive counterpart; it is no picture anyway.
    if (h == std::numeric_limits<std::int32_t>::min()) return std::nullopt;
    if (top_down) h = -h;
    // 32-bit pictures may say BI_BITFIELDS (3) with the usual masks; we read them as BGRX.
    if (w <= 0 || h <= 0 || w > 16384 || h > 16384) return std::nullopt;
    if (!(compression == 0 || (compression == 3 && bits == 32))) return std::nullopt;
    if (bits != 8 && bits != 24 && bits != 32) return std::nullopt;

    std::vector<pixel> palette;
    if (bits == 8) {
        std::uint32_t n = colours_used ? colours_used : 256;
        if (n > 256) return std::nullopt;
        std::size_t pal_at = 14 + std::size_t{header};
        if (pal_at + 4 * std::size_t{n} > b.size()) return std::nullopt;
        for (std::uint32_t i = 0; i < n; ++i)
            palette.push_back(rgb(b[pal_at + 4 * i + 2], b[pal_at + 4 * i + 1], b[pal_at + 4 * i]));
    }
    std::size_t stride = ((static_cast<std::size_t>(w) * bits + 31) / 32) * 4;
    if (data_at + stride * static_cast<std::size_t>(h) > b.size()) return std::nullopt;

    surface s(w, h);
    for (std::int32_t row = 0; row < h; ++row) {
        std::int32_t y = top_down ? row : h - 1 - row;
        std::size_t at = data_at + stride * static_cast<std::size_t>(row);
        for (std::int32_t x = 0; x < w; ++x) {
            pixel p;
            if (bits == 8) {
                std::uint8_t i = b[at + x];
                p = i < palette.size() ? palette[i] : 0;
            } else {
                std::size_t q = at + static_cast<std::size_t>(x) * (bits / 8);
                p = rgb(b[q + 2], b[q + 1], b[q]);
            }
            s.set(x, y, p);
        }
    }
    return s;
}

std::optional<surface> read_bmp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return std::nullopt;
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(f)),
                                    std::istreambuf_iterator<char>());
    return decode_bmp(bytes);
}

std::vector<std::uint8_t> encode_bmp(const surface& s) {
    std::size_t stride = ((static_cast<std::size_t>(s.width()) * 24 + 31) / 32) * 4;
    auto data_size = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(s.height()));
    std::vector<std::uint8_t> b;
    b.reserve(54 + data_size);
    b.push_back('B');
    b.push_back('M');
    put(b, 54 + data_size, 4);
    put(b, 0, 4);
    put(b, 54, 4);
    put(b, 40, 4);
    put(b, static_cast<std::uint32_t>(s.width()), 4);
    put(b, static_cast<std::uint32_t>(s.height()), 4);
    put(b, 1, 2);
    put(b, 24, 2);
    put(b, 0, 4);
    put(b, data_size, 4);
    put(b, 2835, 4);
    put(b, 2835, 4);
    put(b, 0, 4);
    put(b, 0, 4);
    for (std::int32_t y = s.height() - 1; y >= 0; --y) {
        std::size_t start = b.size();
        for (std::int32_t x = 0; x < s.width(); ++x) {
            pixel p = s.at(x, y);
            b.push_back(blue_of(p));
            b.push_back(green_of(p));
            b.push_back(red_of(p));
        }
        while (b.size() - start < stride) b.push_back(0);
    }
    return b;
}

bool write_bmp(const std::string& path, const surface& s) {
    std::ofstream f(path, std::ios::binary);
    if (!f) return false;
    auto bytes = encode_bmp(s);
    f.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

}  // namespace glim
