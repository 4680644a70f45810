// The name of a converted plan.
#pragma once

#include <string_view>

#include "util/fixed_text.h"

namespace tarvel {

// The first ".fpl" of the plan file name and everything after it become
// "_V3.fpl": Task1.fpl gives Task1_V3.fpl, my.fpl.task.fpl gives my_V3.fpl.
// Without ".fpl", the first ".fpl" in any letter case decides (Task.FPL gives
// Task_V3.fpl); without either, "_V3.fpl" is appended.
FixedText<256> output_file_name(std::string_view fnam);

}  // namespace tarvel
