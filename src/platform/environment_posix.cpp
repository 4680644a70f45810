#include <cstdlib>
#include <string>

#include "platform/environment.h"
#include "platform/user_reg.h"
#include "platform/windows_path.h"

namespace tarvel {

std::optional<std::string> environment_variable(std::string_view name, std::size_t buffer_size) {
  std::string value;
  const std::string name_c(name);
  if (const char* v = std::getenv(name_c.c_str()); v != nullptr && *v != '\0') {
    value = v;
  } else {
    // Wine builds a Windows program's environment from these two keys.
    const UserReg& reg = user_reg();
    const std::string* found = reg.find("Volatile Environment", name);
    if (found == nullptr || found->empty()) found = reg.find("Environment", name);
    if (found == nullptr) return std::nullopt;
    value = up_to_nul(*found);
  }
  if (value.empty() || value.size() + 1 > buffer_size) return std::nullopt;
  return value;
}

}  // namespace tarvel
