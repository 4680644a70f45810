// The Wine prefix beside which the program runs outside Windows (POSIX only).
#pragma once

#include <string>

namespace tarvel {

// $WINEPREFIX, or $HOME/.wine when it is not set; without a trailing "/".
std::string wine_prefix();

}  // namespace tarvel
