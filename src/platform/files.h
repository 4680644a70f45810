// Files by the program's own (Windows-form) paths.
//
// Paths stay in Windows form inside the program, in UTF-8 (Windows-1252 bytes
// where a path is not UTF-8). On Windows they reach the system through the
// wide (UTF-16) calls, so a name in any language is opened as it is. Elsewhere the program runs
// beside a Wine prefix: "X:\rest" opens $WINEPREFIX/dosdevices/x:/rest (WINEPREFIX defaulting to
// $HOME/.wine) and any other path reads each "\" as "/"; the file system there names files in
// UTF-8, so bytes of the program's code page (a folder from the registry) are
// turned into UTF-8 while UTF-8 already in a path (an argument) is kept.
// Trailing blanks are not part of a path. Below the prefix names resolve as
// Windows resolves them, without regard to case: the exact name when it
// exists, else the only name of its folder that differs from it in the case of
// ASCII or Windows-1252 letters. A file the program creates, replaces or
// removes (every use but a read) keeps the case of its own name as given,
// inside the folders found that way.
#pragma once

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

namespace tarvel {

// The path the operating system is given for `path`.
std::string native_path(std::string_view path);

// True when `path` names an existing file or folder.
bool file_exists(std::string_view path);
// True when `path` names an existing folder.
bool folder_exists(std::string_view path);
// True when `path` names an existing file that is marked read-only (no write
// permission for its owner; the read-only attribute on Windows).
bool is_read_only_file(std::string_view path);

// std::fopen on the native path; nullptr when it fails (errno tells why).
std::FILE* open_file(std::string_view path, const char* mode);

// Opens `in` on the file for reading, in binary mode; false when it fails.
bool open_input_stream(std::ifstream& in, std::string_view path);

// 0 on success, else an errno value.
int remove_file(std::string_view path);
// Replaces `to` by `from` (an existing `to` is overwritten). 0 or an errno value.
int rename_file(std::string_view from, std::string_view to);

// Creates `path` as a new, empty file open for binary writing. It never opens
// a name that already exists: whatever stands there (a file, a folder, a
// symbolic link, even one that points nowhere) makes it fail with EEXIST.
// nullptr when it fails (errno tells why).
std::FILE* create_new_file(std::string_view path);
// Removes `path` only when it is a plain file: a regular file, not a link,
// with no other name (one hard link). 0 when removed; ENOENT when nothing is
// there; EEXIST when something else stands there (it is left as it is);
// otherwise the errno value of the failure.
int remove_plain_file(std::string_view path);

// The system's own text for the failure `status` of one of the calls above
// (on Windows the system's message for the error behind it; elsewhere the
// C library's text for the errno value).
std::string system_reason(int status);

}  // namespace tarvel
