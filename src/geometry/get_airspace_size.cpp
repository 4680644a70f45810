#include "geometry/get_airspace_size.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/files.h"
#include "ui/to_gui.h"
#include "util/app_state.h"
#include "util/fixed_text.h"
#include "util/messages.h"

namespace tarvel {

namespace {

// Number of positions p < n - 2 where buf[p] is a line feed followed by "AC".
// Line feeds are found eight bytes at a time: airspace files are mostly
// short lines, where a call per line would cost more than the scan.
int count_ac_after_lf(const char* buf, std::size_t n) {
  constexpr std::uint64_t kLf = 0x0A0A0A0A0A0A0A0AULL;
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  int count = 0;
  std::size_t p = 0;
  for (; p + 2 + 8 <= n; p += 8) {
    std::uint64_t word;
    std::memcpy(&word, buf + p, 8);
    const std::uint64_t x = word ^ kLf;  // a zero byte where buf holds a line feed
    std::uint64_t lf = ~(((x & kLow7) + kLow7) | x | kLow7);  // bit 7 of each such byte
    while (lf != 0) {
      const std::size_t at = p + static_cast<std::size_t>(std::countr_zero(lf)) / 8;
      if (buf[at + 1] == 'A' && buf[at + 2] == 'C') ++count;
      lf &= lf - 1;
    }
  }
  for (; p + 2 < n; ++p) {
    if (buf[p] == '\n' && buf[p + 1] == 'A' && buf[p + 2] == 'C') ++count;
  }
  return count;
}

}  // namespace

int get_airspace_size(std::string_view aspfile) {
  const std::string_view path = trim_right(aspfile);
  // A folder opens on some systems and not on others; it is never a file to read.
  std::FILE* f = folder_exists(path) ? nullptr : open_file(path, "rb");
  if (f == nullptr) {
    FixedText<256> msg(message(Msg::airspace_cannot_be_opened, {path}));
    int kind = s_error;
    error_message(kind, msg, app_state().qline);
    return 0;
  }

  // A line counts when it begins with "AC": that is every "AC" right after a
  // line feed, and one at the very start of the file. The file is read in
  // blocks; the last two bytes of a block are carried to the front of the
  // next, so a line feed at the end of one block still sees the two bytes
  // that follow it, and the file is taken to begin after a line feed.
  int count = 0;
  static constexpr std::size_t kBlock = 65536;
  char buf[2 + kBlock];
  buf[0] = '\n';
  buf[1] = '\n';
  for (;;) {
    const std::size_t got = std::fread(buf + 2, 1, kBlock, f);
    count += count_ac_after_lf(buf, 2 + got);
    if (got < kBlock) break;  // end of file, or a read error that ends the count
    buf[0] = buf[kBlock];
    buf[1] = buf[kBlock + 1];
  }
  std::fclose(f);
  return count;
}

}  // namespace tarvel
