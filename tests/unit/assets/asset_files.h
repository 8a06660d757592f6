// Small readers for the committed picture, icon, cursor, tune and sound files, written apart
// from the generators so that the checks read the files the way any other program would.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glim::assets_check {

struct rgb_pixel {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const rgb_pixel&) const = default;
    bool black() const { return r == 0 && g == 0 && b == 0; }
};

// A decoded picture, top row first, with what its header said.
struct picture {
    int width = 0, height = 0, bits = 0;
    std::vector<rgb_pixel> palette;  // empty for true colour
    std::vector<rgb_pixel> pixels;
    std::vector<bool> transparent;  // icons and cursors: the AND mask; else empty
    rgb_pixel at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    bool clear(int x, int y) const { return transparent[static_cast<size_t>(y * width + x)]; }
    // The w x h block at (x, y), row by row.
    std::vector<rgb_pixel> block(int x, int y, int w, int h) const;
};

struct icon_entry {
    picture image;
    int hot_x = 0, hot_y = 0;  // cursors only: the hot spot; icons: planes and bits
};

struct icon_file {
    int kind = 0;  // 1 icon, 2 cursor
    std::vector<icon_entry> entries;
};

struct midi_file {
    int format = 0, division = 0;
    int tracks = 0;
    bool every_track_ends = false;  // each track's last event is the end-of-track meta event
    double seconds = 0;             // playing time by the tempo map, to the last event
    int note_ons = 0, note_offs = 0;
    std::vector<int> channels_with_notes;
    std::vector<int> programs;  // every program change, in file order
};

struct wav_file {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<double> samples;  // first channel, -1 to 1
};

std::string source_path(const std::string& relative);
std::vector<std::uint8_t> read_bytes(const std::string& path);

std::optional<picture> read_bmp(const std::vector<std::uint8_t>& data);
std::optional<icon_file> read_icon(const std::vector<std::uint8_t>& data);
std::optional<midi_file> read_midi(const std::vector<std::uint8_t>& data);
std::optional<wav_file> read_wav(const std::vector<std::uint8_t>& data);

}  // namespace glim::assets_check
