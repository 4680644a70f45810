// The warning for a plan whose positions fall outside a landscape: the
// wrong landscape chosen, or a plan made on another grid than its own
// landscape's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "driver/run_settings.h"
#include "flightplan/flight_plan.h"
#include "geometry/landscape_extent.h"

namespace tarvel {

// The positions of a plan that must lie on its landscape, in grid metres:
// turnpoints 0..nb_wp-1 (the takeoff is turnpoint 0, as the plan numbers
// them), then the corners of penalty zones 0..nb_pz-1, four per zone.
struct PlanPositions {
  std::vector<GridPoint> turnpoints;
  std::vector<GridPoint> corners;
};
PlanPositions plan_positions(const FlightPlan& fp);

// The warning's text without its tag, in French (Windows-1252) or English:
//   <plan>: 4 of 6 turnpoints lie outside <landscape>, up to 212.4 km
//   (turnpoint 3 "Col du Lac")
// counting turnpoints and penalty-zone corners off the rectangle 0..rxm ×
// 0..rym (metres) and naming the farthest of them. Empty when every
// position lies on the landscape (the border counts as on it).
std::string outside_landscape_text(std::string_view plan, std::string_view landscape,
                                   const PlanPositions& pos, const FlightPlan& fp, float rxm,
                                   float rym, bool french);

// Logs that text as a "{W}" warning (also echoed on the console) when it is
// not empty; with `box` it is shown as a warning box as well. The run goes on.
void warn_outside_landscape(const RunSettings& rs, std::string_view plan,
                            std::string_view landscape, const PlanPositions& pos,
                            const FlightPlan& fp, float rxm, float rym, bool box);

}  // namespace tarvel
