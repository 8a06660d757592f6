// The program's one source of pseudo-random numbers: uniform single-precision draws in [0, 1),
// reseeded from the clock where the game says so. Tests set the seed themselves.
#pragma once

#include <cstdint>

namespace glim {

class random_source {
  public:
    // A 24-bit linear congruential generator: cheap, deterministic for a seed, and every draw
    // is an exact multiple of 2^-24, so it is exact in single precision and never reaches 1.
    float next() {
        state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
        return static_cast<float>(state_) / 16777216.0f;
    }
    void seed(std::uint32_t s) { state_ = (s ^ (s >> 8) ^ (s >> 16)) & 0xFFFFFFu; }
    std::uint32_t state() const { return state_; }
    // A reseed from a clock reading that folds the reading into the upper 16 bits of the state and
    // lets the low 8 bits carry on, so that reseeds within one clock tick (three sparkles of one
    // brick hit) still go on with different numbers instead of repeating one draw.
    void reseed(std::uint32_t clock) {
        state_ = ((((clock ^ (clock >> 16)) & 0xFFFFu) << 8) | (state_ & 0xFFu)) & 0xFFFFFFu;
    }

  private:
    std::uint32_t state_ = 0x50000u;
};

}  // namespace glim
