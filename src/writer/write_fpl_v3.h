// The Condor 3 flight-plan writer.
#pragma once

#include <string_view>

#include "flightplan/flight_plan.h"
#include "writer/plan_output.h"

namespace tarvel {

// Writes `fp` to `out` as a Condor 3 plan: every section and key in a fixed
// order, "Landscape=" from `new_landscape` (trailing blanks dropped), lines
// ended by CR LF (added by the output). `fp` is not changed; `out` stays open.
// iost (in/out): on return the larger of its entry value and the status of
// the last checked line (the "[Description]" line); 0 = success. A failed
// unchecked line (separators, penalty zones, weather, plane, options,
// description text) ends the run with status 2 after an I/O error report on
// the error output. qigc selects an embedded layout that this program never
// uses; the plan layout is written either way.
void write_fpl_v3(const FlightPlan& fp, PlanOutput& out, int& iost, bool qigc,
                  std::string_view new_landscape);

}  // namespace tarvel
