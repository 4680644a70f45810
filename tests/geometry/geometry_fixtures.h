// Terrain-header fixtures and paths for the landscape-geometry tests.
#pragma once

#include <bit>
#include <cstdint>
#include <filesystem>
#include <string>

namespace tarvel::test {

// The fields of a terrain header as a test sets them.
struct TrnFields {
  std::int32_t cells_x = 1024;
  std::int32_t cells_y = 2048;
  float orien = 0.0f;
  float rew = 90.0f;
  float rns = 90.0f;
  float orig_e = 700000.0f;
  float orig_n = 5000000.0f;
  std::uint8_t zone = 32;
  char hemi = 'N';
  std::uint8_t filler = 0;  // the six ignored bytes after the zone and the hemisphere
};

inline void put_le32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// The 36 header bytes, little-endian, written one field at a time.
inline std::string trn_bytes(const TrnFields& f) {
  std::string out;
  put_le32(out, static_cast<std::uint32_t>(f.cells_x));
  put_le32(out, static_cast<std::uint32_t>(f.cells_y));
  put_le32(out, std::bit_cast<std::uint32_t>(f.orien));
  put_le32(out, std::bit_cast<std::uint32_t>(f.rew));
  put_le32(out, std::bit_cast<std::uint32_t>(f.rns));
  put_le32(out, std::bit_cast<std::uint32_t>(f.orig_e));
  put_le32(out, std::bit_cast<std::uint32_t>(f.orig_n));
  out.push_back(static_cast<char>(f.zone));
  out.append(3, static_cast<char>(f.filler));
  out.push_back(f.hemi);
  out.append(3, static_cast<char>(f.filler));
  return out;
}

// The program's Windows-form path of a file the test made: backslashes
// between folders, as the program passes them.
inline std::string win_path(const std::filesystem::path& p) {
  std::string s = p.string();
  for (char& c : s) {
    if (c == '/') c = '\\';
  }
  return s;
}

}  // namespace tarvel::test
