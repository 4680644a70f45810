// The current user's registry hive of a Wine prefix, read from its user.reg.
//
// The file is Wine's text form of the hive:
//
//   WINE REGISTRY Version 2
//   ;; All keys relative to \\User\\S-1-5-21-...
//   #arch=win64
//
//   [Software\\Condor3] 1796985983
//   #time=1dc6b5e4b1a2c3d
//   "InstallDir"="C:\\Condor3"
//   "Personal"=str(2):"%USERPROFILE%\\Documents"
//   "Flags"=dword:00000001
//
// Keys are relative to HKEY_CURRENT_USER and written with their own case;
// keys and value names match without regard to case, as on Windows. Only
// string values ("text", str:"text", str(2):"text") are kept; every other
// type is skipped. Texts are stored in UTF-8, as the program holds names:
// Wine's escapes (\\, \", \n, \t and the other C escapes, octal \ooo, and \x
// with up to four hex digits of a UTF-16 unit, as in "Caf\xe9" or the pair
// "\xd83d\xde00") are decoded, raw UTF-8 is kept, and so every name reads as
// the wide registry functions give it on Windows.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace tarvel {

class UserReg {
 public:
  // True when `key` was written, or is the parent of a written key (Wine
  // writes no line for a key that holds only subkeys). A trailing backslash
  // of `key` is ignored.
  bool has_key(std::string_view key) const;
  // The string value `name` of `key`, or nullptr.
  const std::string* find(std::string_view key, std::string_view name) const;

  // Adds or replaces one value (the parser's entry; keys are folded here).
  void set(std::string_view key, std::string_view name, std::string value);
  void add_key(std::string_view key);
  bool empty() const { return keys_.empty(); }

 private:
  // Folded key -> folded value name -> text.
  std::map<std::string, std::map<std::string, std::string>> keys_;
};

// Parses the text of a user.reg file. Pure: no file or environment access, so
// any bytes can be fed to it. A text that does not begin with Wine's header
// line gives an empty hive (Wine refuses such a file too); malformed lines are
// skipped.
UserReg parse_user_reg(std::string_view text);

// POSIX only: $WINEPREFIX/user.reg (WINEPREFIX defaulting to $HOME/.wine),
// read and parsed at the first call and kept for the run; a missing or
// unreadable file gives an empty hive. A change of the prefix reloads it.
const UserReg& user_reg();
// Forgets the kept hive, so that the next call reads the file again (tests).
void reset_user_reg_cache();

}  // namespace tarvel
