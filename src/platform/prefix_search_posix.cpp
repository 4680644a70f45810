#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <set>
#include <utility>

#include "platform/prefix_search.h"
#include "platform/registry.h"
#include "platform/user_reg.h"
#include "platform/windows_path.h"

namespace tarvel {

namespace {

// The part of a line the search keeps: a longer line is cut, so that a huge
// file without line ends costs no more memory than this. Nothing the search
// wants is that long.
constexpr std::size_t kMaxLine = 64 * 1024;

bool is_folder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The folders in `folder` (links to folders included), sorted by name;
// hidden ones are left out, as a shell's "*" leaves them out. None when the
// folder cannot be read.
std::vector<std::string> subfolders(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* e = ::readdir(dir)) {
    if (e->d_name[0] == '.') continue;
    const bool maybe = e->d_type == DT_DIR || e->d_type == DT_LNK || e->d_type == DT_UNKNOWN;
    if (!maybe) continue;
    std::string path = folder + "/" + e->d_name;
    if (e->d_type == DT_DIR || is_folder(path)) names.push_back(std::move(path));
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

// The folders a home pattern names below `base`: "*" stands for every folder.
void expand(const std::string& base, std::string_view pattern, std::vector<std::string>& out) {
  const std::size_t slash = pattern.find('/');
  const std::string_view part = pattern.substr(0, slash);
  const std::string_view rest =
      slash == std::string_view::npos ? std::string_view() : pattern.substr(slash + 1);
  std::vector<std::string> matches;
  if (part == "*") {
    matches = subfolders(base);
  } else {
    matches.push_back(base + "/" + std::string(part));
  }
  for (std::string& m : matches) {
    if (slash == std::string_view::npos) {
      out.push_back(std::move(m));
    } else {
      expand(m, rest, out);
    }
  }
}

// Feeds the lines of the regular file `path` to `scan` until it has its
// answer. False when the file is not a regular file or cannot be read.
bool scan_file(const std::string& path, UserRegValueScan& scan) {
  // O_NONBLOCK: a FIFO in the way must not hold the run; the check below
  // refuses it anyway.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  char buf[64 * 1024];
  std::string line;
  bool wanted = true;
  bool ok = true;
  while (wanted) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    const char* p = buf;
    const char* end = buf + n;
    while (wanted && p < end) {
      const char* nl =
          static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
      const char* stop = nl != nullptr ? nl : end;
      const std::size_t room = kMaxLine - std::min(kMaxLine, line.size());
      const std::size_t take = std::min(room, static_cast<std::size_t>(stop - p));
      if (nl != nullptr && line.empty() && take == static_cast<std::size_t>(stop - p)) {
        wanted = scan.feed(std::string_view(p, take));  // the whole line is in the buffer
      } else {
        line.append(p, take);
        if (nl != nullptr) {
          wanted = scan.feed(line);
          line.clear();
        }
      }
      p = nl != nullptr ? nl + 1 : end;
    }
  }
  if (ok && wanted && !line.empty()) scan.feed(line);
  ::close(fd);
  return ok;
}

class Search {
 public:
  Search(std::string_view key, std::string_view name) : key_(key), name_(name) {}

  // True when `folder` is a prefix whose user.reg has the value wanted.
  bool qualifies(const std::string& folder) const {
    if (!is_folder(folder + "/drive_c")) return false;
    UserRegValueScan scan(key_, name_);
    if (!scan_file(folder + "/user.reg", scan) || scan.value() == nullptr) return false;
    const std::string& v = *scan.value();
    const std::string_view text = up_to_nul(v);
    return v.size() + 1 <= registry_buffer_size &&
           text.find_first_not_of(" \t") != std::string_view::npos;
  }

  // Adds `folder` when it qualifies and was not reached before.
  void consider(const std::string& folder, std::vector<std::string>& found) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return;
    if (!seen_.insert({st.st_dev, st.st_ino}).second) return;
    if (qualifies(folder)) found.push_back(folder);
  }

 private:
  std::string_view key_;
  std::string_view name_;
  std::set<std::pair<dev_t, ino_t>> seen_;
};

std::string without_final_slashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

PrefixSearch search_prefix_homes(const std::string& home_in, std::string_view key,
                                 std::string_view name) {
  const std::string home = home_in == "/" ? std::string() : without_final_slashes(home_in);
  PrefixSearch out;
  Search search(key, name);
  // The other homes only when $HOME/.wine does not qualify.
  search.consider(home + "/.wine", out.prefixes);
  if (out.prefixes.empty()) {
    std::vector<std::string> folders;
    for (std::string_view pattern : kPrefixHomes) {
      folders.clear();
      expand(home, pattern, folders);
      for (const std::string& f : folders) search.consider(f, out.prefixes);
    }
  }
  out.result = out.prefixes.empty()       ? PrefixSearch::Result::none
               : out.prefixes.size() == 1 ? PrefixSearch::Result::found
                                          : PrefixSearch::Result::several;
  return out;
}

PrefixSearch search_wine_prefix(std::string_view key, std::string_view name) {
  if (const char* p = std::getenv("WINEPREFIX"); p != nullptr && *p != '\0') {
    PrefixSearch out;
    out.result = PrefixSearch::Result::named;
    out.prefixes.push_back(without_final_slashes(p));
    return out;
  }
  const char* home = std::getenv("HOME");
  return search_prefix_homes(home != nullptr ? home : "", key, name);
}

}  // namespace tarvel
