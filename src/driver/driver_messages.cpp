#include "driver/driver_messages.h"

#include <string>

#include "ui/fatal_message.h"
#include "ui/to_gui.h"
#include "util/app_state.h"

namespace tarvel {

void driver_fatal(const RunSettings& rs, int kind, std::string_view french,
                  std::string_view english) {
  const FixedText<256> msg(app_state().qfr ? french : english);
  fatal_message(kind, rs.msg_tit.trimmed(), msg.trimmed());
}

void fatal_file_not_found(const RunSettings& rs, std::string_view file) {
  const std::string name(trim_right(file));
  driver_fatal(rs, s_error, name + "/Fichier introuvable", name + "/File not found");
}

void fatal_path_too_long(const RunSettings& rs, std::string_view path) {
  // The path is cut by the 256-character message; its start tells which one.
  // The cut never falls inside a character of UTF-8.
  std::size_t n = path.size() < 200 ? path.size() : 200;
  while (n > 0 && n < path.size() && (static_cast<unsigned char>(path[n]) & 0xC0) == 0x80) --n;
  const std::string start(path.substr(0, n));
  driver_fatal(rs, s_error, start + "/*** Chemin de plus de 256 caract\xe8res ***",
               start + "/*** Path longer than 256 characters ***");
}

}  // namespace tarvel
