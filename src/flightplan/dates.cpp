#include "flightplan/dates.h"

namespace tarvel {

// Every division truncates toward zero, as the formula requires.
int jd(int year, int month, int day) {
  const int k = (month - 14) / 12;
  return day - 32075 + 1461 * (year + 4800 + k) / 4 + 367 * (month - 2 - 12 * k) / 12 -
         3 * ((year + 4900 + k) / 100) / 4;
}

}  // namespace tarvel
