#include <windows.h>

#include <algorithm>

#include "platform/console_output.h"
#include "platform/wide_text_win.h"

namespace tarvel {

namespace {

// The console behind `stream`, or nullptr when the stream goes to a file or
// a pipe. Decided once per stream: a run never changes where it writes.
HANDLE console_of(std::FILE* stream) {
  static const auto find = [](DWORD which) -> HANDLE {
    const HANDLE h = GetStdHandle(which);
    DWORD mode = 0;
    if (h == nullptr || h == INVALID_HANDLE_VALUE || GetFileType(h) != FILE_TYPE_CHAR ||
        !GetConsoleMode(h, &mode)) {
      return nullptr;
    }
    return h;
  };
  static const HANDLE out = find(STD_OUTPUT_HANDLE);
  static const HANDLE err = find(STD_ERROR_HANDLE);
  if (stream == stdout) return out;
  if (stream == stderr) return err;
  return nullptr;
}

}  // namespace

void write_console_text(std::FILE* stream, std::string_view text) {
  const HANDLE console = console_of(stream);
  if (console == nullptr) {
    std::fwrite(text.data(), 1, text.size(), stream);
    return;
  }
  // What the C library still holds goes first, so lines keep their order.
  std::fflush(stream);
  const std::wstring wide = to_wide(text);
  std::size_t done = 0;
  while (done < wide.size()) {
    DWORD written = 0;
    const DWORD n = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 8192));
    if (!WriteConsoleW(console, wide.data() + done, n, &written, nullptr) || written == 0) return;
    done += written;
  }
}

}  // namespace tarvel
