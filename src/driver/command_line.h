// The command line: options into RunSettings, and the plan files.
#pragma once

#include <string>
#include <vector>

#include "driver/run_settings.h"
#include "util/fixed_text.h"

namespace tarvel {

// The usage text, six lines.
inline constexpr int hlpstr_lines = 6;
const FixedText<128>& hlpstr(int line);  // line 1..6

enum class OptionsOutcome {
  go_on,       // convert the plans
  help_shown,  // "-help": the usage was printed; end the run
  bad_option,  // an unrecognized option was reported; end the run
};

// Reads the options of `args` (argument 0, the program's name, is not
// examined), each as its first 256 characters, first to last:
//   "-help"   print 64 "-" and the usage; end
//   "-auto"   qauto_out_names = true
//   "-l:NAME" landname = NAME (64 bytes at most)
//   "-d:FILE" deffile = FILE (256 bytes at most)
// A longer NAME or FILE ends the run with the too-long message.
//   other "-..." print "<arg> : unrecognized option" and the first usage line; end
//   anything else is a plan file (counted in nb_files).
// Comparisons are case-sensitive; "equal to" ignores trailing blanks only.
OptionsOutcome read_options(const std::vector<std::string>& args, RunSettings& rs, int& nb_files);

// The k-th plan file of the command line (k from 1), whole: the k-th
// argument after argument 0 that does not begin with "-". False when there is
// none.
bool plan_argument(const std::vector<std::string>& args, int k, std::string& infile);

}  // namespace tarvel
