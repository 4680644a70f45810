#include "install/get_inst_path.h"

#include <string>

#include "install/get_exe_path.h"

namespace tarvel {

namespace {
constexpr int kExePathBuffer = 512;
}

FixedText<256> inst_folder_of(std::string_view exe_path) {
  FixedText<256> folder;
  const std::string_view path = trim_right(exe_path);
  if (path.empty()) return folder;
  const std::size_t last = path.rfind('\\');
  folder = last == std::string_view::npos ? std::string_view(".\\") : path.substr(0, last + 1);
  if (folder[1] == ':' && folder[0] >= 'a' && folder[0] <= 'z') {
    folder[0] = static_cast<char>(folder[0] - 'a' + 'A');
  }
  return folder;
}

void get_inst_path(FixedText<256>& instpath) {
  std::string path;
  instpath.clear();
  if (GetExePath(path, kExePathBuffer) > 0) instpath = inst_folder_of(path);
}

}  // namespace tarvel
