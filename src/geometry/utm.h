// A landscape grid in the UTM projection: grid metres to latitude/longitude
// and back, for one landscape at a time.
//
// Grid X/Y are metres on the landscape: UTM easting = orig_e - X (X grows
// towards the west) and UTM northing = orig_n + Y, where orig_e/orig_n come
// from the landscape's terrain header and the northing includes the false
// northing of the southern hemisphere. Latitude and longitude are degrees,
// north and east positive.
#pragma once

#include <string_view>

namespace tarvel {

// Makes the landscape whose terrain file is `fich` (full path; trailing
// blanks do not count) the active one and gives its extent along X and Y in
// metres. Result 1: active. 0: the name is not a terrain file (it must
// contain ".trn" or ".TRN") or its header cannot be read; no landscape is then
// active and rxm/rym are not written. Calling it again with the name of the
// active landscape reads nothing and returns the stored extent.
int utm_init(std::string_view fich, float& rxm, float& rym);

// Grid metres to degrees. Result 1, or 0 (outputs untouched) when no landscape
// is active.
int xytolatlon(float rx, float ry, float& rlat, float& rlon);

// Degrees to grid metres. Result 1, or 0 (outputs untouched) when no
// landscape is active.
int latlontoxy(float rlat, float rlon, float& rx, float& ry);

// Back to the state at program start: no landscape active (tests only).
void utm_reset_state();

}  // namespace tarvel
