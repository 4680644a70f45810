// Calendar dates as Julian day numbers.
#pragma once

namespace tarvel {

// Julian day number of a Gregorian date (Fliegel and Van Flandern's integer
// formula): 2415021 for 1 January 1900, 2451545 for 1 January 2000.
int jd(int year, int month, int day);

}  // namespace tarvel
