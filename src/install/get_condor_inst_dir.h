// Installation folder and version of one Condor version.
#pragma once

#include "util/fixed_text.h"

namespace tarvel {

// nc 1, 2 or 3 selects the Condor version; -2 and -3 first answer from the
// remembered instpath2 / instpath3 when it is not blank. Returns the version
// read from the installation's log file (0 when not installed or unknown);
// `path` receives the installation folder. `silent` suppresses the
// not-detected notice. Any other nc stops the program.
int get_condor_inst_dir(int nc, FixedText<256>& path, bool silent);

}  // namespace tarvel
