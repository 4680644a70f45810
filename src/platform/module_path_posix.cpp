#include <unistd.h>

#include <climits>
#include <vector>

#include "platform/module_path.h"
#include "platform/windows_path.h"

namespace tarvel {

std::string module_path(std::size_t buffer_size) {
  std::vector<char> buf(PATH_MAX + 1, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= buf.size()) return {};
  if (static_cast<std::size_t>(n) + 1 > buffer_size) return {};
  std::string path(buf.data(), static_cast<std::size_t>(n));
  slashes_to_backslashes(path);
  return path;
}

}  // namespace tarvel
