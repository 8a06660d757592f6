// The stored form of the saver's password: each character is combined with a letter of a fixed
// five-letter key and written as two lower-case letters.
#pragma once

#include "shell/state.h"

namespace glim {

// misc := scrambled form of password (empty for an empty password).
void scramble_password(config_settings& config);
// password := plain form of misc (empty for an empty misc).
void unscramble_password(config_settings& config);

}  // namespace glim
