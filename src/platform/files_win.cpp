#include <windows.h>

#include <cerrno>
#include <cstdio>

#include "platform/files.h"
#include "util/fixed_text.h"

namespace tarvel {

std::string native_path(std::string_view path) { return std::string(trim_right(path)); }

bool file_exists(std::string_view path) {
  return GetFileAttributesA(native_path(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool folder_exists(std::string_view path) {
  const DWORD a = GetFileAttributesA(native_path(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool is_read_only_file(std::string_view path) {
  const DWORD a = GetFileAttributesA(native_path(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
         (a & FILE_ATTRIBUTE_READONLY) != 0;
}

std::FILE* open_file(std::string_view path, const char* mode) {
  return std::fopen(native_path(path).c_str(), mode);
}

int remove_file(std::string_view path) {
  return std::remove(native_path(path).c_str()) == 0 ? 0 : errno;
}

int rename_file(std::string_view from, std::string_view to) {
  if (MoveFileExA(native_path(from).c_str(), native_path(to).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return 0;
  }
  const DWORD e = GetLastError();
  return e == 0 ? EIO : static_cast<int>(e);
}

}  // namespace tarvel
