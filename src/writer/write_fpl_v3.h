// The Condor 3 flight-plan writer.
#pragma once

#include <cstddef>
#include <string_view>

#include "flightplan/flight_plan.h"
#include "writer/plan_output.h"

namespace tarvel {

// The first unchecked line that could not be written (numbered from 1) and
// its status; status 0 when every one was written.
struct WriteFailure {
  std::size_t line = 0;
  int status = 0;
};

// Writes `fp` to `out` as a Condor 3 plan: every section and key in a fixed
// order, "Landscape=" from `new_landscape` (trailing blanks dropped), lines
// ended by CR LF (added by the output). `fp` is not changed; `out` stays open.
// iost (in/out): on return the larger of its entry value and the status of
// the last checked line (the "[Description]" line); 0 = success. The first
// failed unchecked line (separators, penalty zones, weather, plane, options,
// description text) stops the writing and is returned: the caller ends the
// run (status 2). qigc selects an embedded layout that this program never
// uses; the plan layout is written either way.
WriteFailure write_fpl_v3(const FlightPlan& fp, PlanOutput& out, int& iost, bool qigc,
                          std::string_view new_landscape);

}  // namespace tarvel
