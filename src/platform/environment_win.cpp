#include <windows.h>

#include <string>
#include <vector>

#include "platform/environment.h"
#include "platform/wide_text_win.h"

namespace tarvel {

std::optional<std::string> environment_variable(std::string_view name, std::size_t buffer_size) {
  if (buffer_size == 0) return std::nullopt;
  const std::wstring name_w = to_wide(name);
  std::vector<wchar_t> buf(64, L'\0');
  for (;;) {
    const DWORD n =
        GetEnvironmentVariableW(name_w.c_str(), buf.data(), static_cast<DWORD>(buf.size()));
    // 0: not defined (or empty); n >= the buffer: the size needed, nothing stored.
    if (n == 0) return std::nullopt;
    if (n < buf.size()) {
      std::string value = from_wide(std::wstring_view(buf.data(), n));
      // The program's buffer counts bytes of UTF-8, its NUL included.
      if (value.size() + 1 > buffer_size) return std::nullopt;
      return value;
    }
    if (n > 32768) return std::nullopt;
    buf.assign(n, L'\0');
  }
}

}  // namespace tarvel
