// The log file of a run, echoed on the console.
#pragma once

#include <cstddef>
#include <string_view>

#include "util/fixed_text.h"

namespace tarvel {

// One call per message: an optional level tag "{I}", "{W}" or "{E}" framed by
// banner lines, then text whose "/" and line feeds separate lines (a text in
// double quotes is one line). Every call echoes on the console. A message is
// always logged as the text it is, whatever it begins with.
void log_message_f(std::string_view msg);
void log_message_f_buf(char* msg, std::size_t len);

template <std::size_t N>
void log_message_f(FixedText<N>& msg) {
  log_message_f_buf(msg.data(), N);
}

// One message of one line taken as it stands: its "/" are part of the text
// (a POSIX path), not line breaks. Echoed on the console like any message.
void log_message_line(std::string_view line);
// The program's own call that starts this run's log file, echoed on the
// console like a message. Commands:
//   "CREATE"            start the log file, named after the program
//                       (argument 0) and the local time
//   "CREATE" + name     start the log file under that name
//   "CREATE-SEND-NAME"  like "CREATE"; the chosen name is written back into cmd
// Returns the status of creating the file: 0, or the errno value of the
// failure. Any other text is logged as a message (status 0).
int log_command_f(std::string_view cmd);
int log_command_f_buf(char* cmd, std::size_t len);

template <std::size_t N>
int log_command_f(FixedText<N>& cmd) {
  return log_command_f_buf(cmd.data(), N);
}

// Appends one bare line (no tag, no frame, no echo) to the log file.
void log_bare_line(std::string_view line);

// Every line feed of `str` becomes "/".
template <std::size_t N>
void make_printable(FixedText<N>& str) {
  for (std::size_t i = 0; i < N; ++i) {
    if (str[i] == '\n') str[i] = '/';
  }
}

// `name` = the part of `path` after its last backslash (all of `path` when it
// has none), blank-padded.
std::string_view extract_name(std::string_view path);
template <std::size_t N, std::size_t M>
void extract_name(const FixedText<N>& path, FixedText<M>& name) {
  name = extract_name(path.view());
}

// Local date and time as the log uses them; tests inject a fixed clock.
struct LogTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
using LogClock = LogTime (*)();
void set_log_clock(LogClock clock);  // nullptr: the system clock

// The current log file name (initially "Logfile.txt"); at most 256 characters.
// Blank after a "CREATE" whose name did not fit: no log file is then written.
std::string_view log_file_name();
// The whole name that the last "CREATE" could not use because it is longer
// than 256 characters; empty when it fitted.
std::string_view log_name_too_long();
// Back to the state at program start: "Logfile.txt" and the system clock
// (tests only).
void reset_log_state();

}  // namespace tarvel
