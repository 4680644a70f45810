#include "driver/read_ini.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "driver/stop_run.h"
#include "flightplan/extract_key_val.h"
#include "flightplan/is_true.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "util/line_reader.h"
#include "util/log_message.h"
#include "util/messages.h"

namespace tarvel {

namespace {

// Bytes of a line kept: more than any field holds, so that a value too long
// for its field is seen whole and refused, never cut.
constexpr std::size_t kLineWidth = 4096;
// Bytes of an unknown key shown in its warning.
constexpr std::size_t kShownKey = 64;

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A value without its surrounding blanks and tabs and one pair of
// surrounding double quotes ("C:\My plans\d.fpl").
std::string_view clean_value(std::string_view v) {
  v = trim_blanks(v);
  if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
  return v;
}

std::string_view encoding_name(TextFileEncoding e) {
  switch (e) {
    case TextFileEncoding::utf8_with_mark: return "UTF-8 BOM";
    case TextFileEncoding::utf16le: return "UTF-16 LE";
    case TextFileEncoding::utf16be: return "UTF-16 BE";
    case TextFileEncoding::cp1252: return "Windows-1252";
    case TextFileEncoding::utf8: break;
  }
  return "UTF-8";
}

// The file's text in UTF-8, whatever its editor saved it in.
std::string read_settings_text(std::string_view inifile, TextFileEncoding& found) {
  std::ifstream in;
  // A folder opens on some systems and not on others; it is never a file to read.
  if (!open_input_stream(in, inifile) || folder_exists(inifile)) {
    log_message_f(message(Msg::settings_cannot_be_opened, {trim_right(inifile)}));
    stop_run(0);
  }
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return decode_text_file(bytes, &found);
}

void warn_unknown_line(std::string_view inifile, int number, std::string_view key) {
  const std::string file(trim_right(inifile));
  const std::string n = std::to_string(number);
  const std::string shown(utf8_prefix(key, kShownKey));
  log_message_f(message(Msg::unknown_setting, {file, n, shown}));
}

struct Taken {
  std::string_view key;
  std::string value;
  int line = 0;  // 0: not in the file
};

// One log line: where the settings came from and the ones that took effect.
void log_settings(std::string_view inifile, TextFileEncoding enc, const Taken (&taken)[4]) {
  std::string list;
  for (const Taken& t : taken) {
    if (t.line == 0) continue;
    if (!list.empty()) list += ", ";
    list += message(Msg::setting_line, {t.key, t.value, std::to_string(t.line)});
  }
  if (list.empty()) list = message(Msg::no_setting);
  // Between double quotes the log keeps the text on one line (a "/" in a
  // value would start another).
  const std::string file(trim_right(inifile));
  const std::string how(encoding_name(enc));
  log_message_f(message(Msg::settings_taken, {file, how, list}));
}

}  // namespace

std::string read_ini(std::string_view inifile, FixedText<256>& deffile, FixedText<64>& landname,
                     bool& qauto_out_names, FixedText<256>& c2lndpath) {
  TextFileEncoding enc = TextFileEncoding::utf8;
  std::istringstream text(read_settings_text(inifile, enc));
  LineReader lines(text);
  std::string raw;
  FixedText<256> key_field;
  FixedText<kLineWidth> val_field;
  Taken taken[4] = {{"Landscape", {}, 0},
                    {"Defaults", {}, 0},
                    {"Condor2_Landscapes_Path", {}, 0},
                    {"Default_output_files", {}, 0}};
  std::string too_long;
  for (int number = 1; lines.next(raw, kLineWidth) == line_ok; ++number) {
    if (trim_blanks(raw).empty() || raw.front() == '#') continue;
    extract_key_val(raw, key_field, val_field);
    const std::string_view key = trim_blanks(key_field.view());
    const std::string_view val = clean_value(val_field.view());
    Taken* t = nullptr;
    for (Taken& k : taken) {
      if (k.key == key) t = &k;
    }
    if (t == nullptr) {
      warn_unknown_line(inifile, number, key);
      continue;
    }
    if (val.empty()) continue;
    t->value = std::string(val);
    t->line = number;
  }

  // A value longer than its field is refused whole: a cut name would name
  // another file or landscape.
  const auto fits = [&too_long](const Taken& t, std::size_t width) {
    if (t.value.size() <= width) return true;
    if (too_long.empty()) too_long = t.value;
    return false;
  };
  if (taken[0].line != 0 && fits(taken[0], landname.width)) landname = taken[0].value;
  if (taken[1].line != 0 && fits(taken[1], deffile.width)) deffile = taken[1].value;
  if (taken[2].line != 0 && fits(taken[2], c2lndpath.width)) {
    c2lndpath = taken[2].value;
    const std::size_t n = c2lndpath.len_trim();
    if (n > 0 && c2lndpath[n - 1] == '\\') c2lndpath[n - 1] = ' ';
  }
  if (taken[3].line != 0) qauto_out_names = is_true(taken[3].value);
  log_settings(inifile, enc, taken);
  return too_long;
}

}  // namespace tarvel
