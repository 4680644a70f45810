#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/files.h"
#include "platform/text_encoding.h"
#include "platform/wine_prefix.h"
#include "util/fixed_text.h"

namespace tarvel {

std::string native_path(std::string_view path) {
  path = trim_right(path);
  std::string out;
  std::string_view rest = path;
  if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
    out = wine_prefix();
    out += "/dosdevices/";
    out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(path[0]))));
    out += ':';
    rest = path.substr(2);
    if (!rest.empty() && rest[0] != '\\' && rest[0] != '/') out.push_back('/');
  }
  for (char c : rest) out.push_back(c == '\\' ? '/' : c);
  return mixed_to_utf8(out);
}

bool file_exists(std::string_view path) {
  struct stat st {};
  return ::stat(native_path(path).c_str(), &st) == 0;
}

bool folder_exists(std::string_view path) {
  struct stat st {};
  return ::stat(native_path(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool is_read_only_file(std::string_view path) {
  struct stat st {};
  return ::stat(native_path(path).c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
         (st.st_mode & S_IWUSR) == 0;
}

std::FILE* open_file(std::string_view path, const char* mode) {
  return std::fopen(native_path(path).c_str(), mode);
}

int remove_file(std::string_view path) {
  return std::remove(native_path(path).c_str()) == 0 ? 0 : errno;
}

int rename_file(std::string_view from, std::string_view to) {
  return std::rename(native_path(from).c_str(), native_path(to).c_str()) == 0 ? 0 : errno;
}

std::FILE* create_new_file(std::string_view path) {
  const int fd =
      ::open(native_path(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  std::FILE* f = ::fdopen(fd, "wb");
  if (f == nullptr) {
    const int e = errno;
    ::close(fd);
    errno = e;
  }
  return f;
}

int remove_plain_file(std::string_view path) {
  const std::string native = native_path(path);
  struct stat st {};
  if (::lstat(native.c_str(), &st) != 0) return errno;
  if (!S_ISREG(st.st_mode) || st.st_nlink != 1) return EEXIST;
  return ::unlink(native.c_str()) == 0 ? 0 : errno;
}

std::string system_reason(int status) { return std::strerror(status); }

}  // namespace tarvel
