#include <windows.h>

#include <string>
#include <vector>

#include "platform/environment.h"

namespace tarvel {

std::optional<std::string> environment_variable(std::string_view name, std::size_t buffer_size) {
  if (buffer_size == 0) return std::nullopt;
  const std::string name_c(name);
  std::vector<char> buf(buffer_size, '\0');
  const DWORD n =
      GetEnvironmentVariableA(name_c.c_str(), buf.data(), static_cast<DWORD>(buffer_size));
  // 0: not defined (or empty); n >= buffer_size: the size needed, nothing stored.
  if (n == 0 || n >= buffer_size) return std::nullopt;
  return std::string(buf.data(), n);
}

}  // namespace tarvel
