// The folder of the running program.
#pragma once

#include <string>
#include <string_view>

#include "util/fixed_text.h"

namespace tarvel {

// `instpath` receives the program's folder with its trailing backslash and
// the drive letter upper-cased (c:\tools\conv\X.exe gives C:\tools\conv\);
// blank when the system gives no program path. Returns the whole folder, which
// is longer than `instpath` when the field cut it.
std::string get_inst_path(FixedText<256>& instpath);

// The folder part of a program path, as get_inst_path takes it: up to and
// including the last backslash, ".\" without one, with an upper-cased drive
// letter.
std::string inst_folder_text(std::string_view exe_path);

}  // namespace tarvel
