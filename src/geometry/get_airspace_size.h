// The number of airspaces of a landscape.
#pragma once

#include <string_view>

namespace tarvel {

// Counts the lines of the airspace file `aspfile` (trailing blanks are not
// part of the path) whose first two characters are "AC". A file that cannot
// be opened shows an error message and gives 0.
int get_airspace_size(std::string_view aspfile);

}  // namespace tarvel
