#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

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

bool open_input_stream(std::ifstream& in, std::string_view path) {
  in.open(native_path(path), std::ios::binary);
  return in.is_open();
}

int remove_file(std::string_view path) {
  return std::remove(native_path(path).c_str()) == 0 ? 0 : errno;
}

int rename_file(std::string_view from, std::string_view to) {
  return std::rename(native_path(from).c_str(), native_path(to).c_str()) == 0 ? 0 : errno;
}

}  // namespace tarvel
