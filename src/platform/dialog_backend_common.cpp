#include "platform/dialog_backend_common.h"

#include "platform/windows_path.h"

namespace tarvel {

namespace {

// The NUL-ended text at `pos`, or up to the end of the buffer.
std::string_view text_at(const char* buf, std::size_t size, std::size_t pos) {
  std::size_t end = pos;
  while (end < size && buf[end] != '\0') ++end;
  return std::string_view(buf + pos, end - pos);
}

}  // namespace

std::string join_multi_selection(const char* buf, std::size_t size) {
  const std::string_view first = text_at(buf, size, 0);
  std::size_t pos = first.size() + 1;
  if (pos >= size || buf[pos] == '\0') return std::string(first);

  std::string joined;
  while (pos < size && buf[pos] != '\0') {
    const std::string_view name = text_at(buf, size, pos);
    if (!joined.empty()) joined += '|';
    joined += join_windows_path(first, name);
    pos += name.size() + 1;
  }
  return joined;
}

ChooserStart split_chooser_start(std::string_view path) {
  const WindowsPathParts parts = split_at_last_backslash(path);
  ChooserStart start{std::string(parts.folder), std::string(parts.name)};
  if (start.name.find_first_of("*?") != std::string::npos) start.name.clear();
  return start;
}

bool has_extension(std::string_view path) {
  // A "/" ends a folder too: a name typed in a Linux chooser may hold one.
  std::string_view name = split_at_last_backslash(path).name;
  if (const std::size_t slash = name.rfind('/'); slash != std::string_view::npos) {
    name.remove_prefix(slash + 1);
  }
  return name.size() > 1 && name.find('.', 1) != std::string_view::npos;
}

std::string default_extension(const std::vector<std::string>& patterns) {
  if (patterns.empty()) return {};
  const std::string& p = patterns.front();
  if (p.size() < 3 || p.compare(0, 2, "*.") != 0) return {};
  const std::string ext = p.substr(2);
  if (ext.find_first_of("*?.\\/") != std::string::npos) return {};
  return ext;
}

}  // namespace tarvel
