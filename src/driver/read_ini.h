// The settings file, TARVEL.ini in the program's folder.
#pragma once

#include <string_view>

#include "util/fixed_text.h"

namespace tarvel {

// Reads the settings file `inifile` (which must exist). Lines whose first
// character is "#" and blank lines are skipped; every other line is split at
// "=" (or ":") into a key, compared case-sensitively, and a value; a blank
// value is ignored and the last line of a key wins:
//   Landscape               -> landname (64 characters)
//   Defaults                -> deffile ("ASK" asks for a defaults file per plan)
//   Condor2_Landscapes_Path -> c2lndpath, one final backslash removed
//   Default_output_files    -> qauto_out_names, true for 1, Y or y
// Fields whose key is absent keep their values. A file that cannot be opened
// is logged and ends the run.
void read_ini(std::string_view inifile, FixedText<256>& deffile, FixedText<64>& landname,
              bool& qauto_out_names, FixedText<256>& c2lndpath);

}  // namespace tarvel
