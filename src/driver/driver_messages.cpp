#include "driver/driver_messages.h"

#include <string>

#include "driver/fatal_message.h"
#include "driver/stop_run.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "ui/to_gui.h"
#include "util/app_state.h"
#include "util/console.h"
#include "util/log_message.h"

namespace tarvel {

void driver_fatal(const RunSettings& rs, int kind, Msg id,
                  std::initializer_list<std::string_view> values) {
  const FixedText<256> msg(message(id, values));
  fatal_message(kind, rs.msg_tit.trimmed(), msg.trimmed());
}

void fatal_file_not_found(const RunSettings& rs, std::string_view file) {
  const std::string name(trim_right(file));
  driver_fatal(rs, s_error, Msg::file_not_found, {name});
}

void fatal_path_too_long(const RunSettings& rs, std::string_view path) {
  // The path is cut by the 256-character message; its start tells which one.
  const std::string start(utf8_prefix(path, 200));
  driver_fatal(rs, s_error, Msg::path_too_long, {start});
}

void fatal_program_folder_too_long(const RunSettings& rs, std::string_view folder,
                                   std::size_t limit) {
  // A box holds 511 characters: a very long folder is shown by its two ends.
  constexpr std::size_t kShown = 140;
  std::string name(trim_right(folder));
  if (name.size() > 2 * kShown + 20) {
    name = name.substr(0, kShown) + " ... " + name.substr(name.size() - kShown);
  }
  const std::string n = std::to_string(limit);
  // The folder ends with a backslash: a "/" right after it would not break
  // the line, so a blank follows it.
  const std::string text = message(Msg::program_folder_too_long, {name, n});
  fatal_message(s_error, rs.msg_tit.trimmed(), text);
}

void fatal_write_failure(const RunSettings& rs, std::string_view output, std::size_t line,
                         int status) {
  const std::string msg = message(
      Msg::write_failure,
      {trim_right(output), std::to_string(line), system_reason(status), std::to_string(status)});
  error_output_line(msg);
  int kind = s_error;
  error_message_tit(kind, rs.msg_tit.trimmed(), msg, app_state().qline);
  log_message_f(msg);
  stop_run(2);
}

}  // namespace tarvel
