// Folder and file-name parts of a path, and the check that a folder can be
// written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "util/fixed_text.h"

namespace tarvel {

// The probe file that check_writable_folder creates and deletes.
inline constexpr std::string_view kProbeFileName = "tmp_TMP_tmp_TMP_tmp_TMP_tmp_TMP_tmp.txt";
inline constexpr std::string_view kProbeLine = "TMP TMP TMP TMPTMP TMPTMP TMP TMP TMP TMP TMP";

struct PathParts {
  std::string folder;  // up to and including the last backslash
  std::string name;    // after the last backslash
};

// A blank path gives two blank parts; ".." gives the folder "..\" and a blank
// name; a path without backslash gives the folder ".\" and itself as name.
// Only the first 1024 characters of `path` are looked at.
PathParts split_path_name(std::string_view path);

template <std::size_t F, std::size_t M>
void extract_path_name(std::string_view path, FixedText<F>& folder, FixedText<M>& name) {
  // The parts are copies, so `path` may be a view of `folder` or `name`.
  const PathParts parts = split_path_name(path);
  folder = parts.folder;
  name = parts.name;
}

template <std::size_t N, std::size_t F, std::size_t M>
void extract_path_name(const FixedText<N>& path, FixedText<F>& folder, FixedText<M>& name) {
  extract_path_name(path.view(), folder, name);
}

// Proves that `folder` can be written by creating, writing and deleting the
// probe file in it: true when it can. Trailing blanks of `folder` are not
// part of it.
bool check_writable_folder(std::string_view folder);

}  // namespace tarvel
