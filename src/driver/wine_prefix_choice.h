// The Wine prefix of the run, settled before the installations are read
// (outside Windows; on Windows there is none and nothing happens).
#pragma once

#include "driver/run_settings.h"
#include "platform/prefix_search.h"

namespace tarvel {

// Searches for the prefix that holds Condor 3. One found becomes the run's
// prefix, as if WINEPREFIX named it, and the console and the log say which.
// When several qualify, the user chooses one in the folder dialog if the
// dialogs are windows (a cancel ends the run); on the console the run ends
// with the list and how to choose. Returns the outcome, a chosen prefix as
// `found`.
PrefixSearch settle_wine_prefix(const RunSettings& rs);

// Ends the run with "*** Condor 3 installation not found ***"; when a Wine
// prefix was looked for, a second line says where and how to name the prefix.
[[noreturn]] void fatal_condor3_not_found(const RunSettings& rs, const PrefixSearch& search);

}  // namespace tarvel
