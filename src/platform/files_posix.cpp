#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/blank_trim.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "platform/wine_prefix.h"

namespace tarvel {

namespace {

// The lower-case form of an upper-case letter of ASCII or Windows-1252;
// every other code point is itself.
std::uint32_t fold_letter(std::uint32_t cp) {
  if ((cp >= 'A' && cp <= 'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)) return cp + 0x20;
  switch (cp) {
    case 0x152: return 0x153;  // OE ligature
    case 0x160: return 0x161;  // S caron
    case 0x178: return 0xFF;   // Y diaeresis
    case 0x17D: return 0x17E;  // Z caron
    default: return cp;
  }
}

// A UTF-8 name with its letters folded, for comparing names without regard
// to case. A byte that starts no valid sequence stands for itself.
std::u32string folded(std::string_view name) {
  std::u32string out;
  out.reserve(name.size());
  for (std::size_t i = 0; i < name.size();) {
    const auto [cp, n] = utf8_at(name, i);
    if (n != 0) {
      out.push_back(fold_letter(cp));
      i += n;
      continue;
    }
    const unsigned char b = static_cast<unsigned char>(name[i++]);
    // Above every code point: a stray byte never equals a letter.
    out.push_back(b < 0x80 ? fold_letter(b) : 0x110000u | b);
  }
  return out;
}

bool exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

// The one entry of `folder` whose name equals `name` without regard to case;
// empty when there is none or more than one.
std::string unique_match(const std::string& folder, std::string_view name) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return {};
  const std::u32string wanted = folded(name);
  std::string found;
  int matches = 0;
  while (const dirent* e = ::readdir(dir)) {
    if (folded(e->d_name) == wanted && ++matches == 1) found = e->d_name;
  }
  ::closedir(dir);
  return matches == 1 ? found : std::string();
}

// `base` followed by `rest` ("/name/name..."), each name resolved as Windows
// would: the exact name when it exists, else the one name of its folder that
// equals it without regard to case. From the first name that has neither,
// the rest stays as given (the path is then not found). With `last_too`
// false the final name is kept as given: a file the program creates takes
// the case of the name it built, inside the folders found.
std::string resolve_case(std::string base, std::string_view rest, bool last_too) {
  // Exact names are the common case: one check, no folder scanned.
  if (last_too) {
    if (exists(base + std::string(rest))) return base + std::string(rest);
  } else {
    const std::size_t slash = rest.rfind('/');
    if (slash == std::string_view::npos || exists(base + std::string(rest.substr(0, slash)))) {
      return base + std::string(rest);
    }
  }
  std::string out = std::move(base);
  while (!rest.empty()) {
    // rest begins with "/" here.
    const std::size_t next = rest.find('/', 1);
    const std::string_view name =
        rest.substr(1, next == std::string_view::npos ? rest.npos : next - 1);
    const bool last = next == std::string_view::npos;
    const std::string exact = out + "/" + std::string(name);
    if ((last && !last_too) || name.empty() || name == "." || name == ".." || exists(exact)) {
      out = exact;
    } else {
      const std::string match = unique_match(out, name);
      if (match.empty()) return out + std::string(rest);
      out += "/" + match;
    }
    rest = last ? std::string_view() : rest.substr(next);
  }
  return out;
}

// "X:\rest" goes below the prefix's dosdevices, with its names resolved as
// Windows resolves them (see resolve_case); any other path reads each "\" as
// "/" and stays exact.
std::string to_native(std::string_view path, bool last_too) {
  path = trim_right(path);
  if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
    std::string base = wine_prefix() + "/dosdevices/";
    base.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(path[0]))));
    base += ':';
    std::string rest;
    const std::string_view tail = path.substr(2);
    if (!tail.empty() && tail[0] != '\\' && tail[0] != '/') rest.push_back('/');
    for (char c : tail) rest.push_back(c == '\\' ? '/' : c);
    return resolve_case(mixed_to_utf8(base), mixed_to_utf8(rest), last_too);
  }
  std::string out;
  for (char c : path) out.push_back(c == '\\' ? '/' : c);
  return mixed_to_utf8(out);
}

// A file the program creates, replaces or removes (an output, a temporary
// file, the probe): its own name keeps the case the program built.
std::string native_own_path(std::string_view path) { return to_native(path, false); }

}  // namespace

std::string native_path(std::string_view path) { return to_native(path, true); }

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
  return ::stat(native_own_path(path).c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
         (st.st_mode & S_IWUSR) == 0;
}

std::FILE* open_file(std::string_view path, const char* mode) {
  const bool reads = mode[0] == 'r';
  return std::fopen((reads ? native_path(path) : native_own_path(path)).c_str(), mode);
}

bool open_input_stream(std::ifstream& in, std::string_view path) {
  in.open(native_path(path), std::ios::binary);
  return in.is_open();
}

int remove_file(std::string_view path) {
  return std::remove(native_own_path(path).c_str()) == 0 ? 0 : errno;
}

int rename_file(std::string_view from, std::string_view to) {
  return std::rename(native_own_path(from).c_str(), native_own_path(to).c_str()) == 0 ? 0 : errno;
}

std::FILE* create_new_file(std::string_view path) {
  const int fd = ::open(native_own_path(path).c_str(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
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
  const std::string native = native_own_path(path);
  struct stat st {};
  if (::lstat(native.c_str(), &st) != 0) return errno;
  if (!S_ISREG(st.st_mode) || st.st_nlink != 1) return EEXIST;
  return ::unlink(native.c_str()) == 0 ? 0 : errno;
}

std::string system_reason(int status) { return std::strerror(status); }

}  // namespace tarvel
