// The conversion of one Condor 2 flight plan into a Condor 3 flight plan.
#pragma once

#include "driver/run_settings.h"
#include "util/fixed_text.h"

namespace tarvel {

// Reads the plan `infile` into the run's flight plan, lays the defaults file
// over it, re-projects its turnpoints and penalty zones from its Condor 2
// landscape to the destination Condor 3 landscape, disables every airspace of
// the destination and writes the Condor 3 plan. Returns when the plan was
// converted or skipped (the plan or the defaults file failed part way
// through its read, or the output could not be opened or written: a warning
// in the log); every other problem ends the run with a message. May change
// rs.landname (a landscape named by the defaults file) and rs.deffile (the
// file chosen when asking for defaults) for the following plans.
void convert_plan(const FixedText<256>& infile, RunSettings& rs);

}  // namespace tarvel
