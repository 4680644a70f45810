#include "flightplan/compute_dist.h"

#include <algorithm>
#include <cmath>

#include "util/console.h"

namespace tarvel {

void compute_dist(FlightPlan& fp) {
  fp.dist_tot = 0.0f;
  const int last = std::min(fp.nb_wp - 1, maxtp);
  for (int n = 1; n <= last; ++n) {
    const float dx = fp.tpx(n) - fp.tpx(n - 1);
    const float dy = fp.tpy(n) - fp.tpy(n - 1);
    float d = std::sqrt(dx * dx + dy * dy);
    if (n == last && fp.tpang(n) == 360) d -= static_cast<float>(fp.tprad(n));
    fp.tpdist(n) = d;
    if (n > 1) fp.dist_tot += d;
  }
  for (int n = 1; n <= last; ++n) FreeLine() << n << fp.tpdist(n);
  FreeLine() << "Tot dist" << fp.dist_tot;
}

std::string escape_name(std::string_view name) {
  std::string out;
  out.reserve(name.size() + 8);
  for (const char c : name) {
    if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace tarvel
