#include "install/find_condor_prefix.h"

namespace tarvel {

PrefixSearch find_condor3_prefix() { return search_wine_prefix("Software\\Condor3", "InstallDir"); }

}  // namespace tarvel
