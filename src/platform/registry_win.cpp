#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/wide_text_win.h"
#include "platform/windows_path.h"

namespace tarvel {

namespace {

// The whole stored value of `name` (any length), its type in `type`.
LONG query_whole_value(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& data) {
  DWORD size = 0;
  LONG st = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
  // The value may grow between the two calls: ask again while it does.
  for (int tries = 0; st == ERROR_SUCCESS && tries < 4; ++tries) {
    data.assign(size + sizeof(wchar_t), 0);
    DWORD got = size;
    st = RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &got);
    if (st == ERROR_SUCCESS) {
      data.resize(got);
      return st;
    }
    if (st == ERROR_MORE_DATA) {
      size = got;
      st = ERROR_SUCCESS;
    }
  }
  return st == ERROR_SUCCESS ? ERROR_MORE_DATA : st;
}

}  // namespace

RegistryRead read_registry_string(RegistryHive hive, std::string_view subkey, std::string_view name,
                                  unsigned buffer_size) {
  RegistryRead r;
  HKEY root = hive == RegistryHive::classes_root ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
  HKEY key = nullptr;
  r.open_status =
      static_cast<int>(RegOpenKeyExW(root, to_wide(subkey).c_str(), 0, KEY_QUERY_VALUE, &key));
  if (r.open_status != ERROR_SUCCESS) return r;
  r.opened = true;

  DWORD type = REG_NONE;
  std::vector<BYTE> data;
  LONG st = query_whole_value(key, to_wide(name), type, data);
  // A value of another type would hand binary bytes over as text.
  if ((st == ERROR_SUCCESS || st == ERROR_MORE_DATA) && type != REG_SZ && type != REG_EXPAND_SZ) {
    st = ERROR_FILE_NOT_FOUND;
  }
  r.size = buffer_size;
  if (st == ERROR_SUCCESS) {
    // The stored text need not end with a NUL: never read past what came back.
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    std::copy(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(text.size() * 2),
              reinterpret_cast<BYTE*>(text.data()));
    const std::string value = from_wide(up_to_nul(text));
    // The program's buffer counts bytes of UTF-8, the NUL included.
    r.size = static_cast<unsigned>(value.size() + 1);
    if (value.size() + 1 > buffer_size) {
      st = ERROR_MORE_DATA;
    } else {
      r.value = value;
    }
  }
  r.query_status = static_cast<int>(st);
  r.close_status = static_cast<int>(RegCloseKey(key));
  return r;
}

}  // namespace tarvel
