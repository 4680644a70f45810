#include "geometry/get_airspace_size.h"

#include <cstdio>
#include <string>

#include "platform/files.h"
#include "ui/to_gui.h"
#include "util/app_state.h"
#include "util/fixed_text.h"

namespace tarvel {

int get_airspace_size(std::string_view aspfile) {
  const std::string_view path = trim_right(aspfile);
  // A folder opens on some systems and not on others; it is never a file to read.
  std::FILE* f = folder_exists(path) ? nullptr : open_file(path, "rb");
  if (f == nullptr) {
    FixedText<256> msg(std::string(path) +
                       (app_state().qfr ? "/Fichier d'espace a\xe9rien : ouverture impossible"
                                        : "/Airspace file : error opening"));
    int kind = s_error;
    error_message(kind, msg, app_state().qline);
    return 0;
  }

  // Only the first two bytes of each line matter, so the file is scanned once,
  // byte by byte, whatever the length of its lines.
  int count = 0;
  int col = 0;  // 0 at a line start, 1 after its first byte, 2 beyond
  char first = 0;
  char buf[65536];
  for (;;) {
    const std::size_t got = std::fread(buf, 1, sizeof buf, f);
    for (std::size_t i = 0; i < got; ++i) {
      const char c = buf[i];
      if (c == '\n') {
        col = 0;
      } else if (col == 0) {
        first = c;
        col = 1;
      } else if (col == 1) {
        if (first == 'A' && c == 'C') ++count;
        col = 2;
      }
    }
    if (got < sizeof buf) break;  // end of file, or a read error that ends the count
  }
  std::fclose(f);
  return count;
}

}  // namespace tarvel
