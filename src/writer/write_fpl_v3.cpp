#include "writer/write_fpl_v3.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "flightplan/is_true.h"
#include "util/console.h"
#include "util/fixed_text.h"
#include "writer/to_char.h"

namespace tarvel {

namespace {

enum class Check { checked, unchecked };

// Value texts of the output.
std::string int_text(int v) {
  FixedText<16> buff;
  int lb = 0;
  i2b(v, buff, lb);
  return std::string(buff.trimmed());
}

std::string real_text(float v, std::string_view fstr = "(F16.6)") {
  FixedText<20> buff;
  int lb = 0;
  f2b(v, buff, fstr, lb);
  return std::string(buff.trimmed());
}

std::string flag_text(bool q) { return log2int(q) == 1 ? "1" : "0"; }

// Rounded half away from zero; a value beyond the int range takes the
// nearest end of it.
std::string round_text(float v) {
  const float r = std::round(v);
  int i = 0;
  if (r >= 2147483648.0f) {
    i = 2147483647;
  } else if (r < -2147483648.0f || std::isnan(r)) {
    i = r < 0 ? -2147483647 - 1 : 0;
  } else {
    i = static_cast<int>(r);
  }
  return int_text(i);
}

// A count as far as the record holds it: the writer never reads past the
// end of an array, whatever a count says.
int held(int count, int capacity) { return std::min(count, capacity); }

void append_int(std::string& s, long long v) {
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  s.append(buf, r.ptr);
}

// Thrown inside this file only, from the first failed unchecked line to
// write_fpl_v3, which reports it: nothing after that line is written.
struct UncheckedLineFailed {
  WriteFailure failure;
};

// Writes the lines of one plan, keeps the status of the checked ones and
// stops at the first failed unchecked one.
class PlanWriter {
 public:
  explicit PlanWriter(PlanOutput& out) : out_(out) { kinds_.reserve(1024); }

  void line(Check check, std::string_view text) {
    const int status = out_.write_line(text);
    kinds_.push_back(check);
    if (check == Check::checked) {
      last_checked_ = status;
    } else if (status != 0) {
      io_failure(kinds_.size() - 1, status);
    }
  }
  void separator() { line(Check::unchecked, " "); }
  void key(Check check, std::string_view key, std::string_view value) {
    buf_.assign(key);
    buf_.push_back('=');
    buf_.append(value);
    line(check, buf_);
  }
  // key word, index, "=", value: "TPPosX3=..."
  void key(Check check, std::string_view word, int index, std::string_view value) {
    buf_.assign(word);
    append_int(buf_, index);
    buf_.push_back('=');
    buf_.append(value);
    line(check, buf_);
  }
  // "PZPos" c A z: the corner before the axis letter, the zone after it.
  void pz_pos(char axis, int corner, int zone, std::string_view value) {
    buf_.assign("PZPos");
    append_int(buf_, corner);
    buf_.push_back(axis);
    append_int(buf_, zone);
    buf_.push_back('=');
    buf_.append(value);
    line(Check::unchecked, buf_);
  }
  // "[WeatherZone" n "]"
  void zone_section(int n) {
    buf_.assign("[WeatherZone");
    append_int(buf_, n);
    buf_.push_back(']');
    line(Check::unchecked, buf_);
  }
  // "Polygon" p A: the point before the axis letter.
  void polygon(char axis, int point, std::string_view value) {
    buf_.assign("Polygon");
    append_int(buf_, point);
    buf_.push_back(axis);
    buf_.push_back('=');
    buf_.append(value);
    line(Check::unchecked, buf_);
  }

  // Pushes the plan out and applies the line rules to what failed there, in
  // the order of the lines, as if each had failed when it was handed over.
  int finish(int iost) {
    const FlushResult r = out_.flush();
    if (r.status != 0) {
      for (std::size_t i = r.first_failed_line; i < kinds_.size(); ++i) {
        if (kinds_[i] == Check::checked) {
          last_checked_ = r.status;
        } else {
          io_failure(i, r.status);
        }
      }
    }
    return std::max(iost, last_checked_);
  }

