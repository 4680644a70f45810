#include "driver/command_line.h"

#include <array>
#include <string>

#include "driver/driver_messages.h"
#include "util/console.h"
#include "util/messages.h"

namespace tarvel {

namespace {

// Built on first use, once the run's language is known.
const std::array<FixedText<128>, hlpstr_lines>& usage_lines() {
  static const std::array<FixedText<128>, hlpstr_lines> lines = {
      FixedText<128>(message(Msg::usage_syntax)),   FixedText<128>(message(Msg::usage_help)),
      FixedText<128>(message(Msg::usage_auto)),     FixedText<128>(message(Msg::usage_landscape)),
      FixedText<128>(message(Msg::usage_defaults)), FixedText<128>(message(Msg::usage_files)),
  };
  return lines;
}

// The value of a "-l:" or "-d:" argument, which must fit a field of `width`
// bytes: a longer one ends the run with the too-long message (a cut name
// would name another landscape or file).
std::string_view whole_value(const RunSettings& rs, std::string_view arg, std::size_t width) {
  const std::string_view value = trim_right(arg.substr(3));
  if (value.size() > width) fatal_path_too_long(rs, value);
  return value;
}

}  // namespace

const FixedText<128>& hlpstr(int line) {
  return usage_lines().at(static_cast<std::size_t>(line - 1));
}

OptionsOutcome read_options(const std::vector<std::string>& args, RunSettings& rs, int& nb_files) {
  nb_files = 0;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const FixedText<256> arg(args[i]);
    if (arg == "-help") {
      console_line(std::string(64, '-'));
      for (int k = 1; k <= hlpstr_lines; ++k) console_line(hlpstr(k).trimmed());
      return OptionsOutcome::help_shown;
    }
    if (arg == "-auto") {
      rs.qauto_out_names = true;
    } else if (arg.starts_with("-l:")) {
      rs.landname = whole_value(rs, args[i], rs.landname.width);
    } else if (arg.starts_with("-d:")) {
      rs.deffile = whole_value(rs, args[i], rs.deffile.width);
    } else if (arg.starts_with("-")) {
      console_line(message(Msg::unrecognized_option, {arg.trimmed()}));
      console_line(hlpstr(1).trimmed());
      return OptionsOutcome::bad_option;
    } else {
      ++nb_files;
    }
  }
  return OptionsOutcome::go_on;
}

bool plan_argument(const std::vector<std::string>& args, int k, std::string& infile) {
  int seen = 0;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!arg.empty() && arg[0] == '-') continue;
    if (++seen == k) {
      infile = trim_right(args[i]);
      return true;
    }
  }
  return false;
}

}  // namespace tarvel
