#include <windows.h>

#include <vector>

#include "platform/module_path.h"
#include "platform/wide_text_win.h"

namespace tarvel {

std::string module_path(std::size_t buffer_size) {
  if (buffer_size == 0) return {};
  // Long paths (up to 32767 characters) are read whole, so that a path that
  // does not fit the program's field is known as such and never cut.
  for (DWORD size = MAX_PATH + 1; size <= 32768 * 2; size *= 2) {
    std::vector<wchar_t> buf(size, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), size);
    if (n == 0) return {};
    if (n < size) {
      std::string path = from_wide(std::wstring_view(buf.data(), n));
      // The program's buffer counts bytes of UTF-8, its NUL included.
      return path.size() + 1 > buffer_size ? std::string() : path;
    }
  }
  return {};
}

}  // namespace tarvel