 private:
  [[noreturn]] void io_failure(std::size_t line_index, int status) {
    throw UncheckedLineFailed{{line_index + 1, status}};
  }

  PlanOutput& out_;
  std::vector<Check> kinds_;  // kind of every line handed over
  std::string buf_;
  int last_checked_ = 0;
};

void write_task(PlanWriter& w, const FlightPlan& fp, std::string_view new_landscape) {
  constexpr Check c = Check::checked;
  w.line(c, "[Task]");
  w.key(c, "Landscape", trim_right(new_landscape));
  const int nb_wp = held(fp.nb_wp, maxtp + 1);
  w.key(c, "Count", int_text(nb_wp));
  for (int i = 0; i < nb_wp; ++i) {
    w.key(c, "TPName", i, fp.tpnam(i).trimmed());
    w.key(c, "TPPosX", i, real_text(fp.tpx(i)));
    w.key(c, "TPPosY", i, real_text(fp.tpy(i)));
    w.key(c, "TPPosZ", i, real_text(fp.tpz(i)));
    w.key(c, "TPAirport", i, int_text(fp.tpair(i)));
    w.key(c, "TPSectorType", i, int_text(fp.tpsec(i)));
    w.key(c, "TPSectorDirection", i, int_text(fp.tpsecdir(i)));
    w.key(c, "TPRadius", i, int_text(fp.tprad(i)));
    w.key(c, "TPAngle", i, int_text(fp.tpang(i)));
    w.key(c, "TPAltitude", i, real_text(fp.tpalt(i)));
    FreeLine() << i << fp.tpwid(i);
    w.key(c, "TPWidth", i, real_text(fp.tpwid(i)));
    w.key(c, "TPHeight", i, real_text(fp.tphei(i)));
    w.key(c, "TPAzimuth", i, real_text(fp.tpazi(i)));
  }

  constexpr Check u = Check::unchecked;
  const int nb_pz = held(fp.nb_pz, maxpz + 1);
  w.key(u, "PZCount", int_text(nb_pz));
  for (int z = 0; z < nb_pz; ++z) {
    for (int corner = 0; corner <= maxpzcorner; ++corner) {
      w.pz_pos('X', corner, z, real_text(fp.pzp(1, corner, z)));
      w.pz_pos('Y', corner, z, real_text(fp.pzp(2, corner, z)));
    }
    w.key(u, "PZBase", z, round_text(fp.pza(1, z)));
    w.key(u, "PZTop", z, round_text(fp.pza(2, z)));
    w.key(u, "PZPenaltyTimeFactor", z, round_text(fp.pza(3, z)));
  }
  FreeLine() << "Airspace zones : " << fp.nb_as_zones << fp.last_dis_as;

  // One line however long: the number of every disabled airspace up to
  // last_dis_as, each followed by a comma unless it is last_dis_as itself.
  const int last = held(fp.last_dis_as, cmaxdisabledairspaceblockscount);
  std::string list = "DisabledAirspaces=";
  list.reserve(list.size() + 5 * static_cast<std::size_t>(std::max(last + 1, 0)));
  for (int i = 0; i <= last; ++i) {
    if (!fp.qas_disa(i)) continue;
    append_int(list, i);
    if (i < last) list.push_back(',');
  }
  w.line(c, list);
}

void write_weather(PlanWriter& w, const FlightPlan& fp) {
  constexpr Check u = Check::unchecked;
  w.line(Check::checked, "[Weather]");
  w.key(u, "RandomizeWeatherOnEachFlight", flag_text(fp.randomizeweatheroneachflight));
  const int wzcount = held(fp.wzcount, maxwz + 1);
  w.key(u, "WZCount", int_text(wzcount));
  FreeLine() << "WZCount" << fp.wzcount;
  for (int n = 0; n < wzcount; ++n) {
    w.separator();
    w.zone_section(n);
    w.key(u, "Name", fp.wznam(n).trimmed());
    const int points = held(fp.pointcount(n), maxwzpt + 1);
    w.key(u, "PointCount", int_text(points));
    for (int p = 0; p < points; ++p) {
      w.polygon('X', p, real_text(fp.wzp(1, p, n)));
      w.polygon('Y', p, real_text(fp.wzp(2, p, n)));
    }
    w.key(u, "MoveDir", real_text(fp.movedir(n)));
    w.key(u, "MoveSpeed", real_text(fp.movespeed(n)));
    w.key(u, "BorderWidth", real_text(fp.borderwidth(n)));
    w.key(u, "WindDir", real_text(fp.winddir(n)));
    w.key(u, "WindSpeed", real_text(fp.windspeed(n)));
    w.key(u, "WindUpperSpeed", real_text(fp.windupperspeed(n)));
    w.key(u, "WindDirVariation", int_text(fp.winddirvariation(n)));
    w.key(u, "WindSpeedVariation", int_text(fp.windspeedvariation(n)));
    w.key(u, "WindTurbulence", int_text(fp.windturbulence(n)));
    // Kelvin in the record, degrees Celsius in the file (single precision).
    w.key(u, "ThermalsTemp", real_text(fp.thermalstemp(n) - 273.15f));
    w.key(u, "ThermalsTempVariation", int_text(fp.thermalstempvariation(n)));
    w.key(u, "ThermalsDew", real_text(fp.thermalsdew(n)));
    w.key(u, "ThermalsStrength", int_text(fp.thermalsstrength(n)));
    w.key(u, "ThermalsStrengthVariation", int_text(fp.thermalsstrengthvariation(n)));
    w.key(u, "ThermalsInversionheight", real_text(fp.thermalsinversionheight(n)));
    w.key(u, "ThermalsOverdevelopment", real_text(fp.thermalsoverdevelopment(n)));
    w.key(u, "ThermalsWidth", int_text(fp.thermalswidth(n)));
    w.key(u, "ThermalsWidthVariation", int_text(fp.thermalswidthvariation(n)));
    w.key(u, "ThermalsActivity", int_text(fp.thermalsactivity(n)));
    w.key(u, "ThermalsActivityVariation", int_text(fp.thermalsactivityvariation(n)));
    w.key(u, "ThermalsTurbulence", int_text(fp.thermalsturbulence(n)));
    w.key(u, "ThermalsFlatsActivity", int_text(fp.thermalsflatsactivity(n)));
    w.key(u, "ThermalsStreeting", int_text(fp.thermalsstreeting(n)));
    w.key(u, "ThermalsBugs", int_text(fp.thermalsbugs(n)));
    w.key(u, "WavesStability", int_text(fp.wavesstability(n)));
    w.key(u, "WavesMoisture", int_text(fp.wavesmoisture(n)));
    w.key(u, "HighCloudsCoverage", int_text(fp.highcloudscoverage(n)));
  }
}

void write_plane(PlanWriter& w, const FlightPlan& fp) {
  constexpr Check u = Check::unchecked;
  w.line(Check::checked, "[Plane]");
  w.key(u, "Class", fp.glclass.trimmed());
  w.key(u, "Name", fp.glider.trimmed());
  w.key(u, "Skin", fp.glskin.trimmed());
  w.key(u, "Water", real_text(fp.wmass));
  w.key(u, "FixedMass", real_text(fp.fmass));
  w.key(u, "CGBias", real_text(fp.cgbias));
  w.key(u, "Seat", int_text(fp.glseat));
  w.key(u, "Bugwipers", flag_text(fp.qbugwipers));
}

void write_game_options(PlanWriter& w, const FlightPlan& fp) {
  constexpr Check u = Check::unchecked;
  w.line(Check::checked, "[GameOptions]");
  w.key(u, "TaskDate", int_text(fp.taskdate));
  w.key(u, "StartTime", real_text(fp.starttime));
  w.key(u, "StartTimeWindow", real_text(fp.starttimewindow));
  w.key(u, "RaceStartDelay", real_text(fp.racestartdelay));
  w.key(u, "AATTime", real_text(fp.aattime));
  w.key(u, "IconsVisibleRange", int_text(fp.iconsvisiblerange));
  w.key(u, "ThermalHelpersRange", int_text(fp.thermalhelpersrange));
  w.key(u, "TurnpointHelpersRange", int_text(fp.turnpointhelpersrange));
  w.key(u, "AAT", flag_text(fp.qaat));
  w.key(u, "AllowBugwipers", flag_text(fp.allowbugwipers));
  w.key(u, "AllowPDA", flag_text(fp.allowpda));
  w.key(u, "AllowRealtimeScoring", flag_text(fp.allowrealtimescoring));
  w.key(u, "AllowExternalView", flag_text(fp.allowexternalview));
  w.key(u, "AllowPadlockView", flag_text(fp.allowpadlockview));
  w.key(u, "AllowSmoke", flag_text(fp.allowsmoke));
  w.key(u, "AllowPlaneRecovery", flag_text(fp.allowplanerecovery));
  w.key(u, "AllowHeightRecovery", flag_text(fp.allowheightrecovery));
  w.key(u, "AllowMidairCollisionRecovery", flag_text(fp.allowmidaircollisionrecovery));
  w.key(u, "PenaltyCloudFlying", int_text(fp.penaltycloudflying));
  w.key(u, "PenaltyPlaneRecovery", int_text(fp.penaltyplanerecovery));
  w.key(u, "PenaltyHeightRecovery", int_text(fp.penaltyheightrecovery));
  w.key(u, "PenaltyWrongWindowEnterance", int_text(fp.penaltywrongwindowenterance));
  w.key(u, "PenaltyWindowCollision", int_text(fp.penaltywindowcollision));
  w.key(u, "PenaltyAirspaceEnterance", int_text(fp.penaltyairspaceenterance));
  w.key(u, "PenaltyPenaltyZoneEnterance", int_text(fp.penaltypenaltyzoneenterance));
  w.key(u, "PenaltyThermalHelpers", int_text(fp.penaltythermalhelpers));
  w.key(u, "MaxStartGroundSpeed", int_text(fp.maxstartgroundspeed));
  w.key(u, "PenaltyStartSpeed", int_text(fp.penaltystartspeed));
  w.key(u, "PenaltyHighStart", int_text(fp.penaltyhighstart));
  w.key(u, "PenaltyLowFinish", int_text(fp.penaltylowfinish));
  w.key(u, "RandSeed", int_text(fp.randseed));
  w.key(u, "StartType", int_text(fp.starttype));
  w.key(u, "StartHeight", int_text(fp.startheight));
  w.key(u, "BreakProb", int_text(fp.breakprob));
  w.key(u, "RopeLength", real_text(fp.ropelength, "(F12.2)"));
  w.key(u, "MaxWingLoading", int_text(fp.maxwingloading));
  w.key(u, "MaxTeams", int_text(fp.maxteams));
  w.key(u, "AcroFlight", int_text(fp.acroflight));
}

void write_description(PlanWriter& w, const FlightPlan& fp) {
  w.line(Check::checked, "[Description]");
  w.key(Check::unchecked, "Text", fp.fpldesc(1).trimmed());
  const int lines = held(fp.nb_fpldesc, maxfpldesc);
  for (int k = 2; k <= lines; ++k) w.line(Check::unchecked, fp.fpldesc(k).trimmed());
}

}  // namespace

WriteFailure write_fpl_v3(const FlightPlan& fp, PlanOutput& out, int& iost, bool qigc,
                          std::string_view new_landscape) {
  FreeLine() << "write_fpl_v3 : " << out.name() << qigc;
  FreeLine() << trim_right(new_landscape);
  FreeLine() << "Line layouts : [section], key=value";

  PlanWriter w(out);
  try {
    w.line(Check::checked, "[Version]");
    w.line(Check::checked, "Condor version=3000");
    w.separator();
    write_task(w, fp, new_landscape);
    w.separator();
    write_weather(w, fp);
    w.separator();
    write_plane(w, fp);
    w.separator();
    write_game_options(w, fp);
    w.separator();
    write_description(w, fp);
    iost = w.finish(iost);
  } catch (const UncheckedLineFailed& failed) {
    return failed.failure;
  }
  return {};
}

}  // namespace tarvel
