#include "driver/command_line.h"

#include <array>
#include <string>

#include "driver/driver_messages.h"
#include "util/console.h"

namespace tarvel {

namespace {

const std::array<FixedText<128>, hlpstr_lines>& usage_lines() {
  static const std::array<FixedText<128>, hlpstr_lines> lines = {
      FixedText<128>("TARVEL.exe [-help] (-auto] [-d:DEFAULTS] [-l:LANDSCAPE] [file(s)]"),
      FixedText<128>("-help        : print the syntax"),
      FixedText<128>("-auto        : do no ask for output file names"),
      FixedText<128>("-l:LANDSCAPE : Condor3 landscape name that will be used for ALL files"),
      FixedText<128>(
          "-d:DEFAULTS  : path to a file containing default values for ALL files (.fpl format)"),
      FixedText<128>("file(s)      : path(s) to the file(s) to convert"),
  };
  return lines;
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
      rs.landname = arg.view().substr(3, 64);
    } else if (arg.starts_with("-d:")) {
      // A defaults path cut to its field would name another file.
      const std::string_view path = trim_right(args[i]).substr(3);
      if (path.size() > rs.deffile.width) fatal_path_too_long(rs, path);
      rs.deffile = path;
    } else if (arg.starts_with("-")) {
      console_line(std::string(arg.trimmed()) + " : unrecognized option");
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
    const FixedText<256> arg(args[i]);
    if (arg.starts_with("-")) continue;
    if (++seen == k) {
      infile = trim_right(args[i]);
      return true;
    }
  }
  return false;
}

bool plan_argument(const std::vector<std::string>& args, int k, FixedText<256>& infile) {
  std::string whole;
  if (!plan_argument(args, k, whole)) return false;
  infile = whole;
  return true;
}

}  // namespace tarvel
