// The Wine prefix whose registry names the Condor 3 installation.
#pragma once

#include "platform/prefix_search.h"

namespace tarvel {

// The prefix search of platform/prefix_search.h for the "InstallDir" value of
// Condor 3's key, the value get_condor_inst_dir reads. Nothing is chosen
// here: the caller decides what to do with the outcome.
PrefixSearch find_condor3_prefix();

}  // namespace tarvel
