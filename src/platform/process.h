// The process's command line in the program's Windows form.
#pragma once

#include <string>
#include <vector>

namespace tarvel {

// Every argument, argument 0 included. Outside Windows each "/" becomes "\",
// so that paths look as they would inside the Wine prefix.
std::vector<std::string> platform_command_line(int argc, char** argv);

// Switches off the system's own error boxes (crash and assertion dialogs), so
// that a test or a batch run can never hang on a window nobody sees.
void platform_disable_error_dialogs();

}  // namespace tarvel
