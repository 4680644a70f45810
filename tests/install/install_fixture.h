// Condor installations inside a test prefix (POSIX only): the registry keys
// Wine would hold for them, their folders under drive_c and the user's
// Documents folder given as %USERPROFILE%\Documents.
#pragma once

#include <optional>
#include <string>

#include "install/test_prefix.h"

namespace tarvel::test {

// One Condor version as the tests set it up.
struct CondorSetup {
  bool registered = true;                  // the InstallDir value exists
  bool exe = true;                         // Condor.exe in the folder
  std::optional<std::string> log;          // Logs\Logfile.txt, when present
  std::optional<std::string> last_player;  // the LastPlayer value
};

inline std::string reg_text(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
  return out;
}

// A key section of user.reg with string values (name, text).
inline std::string reg_key(std::string_view key,
                           std::initializer_list<std::pair<std::string_view, std::string_view>> v) {
  std::string out = "\n[";
  out.append(reg_text(key)).append("] 1796985983\n#time=1dc6b5e4b1a2c3d\n");
  for (const auto& [name, text] : v) {
    out.append("\"").append(reg_text(name)).append("\"=\"").append(reg_text(text)).append("\"\n");
  }
  return out;
}

inline constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// The user's part: Documents as Windows sets it up and the profile folder in
// [Volatile Environment], where Wine keeps it.
inline std::string user_folders(std::string_view personal = "%USERPROFILE%\\Documents",
                                std::string_view profile = "C:\\users\\ann") {
  return "\n[" + reg_text(kShellFoldersKey) +
         "] 1796985983\n#time=1dc6b5e4a9d3c10\n\"Personal\"=str(2):\"" + reg_text(personal) +
         "\"\n" + reg_key("Volatile Environment", {{"USERPROFILE", profile}});
}

// Registry value, folder C:\Condor<v>, Condor.exe and log file of version v.
inline std::string condor(const TestPrefix& prefix, int v, const CondorSetup& s) {
  const std::string folder = "Condor" + std::to_string(v);
  if (s.exe) prefix.drive_c(folder + "/Condor.exe", "MZ");
  if (s.log) prefix.drive_c(folder + "/Logs/Logfile.txt", *s.log);
  std::string key =
      "\n[Software\\\\Condor" + std::to_string(v) + "] 1796985983\n#time=1dc6b5e4b1a2c3d\n";
  if (s.registered) key += "\"InstallDir\"=\"C:\\\\" + folder + "\"\n";
  if (s.last_player) key += "\"LastPlayer\"=\"" + reg_text(*s.last_player) + "\"\n";
  return key;
}

}  // namespace tarvel::test
