// Windows-form paths ("C:\Condor3\Landscapes\Name") as plain texts: the
// program holds every path in this form, on Windows and on Linux alike.
// These functions only cut and join bytes (UTF-8 names pass through whole);
// none of them touches the file system.
#pragma once

#include <string>
#include <string_view>

namespace tarvel {

// A path cut after its last "\": `folder` keeps that "\" ("C:\Plans\"), `name`
// is what follows it (empty when the path ends with "\"). A path without "\"
// is all name, with an empty folder. Both are views into the path.
struct WindowsPathParts {
  std::string_view folder;
  std::string_view name;
};
WindowsPathParts split_at_last_backslash(std::string_view path);

// `folder` and `name` with one "\" between them; none is added when `folder`
// already ends with "\" (or when it is empty, which gives "\name").
std::string join_windows_path(std::string_view folder, std::string_view name);

// The landscapes folder of a Condor installation folder: "<root>\Landscapes".
// `root` is taken as it stands (the caller trims it).
std::string landscapes_folder(std::string_view root);

// A landscape's own file, "<landscapes>\<name>\<name>.<ext>" ("trn", "air"),
// the parts taken as they stand.
std::string landscape_file(std::string_view landscapes, std::string_view name,
                           std::string_view ext);

// Every "/" of `path` turned into "\".
void slashes_to_backslashes(std::string& path);

// A text up to its first NUL (all of it when it holds none), as C reads it.
std::string_view up_to_nul(std::string_view text);
std::wstring_view up_to_nul(std::wstring_view text);

}  // namespace tarvel
