// One string value of the registry, read the way the installation discovery
// traces it: the statuses of opening the key, querying the value and closing
// the key, and the size the registry reports.
//
// On Windows: RegOpenKeyExW, RegQueryValueExW, RegCloseKey. Elsewhere the
// current user's hive is the Wine prefix's user.reg (see user_reg.h).
#pragma once

#include <string>
#include <string_view>

namespace tarvel {

// Windows error codes as the registry functions return them.
inline constexpr int reg_success = 0;
inline constexpr int reg_file_not_found = 2;  // no such key, or no such string value
inline constexpr int reg_more_data = 234;     // the value does not fit the buffer

// Bytes of the buffer the value is read into, its NUL included.
inline constexpr unsigned registry_buffer_size = 255;

enum class RegistryHive {
  current_user,  // HKEY_CURRENT_USER
  classes_root,  // HKEY_CLASSES_ROOT (outside Windows: the user's Software\Classes only)
};

struct RegistryRead {
  int open_status = reg_file_not_found;
  bool opened = false;  // the query and close steps ran
  int query_status = reg_file_not_found;
  int close_status = reg_file_not_found;
  // Bytes as the registry reports them: the text and its NUL after a read,
  // the size needed when the value is too long (reg_more_data), else the
  // buffer size.
  unsigned size = 0;
  // The text up to its first NUL, in UTF-8; empty unless
  // the query succeeded.
  std::string value;
};

// Reads the string value `name` (REG_SZ or REG_EXPAND_SZ, not expanded) of
// the key `subkey` through a buffer of `buffer_size` bytes. A value of any
// other type counts as missing; a text that would not fit the buffer with its
// NUL is reported as reg_more_data and not returned.
RegistryRead read_registry_string(RegistryHive hive, std::string_view subkey, std::string_view name,
                                  unsigned buffer_size = registry_buffer_size);

}  // namespace tarvel
