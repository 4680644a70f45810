#include <windows.h>

#include <vector>

#include "platform/module_path.h"

namespace tarvel {

std::string module_path(std::size_t buffer_size) {
  if (buffer_size == 0) return {};
  std::vector<char> buf(buffer_size, '\0');
  const DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buffer_size));
  // n == buffer_size: the path was cut to fit.
  if (n == 0 || n >= buffer_size) return {};
  return std::string(buf.data(), n);
}

}  // namespace tarvel
