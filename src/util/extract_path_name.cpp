#include "util/extract_path_name.h"

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/files.h"
#include "platform/guarded_file.h"
#include "platform/windows_path.h"
#include "util/console.h"

namespace tarvel {

namespace {

constexpr std::size_t kPathExamined = 1024;
// The width of the program's path fields.
constexpr std::size_t kMaxPath = 256;

// errno of a failed call, never 0.
int failure() { return errno != 0 ? errno : 1; }

// Other names tried when something already holds the probe's name (a file of
// the user's, or a link planted there): that thing is never opened, written
// or removed.
constexpr int kProbeNames = 100;

std::string probe_name(int n) {
  if (n == 0) return std::string(kProbeFileName);
  const std::string_view stem = kProbeFileName.substr(0, kProbeFileName.rfind('.'));
  return std::string(stem) + "_" + std::to_string(n) + ".txt";
}

// Creates the probe new under the first name nothing holds; an interrupt
// removes it until it is forgotten.
// A path cut to its field would name another file: it is never created.
std::FILE* create_probe(std::string_view dir, std::string& probe) {
  std::FILE* f = nullptr;
  for (int n = 0; n < kProbeNames; ++n) {
    probe = std::string(dir) + "\\" + probe_name(n);
    if (n > 0) FreeLine() << "check_writable_folder " << probe;
    if (probe.size() > kMaxPath) {
      errno = ENAMETOOLONG;
      break;
    }
    f = create_guarded_file(probe);
    if (f != nullptr || errno != EEXIST) break;
  }
  return f;
}

}  // namespace

PathParts split_path_name(std::string_view path) {
  path = path.substr(0, kPathExamined);
  const std::string_view trimmed = trim_right(path);
  if (trimmed.empty()) return {};
  if (trimmed == "..") return {"..\\", ""};
  const WindowsPathParts parts = split_at_last_backslash(path);
  if (parts.folder.empty()) return {".\\", std::string(path)};
  return {std::string(parts.folder), std::string(parts.name)};
}

bool check_writable_folder(std::string_view folder) {
  const std::string_view dir = trim_right(folder);
  std::string probe = std::string(dir) + "\\" + std::string(kProbeFileName);
  FreeLine() << "check_writable_folder " << probe;

  int open_status = 0;
  int rewind_status = 1;
  int write_status = 1;
  int close_status = 1;
  std::FILE* f = create_probe(dir, probe);
  if (f == nullptr) {
    open_status = failure();
  } else {
    rewind_status = std::fseek(f, 0, SEEK_SET) == 0 ? 0 : failure();
    if (rewind_status == 0) {
      write_status = 0;
      if (std::fprintf(f, "%.*s\n", static_cast<int>(kProbeLine.size()), kProbeLine.data()) < 0 ||
          std::fflush(f) != 0) {
        write_status = failure();
      }
      const int closed = std::fclose(f) == 0 ? 0 : failure();
      const int removed = remove_guarded_file(probe);
      close_status = closed != 0 ? closed : removed;
    } else {
      std::fclose(f);
      remove_guarded_file(probe);
    }
  }
  FreeLine() << open_status << rewind_status << write_status << close_status;
  return open_status == 0 && rewind_status == 0 && write_status == 0 && close_status == 0;
}

}  // namespace tarvel
