#include "asset_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

namespace glim::assets_check {

namespace {

// Little- and big-endian reads that refuse to leave the buffer.
class reader {
  public:
    explicit reader(const std::vector<std::uint8_t>& d, size_t at = 0) : d_(d), at_(at) {}
    bool has(size_t n) const { return at_ <= d_.size() && d_.size() - at_ >= n; }
    size_t at() const { return at_; }
    void seek(size_t at) { at_ = at; }
    void skip(size_t n) { at_ += n; }
    std::uint32_t le(int n) {
        if (!has(static_cast<size_t>(n))) {
            ok = false;
            return 0;
        }
        std::uint32_t v = 0;
        for (int k = n - 1; k >= 0; --k) v = (v << 8) | d_[at_ + static_cast<size_t>(k)];
        at_ += static_cast<size_t>(n);
        return v;
    }
    std::uint32_t be(int n) {
        if (!has(static_cast<size_t>(n))) {
            ok = false;
            return 0;
        }
        std::uint32_t v = 0;
        for (int k = 0; k < n; ++k) v = (v << 8) | d_[at_ + static_cast<size_t>(k)];
        at_ += static_cast<size_t>(n);
        return v;
    }
    std::uint8_t byte() { return static_cast<std::uint8_t>(be(1)); }
    std::uint32_t vlq() {
        std::uint32_t v = 0;
        for (int k = 0; k < 4; ++k) {
            std::uint8_t b = byte();
            v = (v << 7) | (b & 0x7F);
            if (!(b & 0x80)) return v;
        }
        ok = false;
        return v;
    }
    bool ok = true;

  private:
    const std::vector<std::uint8_t>& d_;
    size_t at_;
};

// A device-independent bitmap starting with its BITMAPINFOHEADER at `at`; pixels at `bits_at`
// when given (a .bmp file says where), else straight after the palette. `with_mask`: icon and
// cursor images, twice as high in the header, with an AND mask after the colours.
std::optional<picture> read_dib(const std::vector<std::uint8_t>& data, size_t at,
                                std::optional<size_t> bits_at, bool with_mask) {
    reader r(data, at);
    std::uint32_t header = r.le(4);
    auto w = static_cast<std::int32_t>(r.le(4));
    auto h = static_cast<std::int32_t>(r.le(4));
    r.le(2);
    int bits = static_cast<int>(r.le(2));
    std::uint32_t compression = r.le(4);
    r.skip(12);
    std::uint32_t used = r.le(4);
    if (!r.ok || header < 40 || compression != 0 || w <= 0 || h <= 0) return std::nullopt;
    if (bits != 4 && bits != 8 && bits != 24) return std::nullopt;
    if (with_mask) h /= 2;
    picture p;
    p.width = w;
    p.height = h;
    p.bits = bits;
    r.seek(at + header);
    if (bits <= 8) {
        size_t n = used ? used : (size_t{1} << bits);
        for (size_t k = 0; k < n; ++k) {
            std::uint8_t b = r.byte(), g = r.byte(), red = r.byte();
            r.byte();
            p.palette.push_back({red, g, b});
        }
    }
    size_t start = bits_at ? *bits_at : r.at();
    size_t stride = ((static_cast<size_t>(w) * static_cast<size_t>(bits) + 31) / 32) * 4;
    size_t mask_stride = ((static_cast<size_t>(w) + 31) / 32) * 4;
    size_t need = start + stride * static_cast<size_t>(h) +
                  (with_mask ? mask_stride * static_cast<size_t>(h) : 0);
    if (!r.ok || need > data.size()) return std::nullopt;
    p.pixels.resize(static_cast<size_t>(w * h));
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* row = &data[start + stride * static_cast<size_t>(h - 1 - y)];
        for (int x = 0; x < w; ++x) {
            rgb_pixel& out = p.pixels[static_cast<size_t>(y * w + x)];
            if (bits == 24) {
                out = {row[3 * x + 2], row[3 * x + 1], row[3 * x]};
                continue;
            }
            size_t index = bits == 8 ? row[x] : (x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 15);
            if (index >= p.palette.size()) return std::nullopt;
            out = p.palette[index];
        }
    }
    if (with_mask) {
        size_t mstart = start + stride * static_cast<size_t>(h);
        p.transparent.resize(static_cast<size_t>(w * h));
        for (int y = 0; y < h; ++y) {
            const std::uint8_t* row = &data[mstart + mask_stride * static_cast<size_t>(h - 1 - y)];
            for (int x = 0; x < w; ++x)
                p.transparent[static_cast<size_t>(y * w + x)] = (row[x / 8] >> (7 - x % 8)) & 1;
        }
    }
    return p;
}

}  // namespace

std::vector<rgb_pixel> picture::block(int x, int y, int w, int h) const {
    std::vector<rgb_pixel> out;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) out.push_back(at(x + i, y + j));
    return out;
}

std::string source_path(const std::string& relative) {
    return std::string(GLIMBROOK_SOURCE_DIR) + "/" + relative;
}

std::vector<std::uint8_t> read_bytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::optional<picture> read_bmp(const std::vector<std::uint8_t>& data) {
    reader r(data);
    if (r.le(2) != 0x4D42) return std::nullopt;
    std::uint32_t size = r.le(4);
    r.skip(4);
    std::uint32_t offset = r.le(4);
    if (!r.ok || size != data.size()) return std::nullopt;
    return read_dib(data, 14, offset, false);
}

