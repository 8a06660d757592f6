#include "engine/sound/fxsnd.h"

#include <cmath>

#include "shell/numbers.h"

namespace glim {

std::int16_t fxsnd_int16(double v) {
    if (std::isnan(v)) return 0;
    if (v <= -32768.0) return -32768;
    if (v >= 32767.5) return 32767;  // 32767.5 itself rounds to the even 32768
    return static_cast<std::int16_t>(round_even(v));
}

}  // namespace glim
