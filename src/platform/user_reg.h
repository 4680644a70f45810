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

// Looks for one string value while the lines of a user.reg go by, so that a
// reader can stop as soon as the answer is known: at the value, or where the
// key's section ends (a later section of the same key is not looked at).
// Lines are read as parse_user_reg reads them. Pure, like the parser.
class UserRegValueScan {
 public:
  UserRegValueScan(std::string_view key, std::string_view name);
  // Takes the next line, without its "\n". False once the answer is known,
  // so that no later line can change it.
  bool feed(std::string_view line);
  // The text of the value, or nullptr when it was not found (yet).
  const std::string* value() const { return found_ ? &value_ : nullptr; }

 private:
  std::string key_;   // folded
  std::string name_;  // folded
  bool first_ = true;
  bool in_key_ = false;
  bool done_ = false;
  bool found_ = false;
  std::string value_;
};

// POSIX only: user.reg of the run's prefix (wine_prefix(): the one chosen,
// else $WINEPREFIX, else $HOME/.wine), read and parsed at the first call and
// kept for the run; a missing or unreadable file gives an empty hive. A
// change of the prefix reloads it.
const UserReg& user_reg();
// Forgets the kept hive, so that the next call reads the file again (tests).
void reset_user_reg_cache();

}  // namespace tarvel
