// The settings file, TARVEL.ini in the program's folder.
#pragma once

#include <string>
#include <string_view>

#include "util/fixed_text.h"

namespace tarvel {

// Reads the settings file `inifile` (which must exist), saved as UTF-8 with or
// without its byte-order mark, UTF-16 with its mark, or Windows-1252 (see
// decode_text_file); its text is taken in UTF-8. Blank lines and lines whose
// first character is "#" are skipped; every other line is split
// at "=" (or ":") into a key, compared case-sensitively, and a value, which
// loses its surrounding blanks and tabs and one pair of surrounding double
// quotes; a blank value is ignored and the last line of a key wins:
//   Landscape               -> landname (64 bytes)
//   Defaults                -> deffile ("ASK" asks for a defaults file per plan)
//   Condor2_Landscapes_Path -> c2lndpath, one final backslash removed
//   Default_output_files    -> qauto_out_names, true for 1, Y or y
// Fields whose key is absent keep their values. A line with any other key
// gets a "{W}" warning naming its line number; the settings that took effect
// are logged on one line with the file and its encoding. A file that cannot
// be opened is logged and ends the run.
//
// Returns the first value too long for its field (that field is left as it
// was), or an empty text when every value fits.
std::string read_ini(std::string_view inifile, FixedText<256>& deffile, FixedText<64>& landname,
                     bool& qauto_out_names, FixedText<256>& c2lndpath);

}  // namespace tarvel
