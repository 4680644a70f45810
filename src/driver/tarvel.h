// A whole run of the program: start-up, options, plan list, conversions.
#pragma once

#include <string>
#include <vector>

namespace tarvel {

// Runs the program on its command line (argument 0 is the program's name, all
// in Windows form) and returns the exit status, 0 whatever the way the run
// ends. Fatal ends inside the run leave through stop_run().
int tarvel_main(std::vector<std::string> args);

}  // namespace tarvel
