#include "install/get_exe_path.h"

#include "platform/module_path.h"

namespace tarvel {

int GetExePath(std::string& path, int len) {
  path = len > 0 ? module_path(static_cast<std::size_t>(len)) : std::string();
  return static_cast<int>(path.size());
}

}  // namespace tarvel
