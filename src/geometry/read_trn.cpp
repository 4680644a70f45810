#include "geometry/read_trn.h"

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "platform/files.h"
#include "util/fixed_text.h"

namespace tarvel {

namespace {

// Status of a read that met the end of the file before its last byte.
constexpr int kEndOfFile = -1;

std::uint32_t le_u32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::int32_t le_i32(const unsigned char* p) { return static_cast<std::int32_t>(le_u32(p)); }
float le_f32(const unsigned char* p) { return std::bit_cast<float>(le_u32(p)); }

// Reads exactly n bytes: 0, kEndOfFile, or the error number of a failed read.
int read_bytes(std::FILE* f, unsigned char* buf, std::size_t n) {
  errno = 0;
  if (std::fread(buf, 1, n, f) == n) return 0;
  if (std::ferror(f)) return errno != 0 ? errno : 1;
  return kEndOfFile;
}

}  // namespace

int read_trn_hdr(std::string_view fich, float& xmax, float& ymax, float& orig_e, float& orig_n,
                 float& orien, int& nlon, char& zlat) {
  errno = 0;
  std::FILE* f = open_file(trim_right(fich), "rb");
  if (f == nullptr) return errno != 0 ? errno : 1;

  unsigned char grid[28];
  unsigned char zone[4];
  unsigned char hemi[4];
  const int st_grid = read_bytes(f, grid, sizeof grid);
  if (st_grid == 0) {
    orien = le_f32(grid + 8);
    orig_e = le_f32(grid + 20);
    orig_n = le_f32(grid + 24);
  }
  const int st_zone = read_bytes(f, zone, sizeof zone);
  const int st_hemi = read_bytes(f, hemi, sizeof hemi);
  if (st_hemi == 0) zlat = static_cast<char>(hemi[0]);
  std::fclose(f);

  // On a file the end comes once and stays, so a short header always fails at
  // the last read; an earlier read error must not pass for a whole header.
  if (st_hemi != 0) return st_hemi;
  if (st_grid != 0) return st_grid;
  if (st_zone != 0) return st_zone;

  const std::int32_t cells_x = le_i32(grid + 0);
  const std::int32_t cells_y = le_i32(grid + 4);
  const float rew = le_f32(grid + 12);
  const float rns = le_f32(grid + 16);
  xmax = std::fabs(static_cast<float>(cells_x) * rew);
  ymax = std::fabs(static_cast<float>(cells_y) * rns);
  nlon = static_cast<std::int8_t>(zone[0]);
  return 0;
}

}  // namespace tarvel
