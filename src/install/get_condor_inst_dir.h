// Installation folder and version of one Condor version.
#pragma once

#include <string_view>

#include "util/fixed_text.h"

namespace tarvel {

// nc 1, 2 or 3 selects the Condor version; -2 and -3 first answer from the
// remembered instpath2 / instpath3 when it is not blank. Returns the version
// read from the installation's log file (0 when not installed or unknown);
// `path` receives the installation folder. `silent` suppresses the
// not-detected notice. Any other nc prints it and returns
// kIncorrectCondorVersion, leaving `path` as it was.
inline constexpr int kIncorrectCondorVersion = -1;
int get_condor_inst_dir(int nc, FixedText<256>& path, bool silent);

// The version in an installation's log file: the first of its first six
// lines that begins with "Condor version:" gives the number after it divided
// by 1000 ("Condor version: 3014" gives 3). 0 when the file is missing or
// unreadable, or no such line comes first.
int condor_log_version(std::string_view log_file);

}  // namespace tarvel
