#include "driver/read_ini.h"

#include <fstream>
#include <string>

#include "flightplan/extract_key_val.h"
#include "flightplan/is_true.h"
#include "platform/files.h"
#include "util/line_reader.h"
#include "util/log_message.h"
#include "util/stop_run.h"

namespace tarvel {

void read_ini(std::string_view inifile, FixedText<256>& deffile, FixedText<64>& landname,
              bool& qauto_out_names, FixedText<256>& c2lndpath) {
  std::ifstream in(native_path(inifile), std::ios::binary);
  // A folder opens on some systems and not on others; it is never a file to read.
  if (!in || folder_exists(inifile)) {
    log_message_f("*** File " + std::string(trim_right(inifile)) + " : cannot be opened ***");
    stop_run(0);
  }
  LineReader lines(in);
  std::string raw;
  FixedText<256> key;
  FixedText<256> val;
  while (lines.next(raw, 256) == line_ok) {
    const FixedText<256> line(raw);
    if (line.is_blank() || line[0] == '#') continue;
    extract_key_val(line.view(), key, val);
    if (val.is_blank()) continue;
    if (key == "Landscape") {
      landname = val;
    } else if (key == "Defaults") {
      deffile = val;
    } else if (key == "Condor2_Landscapes_Path") {
      c2lndpath = val;
      const std::size_t n = c2lndpath.len_trim();
      if (n > 0 && c2lndpath[n - 1] == '\\') c2lndpath[n - 1] = ' ';
    } else if (key == "Default_output_files") {
      qauto_out_names = is_true(val.view());
    }
  }
}

}  // namespace tarvel
