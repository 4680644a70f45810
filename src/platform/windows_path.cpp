#include "platform/windows_path.h"

#include <algorithm>

namespace tarvel {

WindowsPathParts split_at_last_backslash(std::string_view path) {
  const std::size_t slash = path.rfind('\\');
  const std::size_t name_at = slash == std::string_view::npos ? 0 : slash + 1;
  return {path.substr(0, name_at), path.substr(name_at)};
}

std::string join_windows_path(std::string_view folder, std::string_view name) {
  std::string path;
  path.reserve(folder.size() + 1 + name.size());
  path.append(folder);
  if (folder.empty() || folder.back() != '\\') path += '\\';
  path.append(name);
  return path;
}

std::string landscapes_folder(std::string_view root) {
  std::string path(root);
  path += "\\Landscapes";
  return path;
}

std::string landscape_file(std::string_view landscapes, std::string_view name,
                           std::string_view ext) {
  std::string path;
  path.reserve(landscapes.size() + 2 * name.size() + ext.size() + 3);
  path.append(landscapes).append("\\").append(name).append("\\").append(name);
  path.append(".").append(ext);
  return path;
}

void slashes_to_backslashes(std::string& path) {
  std::replace(path.begin(), path.end(), '/', '\\');
}

std::string_view up_to_nul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::wstring_view up_to_nul(std::wstring_view text) { return text.substr(0, text.find(L'\0')); }

}  // namespace tarvel
