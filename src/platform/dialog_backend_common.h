// Helpers of the system dialog backends that do not depend on the system.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

// The result buffer of a Windows open dialog with multiple selection: either
// one full path followed by two NULs, or the folder, a NUL, each file name
// followed by a NUL, and a final NUL. Gives the full paths joined by "|".
// Reading stops at the end of the buffer even without the final NULs.
std::string join_multi_selection(const char* buf, std::size_t size);

// False when the dialog's answer ran to the end of the buffer (`size` at
// least 2, zeroed before the dialog): Windows then fails with
// FNERR_BUFFERTOOSMALL, but Wine returns the selection cut at the buffer's
// end, with a name cut short and no final NULs.
// Works on the dialog's own characters (char or wchar_t).
template <typename Char>
bool selection_complete(const Char* buf, std::size_t size) {
  return size >= 2 && buf[size - 1] == Char{} && buf[size - 2] == Char{};
}

// A Windows-form default path split for a chooser: the folder to open in
// (empty when none) and the file name to propose, which is empty when the
// path ends with a backslash or its last part is a pattern such as "*.fpl".
struct ChooserStart {
  std::string folder;
  std::string name;
};
ChooserStart split_chooser_start(std::string_view path);

// True when the last part of `path` (after its last "\" or "/") holds a "."
// after its first character: "Mon vol.fpl" and "a.b" have one, "Mon vol" and
// ".fpl" have none.
bool has_extension(std::string_view path);

// The extension a save dialog gives a name typed without one: that of the
// first pattern when it is "*.<ext>" without wildcards in <ext> ("fpl" for
// "*.fpl"); empty otherwise. Without its dot.
std::string default_extension(const std::vector<std::string>& patterns);

}  // namespace tarvel
