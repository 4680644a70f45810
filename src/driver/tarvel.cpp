#include "driver/tarvel.h"

#include <utility>

#include "driver/command_line.h"
#include "driver/run_settings.h"
#include "util/console.h"
#include "util/process_args.h"

namespace tarvel {

int tarvel_main(std::vector<std::string> args) {
  set_process_args(std::move(args));
  const std::vector<std::string>& argv = process_args();

  RunSettings rs;
  int nb_files = 0;
  if (read_options(argv, rs, nb_files) != OptionsOutcome::go_on) {
    console_flush();
    return 0;
  }
  console_flush();
  return 0;
}

}  // namespace tarvel
