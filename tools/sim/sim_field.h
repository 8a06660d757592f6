// The simulator's still pictures of the brick field: a level's layout as text, and its drawn field
// as a picture.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace glim {

// True for the options of this group (--layout, --field).
bool is_field_option(std::string_view arg);

// Runs the group's options (the program name not included). Returns the exit status: 0, 1 when
// the picture cannot be written, 2 for options it cannot read (with a message on err).
int run_field_tool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The usage lines of the group.
const char* field_usage();

}  // namespace glim
