#include <windows.h>

#include <string>
#include <vector>

#include "platform/registry.h"

namespace tarvel {

RegistryRead read_registry_string(RegistryHive hive, std::string_view subkey, std::string_view name,
                                  unsigned buffer_size) {
  RegistryRead r;
  HKEY root = hive == RegistryHive::classes_root ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
  HKEY key = nullptr;
  const std::string subkey_c(subkey);
  r.open_status = static_cast<int>(RegOpenKeyExA(root, subkey_c.c_str(), 0, KEY_QUERY_VALUE, &key));
  if (r.open_status != ERROR_SUCCESS) return r;
  r.opened = true;

  const std::string name_c(name);
  std::vector<char> buf(buffer_size > 0 ? buffer_size : 1, '\0');
  DWORD size = buffer_size;
  DWORD type = REG_NONE;
  LONG st = RegQueryValueExA(key, name_c.c_str(), nullptr, &type,
                             reinterpret_cast<LPBYTE>(buf.data()), &size);
  // A value of another type would hand binary bytes over as text.
  if ((st == ERROR_SUCCESS || st == ERROR_MORE_DATA) && type != REG_SZ && type != REG_EXPAND_SZ) {
    st = ERROR_FILE_NOT_FOUND;
    size = buffer_size;
  }
  r.query_status = static_cast<int>(st);
  r.size = size;
  if (st == ERROR_SUCCESS) {
    // The stored text need not end with a NUL: never read past what came back.
    const std::size_t n = size < buffer_size ? size : buffer_size;
    std::string text(buf.data(), n);
    const std::size_t nul = text.find('\0');
    if (nul == std::string::npos && n == buffer_size) {
      // A full buffer without its NUL: the text is longer than the buffer holds.
      r.query_status = ERROR_MORE_DATA;
      r.size = buffer_size + 1;
    } else {
      r.value = text.substr(0, nul);
    }
  }
  r.close_status = static_cast<int>(RegCloseKey(key));
  return r;
}

}  // namespace tarvel
