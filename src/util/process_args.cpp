#include "util/process_args.h"

#include <utility>

namespace tarvel {

namespace {
std::vector<std::string>& args_store() {
  static std::vector<std::string> args;
  return args;
}
}  // namespace

void set_process_args(std::vector<std::string> args) { args_store() = std::move(args); }

const std::vector<std::string>& process_args() { return args_store(); }

}  // namespace tarvel
