// The command-line arguments of the run, argument 0 (the program's name)
// included, in the program's Windows form.
#pragma once

#include <string>
#include <vector>

namespace tarvel {

void set_process_args(std::vector<std::string> args);
const std::vector<std::string>& process_args();

}  // namespace tarvel
