#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/blank_trim.h"
#include "platform/files.h"
#include "platform/wide_text_win.h"

namespace tarvel {

namespace {

// The system's error behind the last failure reported by this file, with the
// status it was reported as, so that system_reason can give the system's text.
DWORD g_last_error = 0;
int g_last_status = 0;

int record_failure(int status, DWORD error) {
  g_last_error = error;
  g_last_status = status;
  return status;
}

int errno_of(DWORD error) {
  switch (error) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_WRITE_PROTECT: return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    default: return EIO;
  }
}
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
  SetLastError(0);
  std::FILE* f = _wfopen(wide_path(path).c_str(), to_wide(mode).c_str());
  if (f == nullptr) record_failure(errno, GetLastError());
  return f;
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
  return record_failure(e == 0 ? EIO : static_cast<int>(e), e);
}

std::FILE* create_new_file(std::string_view path) {
  // Shared for deletion, so that an interrupt can remove the file while it
  // is still open (Windows removes it once the last handle is closed).
  HANDLE h =
      CreateFileW(wide_path(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD e = GetLastError();
    errno = record_failure(errno_of(e), e);
    return nullptr;
  }
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
  if (fd < 0) {
    CloseHandle(h);
    errno = EIO;
    return nullptr;
  }
  std::FILE* f = _fdopen(fd, "wb");
  if (f == nullptr) _close(fd);
  return f;
}

int remove_plain_file(std::string_view path) {
  const std::wstring native = wide_path(path);
  // Opened without following a link, to look at the name itself.
  HANDLE h = CreateFileW(
      native.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD e = GetLastError();
    return record_failure(errno_of(e), e);
  }
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = GetFileInformationByHandle(h, &info) != 0;
  CloseHandle(h);
  if (!known) return EIO;
  const DWORD not_plain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT |
                          FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_READONLY;
  if ((info.dwFileAttributes & not_plain) != 0 || info.nNumberOfLinks != 1) return EEXIST;
  if (DeleteFileW(native.c_str())) return 0;
  const DWORD e = GetLastError();
  return record_failure(errno_of(e), e);
}

std::string system_reason(int status) {
  if (status == g_last_status && g_last_error != 0) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, g_last_error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (n > 0 && text != nullptr) {
      std::string reason = from_wide(std::wstring_view(text, n));
      LocalFree(text);
      while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                                 reason.back() == ' ' || reason.back() == '.')) {
        reason.pop_back();
      }
      if (!reason.empty()) return reason;
    }
  }
  return std::strerror(status);
}

}  // namespace tarvel
