// The header of a landscape terrain file (".trn").
#pragma once

#include <string_view>

namespace tarvel {

// Reads the first 36 bytes of the terrain file `fich` (full path; trailing
// blanks are not part of it). The header is little-endian:
//   0 int32 long (cells along X)     4 int32 larg (cells along Y)
//   8 float orien                    12 float rew (cell size along X, m)
//  16 float rns (cell size along Y, m)
//  20 float orig_e (UTM easting of the origin, m)
//  24 float orig_n (UTM northing of the origin, m, false northing included)
//  28 int8 UTM zone, 3 bytes ignored  32 char hemisphere, 3 bytes ignored
// Status 0: every output is set; xmax = |long * rew| and ymax = |larg * rns|
// (metres), nlon the zone byte as a signed number, zlat the hemisphere
// letter ('S' for southern). Non-zero: the file could not be opened or is
// shorter than 36 bytes; xmax, ymax and nlon are then not written (orien,
// orig_e, orig_n and zlat may be, when their part of the header was read).
int read_trn_hdr(std::string_view fich, float& xmax, float& ymax, float& orig_e, float& orig_n,
                 float& orien, int& nlon, char& zlat);

}  // namespace tarvel
