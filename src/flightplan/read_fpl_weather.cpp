// The weather (zone by zone), glider, timing and option keys of a plan.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "flightplan/dates.h"
#include "flightplan/is_true.h"
#include "flightplan/read_fpl_rules.h"
#include "util/console.h"
#include "util/read_value.h"

namespace tarvel {

namespace {

template <class T>
struct KeyField {
  std::string_view key;
  T FlightPlan::*field;
};

template <class T>
struct ZoneField {
  std::string_view key;
  PerWz<T> FlightPlan::*field;
};

constexpr ZoneField<float> zone_reals[] = {
    {"MoveDir", &FlightPlan::movedir},
    {"MoveSpeed", &FlightPlan::movespeed},
    {"BorderWidth", &FlightPlan::borderwidth},
    {"WindDir", &FlightPlan::winddir},
    {"WindSpeed", &FlightPlan::windspeed},
    {"WindUpperSpeed", &FlightPlan::windupperspeed},
    {"ThermalsDew", &FlightPlan::thermalsdew},
    {"ThermalsOverdevelopment", &FlightPlan::thermalsoverdevelopment},
};

constexpr ZoneField<int> zone_ints[] = {
    {"PointCount", &FlightPlan::pointcount},
    {"WindDirVariation", &FlightPlan::winddirvariation},
    {"WindSpeedVariation", &FlightPlan::windspeedvariation},
    {"WindTurbulence", &FlightPlan::windturbulence},
    {"ThermalsTempVariation", &FlightPlan::thermalstempvariation},
    {"ThermalsStrength", &FlightPlan::thermalsstrength},
    {"ThermalsStrengthVariation", &FlightPlan::thermalsstrengthvariation},
    {"ThermalsWidth", &FlightPlan::thermalswidth},
    {"ThermalsWidthVariation", &FlightPlan::thermalswidthvariation},
    {"ThermalsActivity", &FlightPlan::thermalsactivity},
    {"ThermalsActivityVariation", &FlightPlan::thermalsactivityvariation},
    {"ThermalsTurbulence", &FlightPlan::thermalsturbulence},
    {"ThermalsFlatsActivity", &FlightPlan::thermalsflatsactivity},
    {"ThermalsStreeting", &FlightPlan::thermalsstreeting},
    {"ThermalsBugs", &FlightPlan::thermalsbugs},
    {"WavesStability", &FlightPlan::wavesstability},
    {"WavesMoisture", &FlightPlan::wavesmoisture},
    {"HighCloudsCoverage", &FlightPlan::highcloudscoverage},
};

constexpr KeyField<FixedText<32>> glider_texts[] = {
    {"Class", &FlightPlan::glclass},
    {"Name", &FlightPlan::glider},
    {"Skin", &FlightPlan::glskin},
};
constexpr KeyField<float> glider_reals[] = {
    {"Water", &FlightPlan::wmass},
    {"FixedMass", &FlightPlan::fmass},
    {"CGBias", &FlightPlan::cgbias},
};

constexpr KeyField<float> option_reals[] = {
    {"StartTime", &FlightPlan::starttime},
    {"StartTimeWindow", &FlightPlan::starttimewindow},
    {"RaceStartDelay", &FlightPlan::racestartdelay},
    {"AATTime", &FlightPlan::aattime},
    {"RopeLength", &FlightPlan::ropelength},
};
constexpr KeyField<int> option_ints[] = {
    {"IconsVisibleRange", &FlightPlan::iconsvisiblerange},
    {"ThermalHelpersRange", &FlightPlan::thermalhelpersrange},
    {"TurnpointHelpersRange", &FlightPlan::turnpointhelpersrange},
    {"PenaltyCloudFlying", &FlightPlan::penaltycloudflying},
    {"PenaltyPlaneRecovery", &FlightPlan::penaltyplanerecovery},
    {"PenaltyHeightRecovery", &FlightPlan::penaltyheightrecovery},
    {"PenaltyWrongWindowEnterance", &FlightPlan::penaltywrongwindowenterance},
    {"PenaltyWindowCollision", &FlightPlan::penaltywindowcollision},
    {"PenaltyAirspaceEnterance", &FlightPlan::penaltyairspaceenterance},
    {"PenaltyPenaltyZoneEnterance", &FlightPlan::penaltypenaltyzoneenterance},
    {"PenaltyThermalHelpers", &FlightPlan::penaltythermalhelpers},
    {"MaxStartGroundSpeed", &FlightPlan::maxstartgroundspeed},
    {"PenaltyStartSpeed", &FlightPlan::penaltystartspeed},
    {"PenaltyHighStart", &FlightPlan::penaltyhighstart},
    {"PenaltyLowFinish", &FlightPlan::penaltylowfinish},
    {"RandSeed", &FlightPlan::randseed},
    {"StartType", &FlightPlan::starttype},
    {"StartHeight", &FlightPlan::startheight},
    {"BreakProb", &FlightPlan::breakprob},
    {"MaxWingLoading", &FlightPlan::maxwingloading},
    {"MaxTeams", &FlightPlan::maxteams},
    {"AcroFlight", &FlightPlan::acroflight},
};
constexpr KeyField<bool> option_flags[] = {
    {"AAT", &FlightPlan::qaat},
    {"AllowBugwipers", &FlightPlan::allowbugwipers},
    {"AllowPDA", &FlightPlan::allowpda},
    {"AllowRealtimeScoring", &FlightPlan::allowrealtimescoring},
    {"AllowExternalView", &FlightPlan::allowexternalview},
    {"AllowPadlockView", &FlightPlan::allowpadlockview},
    {"AllowSmoke", &FlightPlan::allowsmoke},
    {"AllowPlaneRecovery", &FlightPlan::allowplanerecovery},
    {"AllowHeightRecovery", &FlightPlan::allowheightrecovery},
    {"AllowMidairCollisionRecovery", &FlightPlan::allowmidaircollisionrecovery},
};

template <class Table>
auto find_key(const Table& table, std::string_view key) -> decltype(&table[0]) {
  for (const auto& entry : table) {
    if (key == entry.key) return &entry;
  }
  return nullptr;
}

bool zone_ok(const FplReadState& st) { return PerWz<int>::in_range(st.nwz); }

// "Polygon" p A z: point p, axis letter X or Y, zone z (which becomes the
// current zone).
void read_polygon(FplReadState& st) {
  const AxisKey key = split_axis_key(st, "Polygon", st.nwzpt, st.nwz);
  if (key.axis == 0) return;
  if (!PerWz<int>::in_range(key.zone)) {
    // The keys of a zone the record cannot hold are dropped, not written
    // into the zone before it.
    st.nwz = key.zone;
    return;
  }
  if (key.index < 0 || key.index > maxwzpt) return;
  st.nwzpt = key.index;
  st.nwz = key.zone;
  read_value(key.value, st.fp.wzp(key.axis, key.index, key.zone));
}

}  // namespace

bool read_weather_key(FplReadState& st) {
  if (st.section != FplSection::weather) return false;
  FlightPlan& fp = st.fp;
  const std::string_view key = st.key_name;
  const std::string_view val = st.val.view();
  float real = 0;
  if (key == "RandomizeWeatherOnEachFlight") {
    fp.randomizeweatheroneachflight = is_true(val);
  } else if (key == "WZCount") {
    read_value(val, fp.wzcount);
  } else if (key == "Name") {
    FreeLine() << st.nwz << st.val.trimmed();
    if (zone_ok(st)) fp.wznam(st.nwz) = val;
  } else if (key.starts_with("Polygon")) {
    read_polygon(st);
  } else if (key == "ThermalsTemp") {
    // Degrees Celsius in the file, kelvin in the record.
    if (zone_ok(st) && read_value(val, real) == read_ok) {
      fp.thermalstemp(st.nwz) = real + 273.15f;
      FreeLine() << "ThermalsTemp" << st.nwz << fp.thermalstemp(st.nwz);
    }
  } else if (key == "ThermalsInversionheight") {
    if (zone_ok(st) && read_value(val, real) == read_ok) {
      fp.thermalsinversionheight(st.nwz) = std::round(real);
    }
  } else if (key == "Pressure") {
    // hPa in the file, Pa in the record.
    if (read_value(val, real) == read_ok) fp.pressure = real * 100.0f;
  } else if (const auto* r = find_key(zone_reals, key)) {
    if (zone_ok(st)) read_value(val, (fp.*(r->field))(st.nwz));
  } else if (const auto* i = find_key(zone_ints, key)) {
    if (zone_ok(st)) read_value(val, (fp.*(i->field))(st.nwz));
  } else {
    return false;
  }
  return true;
}

bool read_glider_key(FplReadState& st) {
  if (st.section != FplSection::plane) return false;
  FlightPlan& fp = st.fp;
  const std::string_view key = st.key_name;
  const std::string_view val = st.val.view();
  if (const auto* t = find_key(glider_texts, key)) {
    fp.*(t->field) = val;
  } else if (const auto* r = find_key(glider_reals, key)) {
    read_value(val, fp.*(r->field));
  } else if (key == "Seat") {
    read_value(val, fp.glseat);
  } else if (key == "Bugwipers") {
    fp.qbugwipers = is_true(val);
  } else {
    return false;
  }
  return true;
}

bool read_option_key(FplReadState& st) {
  FlightPlan& fp = st.fp;
  const std::string_view key = st.key_name;
  const std::string_view val = st.val.view();
  if (key == "TaskDate") {
    read_value(val, fp.taskdate);
    // Task dates count days from 30 December 1899 (day 0); the sum is taken
    // in 64 bits so that no date text can overflow it.
    fp.jdate = static_cast<int>(static_cast<std::int64_t>(fp.taskdate) + jd(1900, 1, 1) - 2);
    FreeLine() << "DATE" << fp.taskdate << fp.jdate;
  } else if (const auto* r = find_key(option_reals, key)) {
    read_value(val, fp.*(r->field));
  } else if (const auto* i = find_key(option_ints, key)) {
    read_value(val, fp.*(i->field));
  } else if (const auto* f = find_key(option_flags, key)) {
    fp.*(f->field) = is_true(val);
  } else {
    return false;
  }
  return true;
}

}  // namespace tarvel
