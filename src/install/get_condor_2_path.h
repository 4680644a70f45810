// The user-files folder and the last pilot's folder of a Condor version.
#pragma once

#include <string_view>

#include "util/fixed_text.h"

namespace tarvel {

// `condoruserpath` on input: "3" selects Condor 3, anything else Condor 2 (or,
// with qdocreg false, it is the Documents folder to start from). On output:
// the user-files folder (Documents\Condor3\ or Documents\Condor\, with its
// final backslash) when qpilot is false, the last pilot's folder
// (Documents\Condor3\Pilots\<LastPlayer>) when qpilot is true; blank when
// none was found. qdocreg true takes the Documents folder from the user's
// "Personal" shell folder, with a leading %VARIABLE% expanded. qconfirm (a
// folder dialog titled msgpltfldr) is not offered: the folder found is kept.
// Returns 1 when a folder was found, else 0.
int get_condor_user_path(std::string_view msgpltfldr, bool qconfirm, bool qpilot, bool qdocreg,
                         FixedText<256>& condoruserpath);

// get_condor_user_path with the Documents folder from the registry; the
// result also goes on a console line.
int get_condor_2_path(std::string_view msgpltfldr, bool qconfirm, bool qpilot,
                      FixedText<256>& condoruserpath);

}  // namespace tarvel
