// Legs and task distance of a plan, and the escaping of turnpoint names.
#pragma once

#include <string>
#include <string_view>

#include "flightplan/flight_plan.h"
#include "util/fixed_text.h"

namespace tarvel {

// Fills tpdist(1 .. nb_wp-1) and dist_tot from tpx, tpy (grid metres), in
// single precision. tpdist(n) is the leg that ends at turnpoint n; the last
// leg ends at the edge of a full circle (tpang 360, radius tprad). The first
// leg, from the takeoff, is measured but not counted in dist_tot. Prints one
// trace line per leg and the total.
void compute_dist(FlightPlan& fp);

// `name` with every "<" written "&lt;" and every ">" written "&gt;".
std::string escape_name(std::string_view name);

// Escapes "<" and ">" in place; the text keeps its width, so what the
// replacements push past the end is lost.
template <std::size_t N>
void cleanup_name(FixedText<N>& str) {
  if (str.find("<") == std::string_view::npos && str.find(">") == std::string_view::npos) return;
  str = escape_name(str.view());
}

}  // namespace tarvel
