#include "install/get_condor_inst_dir.h"

#include <cstdio>
#include <string>

#include "install/install_paths.h"
#include "install/rd_usr_reg.h"
#include "platform/files.h"
#include "util/console.h"
#include "util/log_message.h"
#include "util/messages.h"
#include "util/read_value.h"

namespace tarvel {

namespace {

constexpr std::size_t kLogLineWidth = 132;
constexpr int kLogLinesRead = 6;

// Reads one line of `f` into `line`, keeping its first 132 characters (the
// rest of a longer line is skipped, so it still counts as one line) without
// the line end. False at the end of the file.
bool read_log_line(std::FILE* f, std::string& line) {
  line.clear();
  int c = std::getc(f);
  if (c == EOF) return false;
  while (c != EOF && c != '\n') {
    if (line.size() < kLogLineWidth + 1) line.push_back(static_cast<char>(c));
    c = std::getc(f);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > kLogLineWidth) line.resize(kLogLineWidth);
  return true;
}

}  // namespace

int condor_log_version(std::string_view log_file) {
  std::FILE* f = open_file(log_file, "rb");
  if (f == nullptr) return 0;
  int version = 0;
  std::string line;
  for (int n = 0; n < kLogLinesRead && read_log_line(f, line); ++n) {
    // A byte-order mark is not part of the first line's text.
    if (n == 0 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
    if (line.compare(0, 15, "Condor version:") != 0) continue;
    int number = 0;
    if (read_value(std::string_view(line).substr(15), number) == read_ok) version = number / 1000;
    break;
  }
  std::fclose(f);
  return version;
}

int get_condor_inst_dir(int nc, FixedText<256>& path, bool silent) {
  const InstallPaths& ip = install_paths();
  if (nc == -2 && !ip.instpath2.is_blank()) {
    path = ip.instpath2;
    return 2;
  }
  if (nc == -3 && !ip.instpath3.is_blank()) {
    path = ip.instpath3;
    return 3;
  }
  const int vers = nc == -2 || nc == -3 ? -nc : nc;
  const char* key = nullptr;
  switch (vers) {
    case 1: key = "SOFTWARE\\Condor\\"; break;
    case 2: key = "SOFTWARE\\Condor2\\"; break;
    case 3: key = "SOFTWARE\\Condor3\\"; break;
    default: FreeLine() << nc; return kIncorrectCondorVersion;
  }

  std::string value;
  int len = 0;
  const int status = RdUsrReg(key, "InstallDir", value, len);
  if (status != 0) {
    FreeLine() << status;
    path.clear();
    if (!silent) {
      // Console and log only: without Condor 3 the driver shows its own box
      // for the same fault.
      log_message_f(message(Msg::condor_not_detected, {std::to_string(vers)}));
    }
    return 0;
  }

  path = value;
  const std::string log_file = std::string(path.trimmed()) + "\\Logs\\Logfile.txt";
  FreeLine() << path.trimmed();
  FreeLine() << log_file;
  const int version = condor_log_version(log_file);
  FreeLine() << version;
  return version;
}

}  // namespace tarvel
