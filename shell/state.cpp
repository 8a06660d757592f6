#include "shell/state.h"

#include "shell/numbers.h"

namespace glim {

double option_value::as_number() const {
    return is_text ? read_number(text) : number;
}

}  // namespace glim
