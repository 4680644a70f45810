#include "install/get_inst_path.h"

#include <string>

#include "install/get_exe_path.h"
#include "platform/windows_path.h"

namespace tarvel {

namespace {
// Enough for the longest path Windows gives (32,767 characters), so that a
// folder too long for its field is still known whole and can be named.
constexpr int kExePathBuffer = 32768;
}  // namespace

std::string inst_folder_text(std::string_view exe_path) {
  const std::string_view path = trim_right(exe_path);
  if (path.empty()) return {};
  const std::string_view own = split_at_last_backslash(path).folder;
  std::string folder(own.empty() ? std::string_view(".\\") : own);
  if (folder.size() > 1 && folder[1] == ':' && folder[0] >= 'a' && folder[0] <= 'z') {
    folder[0] = static_cast<char>(folder[0] - 'a' + 'A');
  }
  return folder;
}

std::string get_inst_path(FixedText<256>& instpath) {
  std::string path;
  instpath.clear();
  if (GetExePath(path, kExePathBuffer) <= 0) return {};
  std::string folder = inst_folder_text(path);
  instpath = folder;
  return folder;
}

}  // namespace tarvel
