#include <windows.h>

#include <cerrno>
#include <cstdio>

#include "platform/files.h"
#include "platform/wide_text_win.h"
#include "util/fixed_text.h"

namespace tarvel {

namespace {

std::wstring wide_path(std::string_view path) { return to_wide(native_path(path)); }

}  // namespace

std::string native_path(std::string_view path) { return std::string(trim_right(path)); }

bool file_exists(std::string_view path) {
  return GetFileAttributesW(wide_path(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool folder_exists(std::string_view path) {
  const DWORD a = GetFileAttributesW(wide_path(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool is_read_only_file(std::string_view path) {
  const DWORD a = GetFileAttributesW(wide_path(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
         (a & FILE_ATTRIBUTE_READONLY) != 0;
}

std::FILE* open_file(std::string_view path, const char* mode) {
  return _wfopen(wide_path(path).c_str(), to_wide(mode).c_str());
}

bool open_input_stream(std::ifstream& in, std::string_view path) {
  in.open(wide_path(path).c_str(), std::ios::binary);
  return in.is_open();
}

int remove_file(std::string_view path) {
  return _wremove(wide_path(path).c_str()) == 0 ? 0 : errno;
}

int rename_file(std::string_view from, std::string_view to) {
  if (MoveFileExW(wide_path(from).c_str(), wide_path(to).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return 0;
  }
  const DWORD e = GetLastError();
  return e == 0 ? EIO : static_cast<int>(e);
}

}  // namespace tarvel
