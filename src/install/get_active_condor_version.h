// Detection of the Condor 2 and Condor 3 installations.
#pragma once

#include <string_view>

namespace tarvel {

// Detects both versions and fills InstallPaths (install_paths()): a version
// counts as installed when its registry key gives a folder holding
// "Condor.exe" whose log file names that version. Returns 3 when Condor 3 is
// installed (with or without Condor 2), 2 when only Condor 2 is, 0 when
// neither. cndrvers becomes 0 (both), 3 or 2, and stays unchanged when none.
// `msgpltfldr` is the prompt of the folder dialog of the confirmation mode,
// which is never switched on.
int check_condor_install(std::string_view msgpltfldr);

}  // namespace tarvel