std::optional<icon_file> read_icon(const std::vector<std::uint8_t>& data) {
    reader r(data);
    icon_file f;
    if (r.le(2) != 0) return std::nullopt;
    f.kind = static_cast<int>(r.le(2));
    int n = static_cast<int>(r.le(2));
    if (!r.ok || (f.kind != 1 && f.kind != 2) || n <= 0) return std::nullopt;
    for (int k = 0; k < n; ++k) {
        r.seek(6 + 16 * static_cast<size_t>(k));
        int w = r.byte(), h = r.byte();
        r.skip(2);
        int a = static_cast<int>(r.le(2)), b = static_cast<int>(r.le(2));
        std::uint32_t bytes = r.le(4), offset = r.le(4);
        if (!r.ok || offset + bytes > data.size()) return std::nullopt;
        auto img = read_dib(data, offset, std::nullopt, true);
        if (!img || img->width != (w ? w : 256) || img->height != (h ? h : 256))
            return std::nullopt;
        f.entries.push_back({*img, a, b});
    }
    return f;
}

std::optional<midi_file> read_midi(const std::vector<std::uint8_t>& data) {
    reader r(data);
    if (r.be(4) != 0x4D546864 || r.be(4) != 6) return std::nullopt;
    midi_file m;
    m.format = static_cast<int>(r.be(2));
    int declared = static_cast<int>(r.be(2));
    m.division = static_cast<int>(r.be(2));
    if (!r.ok || m.division <= 0 || (m.division & 0x8000)) return std::nullopt;
    std::map<std::uint32_t, double> tempo;  // tick -> microseconds per quarter note
    std::uint32_t last_tick = 0;
    m.every_track_ends = true;
    std::vector<bool> used(16, false);
    while (r.has(8)) {
        if (r.be(4) != 0x4D54726B) return std::nullopt;
        std::uint32_t length = r.be(4);
        size_t end = r.at() + length;
        if (!r.has(length)) return std::nullopt;
        ++m.tracks;
        std::uint32_t tick = 0;
        std::uint8_t status = 0;
        bool ended = false;
        while (r.at() < end) {
            if (ended) return std::nullopt;  // events after the end of the track
            tick += r.vlq();
            std::uint8_t b = r.byte();
            if (b & 0x80) {
                status = b;
            } else {
                if (!status) return std::nullopt;
                r.seek(r.at() - 1);  // running status: b was the first data byte
            }
            if (status == 0xFF) {
                std::uint8_t kind = r.byte();
                std::uint32_t n = r.vlq();
                if (kind == 0x51 && n == 3)
                    tempo[tick] = r.be(3);
                else
                    r.skip(n);
                if (kind == 0x2F) ended = true;
                status = 0;
            } else if (status == 0xF0 || status == 0xF7) {
                r.skip(r.vlq());
                status = 0;
            } else {
                int kind = status >> 4, channel = status & 15;
                int a = r.byte();
                int b2 = (kind == 0xC || kind == 0xD) ? 0 : r.byte();
                if (a > 127 || b2 > 127) return std::nullopt;
                if (kind == 0x9 && b2 > 0) {
                    ++m.note_ons;
                    used[static_cast<size_t>(channel)] = true;
                } else if (kind == 0x8 || kind == 0x9) {
                    ++m.note_offs;
                } else if (kind == 0xC) {
                    m.programs.push_back(a);
                }
            }
            if (!r.ok) return std::nullopt;
        }
        if (r.at() != end) return std::nullopt;
        m.every_track_ends = m.every_track_ends && ended;
        last_tick = std::max(last_tick, tick);
    }
    if (m.tracks != declared) return std::nullopt;
    for (int c = 0; c < 16; ++c)
        if (used[static_cast<size_t>(c)]) m.channels_with_notes.push_back(c);
    double us = 500000, seconds = 0;
    std::uint32_t at = 0;
    for (auto [t, v] : tempo) {
        if (t > last_tick) break;
        seconds += (t - at) * us / m.division / 1e6;
        at = t;
        us = v;
    }
    m.seconds = seconds + (last_tick - at) * us / m.division / 1e6;
    return m;
}

std::optional<wav_file> read_wav(const std::vector<std::uint8_t>& data) {
    reader r(data);
    if (r.be(4) != 0x52494646) return std::nullopt;  // "RIFF"
    std::uint32_t riff = r.le(4);
    if (r.be(4) != 0x57415645 || riff + 8 != data.size()) return std::nullopt;  // "WAVE"
    wav_file w;
    bool have_fmt = false;
    while (r.has(8)) {
        std::uint32_t id = r.be(4), n = r.le(4);
        size_t next = r.at() + n + (n & 1);
        if (!r.has(n)) return std::nullopt;
        if (id == 0x666D7420) {  // "fmt "
            w.format = static_cast<int>(r.le(2));
            w.channels = static_cast<int>(r.le(2));
            w.rate = static_cast<int>(r.le(4));
            r.skip(6);
            w.bits = static_cast<int>(r.le(2));
            have_fmt = true;
        } else if (id == 0x64617461 && have_fmt && w.channels > 0) {  // "data"
            int bytes = w.bits / 8;
            size_t frame = static_cast<size_t>(bytes * w.channels);
            for (size_t k = 0; k + frame <= n; k += frame) {
                double s = bytes == 2 ? static_cast<std::int16_t>(r.le(2)) / 32768.0
                                      : (static_cast<int>(r.le(1)) - 128) / 128.0;
                r.skip(frame - static_cast<size_t>(bytes));
                w.samples.push_back(s);
            }
        }
        r.seek(next);
    }
    if (!have_fmt || w.samples.empty()) return std::nullopt;
    return w;
}

}  // namespace glim::assets_check
