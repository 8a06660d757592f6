// Upper-casing of single-byte ANSI text (Western code page 1252), the one mapping used wherever
// the program compares or upper-cases text, so that both sides of a comparison agree.
#pragma once

#include <string>
#include <string_view>

namespace glim {

char ansi_upper(char c);
std::string ansi_upper(std::string_view s);

}  // namespace glim
