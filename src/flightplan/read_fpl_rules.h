// Shared state and key rules of the plan reader (read_fpl.cpp holds the line
// loop; read_fpl_task.cpp and read_fpl_weather.cpp the task, weather, glider
// and option keys).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "flightplan/flight_plan.h"
#include "flightplan/read_fpl.h"
#include "util/fixed_text.h"

namespace tarvel {

// Width of the raw and working line buffers outside the disabled-airspace
// stretch of a Condor 3 plan.
inline constexpr std::size_t fpl_line_width = 132;

enum class FplSection { none, version, task, weather, plane };

// What one call of the reader keeps between lines.
struct FplReadState {
  explicit FplReadState(FlightPlan& plan) : fp(plan) {}

  FlightPlan& fp;
  const FplLookups* lookups = nullptr;
  bool qverb = false;
  int outcome = fpl_read_done;  // set by a count the record cannot hold
  FplSection section = FplSection::none;
  int nwp = 0;     // current turnpoint
  int npz = 0;     // current penalty zone
  int nwz = 0;     // current weather zone; outside 0..maxwz its keys are dropped
  int npc = -1;    // last penalty-zone corner read; -1 before the first
  int nwzpt = -1;  // last polygon point read; -1 before the first
  std::size_t width = fpl_line_width;  // raw and working line buffers
  std::string raw;                     // the line as read, at most `width` bytes
  std::string_view work;               // the line without its "LCONFPL" prefix
  FixedText<80> key;
  FixedText<80> val;
  std::string_view key_name;  // key without its trailing blanks
};

// Rules 8 to 11 (turnpoint count and keys, penalty zones, disabled
// airspaces); true when one of them took the line.
bool read_task_key(FplReadState& st);
// Rules 12 to 14 (weather, glider, timing and options); true when one of
// them took the line.
bool read_weather_key(FplReadState& st);
bool read_glider_key(FplReadState& st);
bool read_option_key(FplReadState& st);

// Rounds half away from zero; false when the result does not fit an int.
bool round_to_int(float v, int& out);

// The working line after the key prefix `prefix` (leading blanks of the line
// skipped).
std::string_view text_after_prefix(const FplReadState& st, std::string_view prefix);

// A key "<index><X or Y><zone>=value" after its prefix (penalty-zone corners,
// weather-zone polygon points), taken on its first 80 characters: split at the
// first "X" (else the first "Y") and the first "=". An index or zone that does
// not read keeps the value passed in.
struct AxisKey {
  int axis = 0;  // 1 for X, 2 for Y; 0 when the key has neither letter
  int index = 0;
  int zone = 0;
  std::string_view value;  // the text after "="
};
AxisKey split_axis_key(const FplReadState& st, std::string_view prefix, int index, int zone);

}  // namespace tarvel
