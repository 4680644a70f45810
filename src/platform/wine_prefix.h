// The Wine prefix beside which the program runs outside Windows.
#pragma once

#include <string>

namespace tarvel {

// POSIX only. The prefix given to use_wine_prefix, else $WINEPREFIX, else
// $HOME/.wine when it is not set; without a trailing "/".
std::string wine_prefix();

// From now on the run's prefix is `prefix` (a POSIX path), exactly as if
// WINEPREFIX named it: every later registry read and path resolution goes
// there. An empty `prefix` goes back to WINEPREFIX / $HOME/.wine. Does nothing
// on Windows, where the registry and the drives are the system's.
void use_wine_prefix(std::string prefix);

}  // namespace tarvel
