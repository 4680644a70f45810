#include "flightplan/read_fpl.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "flightplan/compute_dist.h"
#include "flightplan/extract_key_val.h"
#include "flightplan/read_fpl_rules.h"
#include "util/console.h"
#include "util/line_reader.h"
#include "util/read_value.h"

namespace tarvel {

namespace {

// Trace lines of the reader, kept apart from its logic.
void trace_raw(int nl, std::string_view raw, std::size_t width) {
  FreeLine() << nl << trim_right(raw) << width;
}
void trace_work(int nl, std::string_view work) {
  FreeLine() << nl << trim_right(work) << len_trim(work);
}
void trace_key_val(int nl, const FplReadState& st) {
  FreeLine() << nl << st.key.trimmed() << " " << st.val.trimmed();
}
void trace_weather(int nwz) { FreeLine() << "qweather" << true << nwz; }

// A "[WeatherZone" n "]" line: the number from column 13 up to the first "]"
// becomes the current zone; one that does not read leaves it as it was.
void read_weather_zone_line(FplReadState& st) {
  const std::string_view line = st.work;
  const std::size_t close = line.find(']');
  std::string_view zone_text;
  if (close != std::string_view::npos && close > 12) zone_text = line.substr(12, close - 12);
  int zone = st.nwz;
  const int status = read_value(zone_text, zone);
  FreeLine() << trim_right(line) << (close == std::string_view::npos ? 0 : close + 1) << zone_text
             << zone << status;
  st.section = FplSection::weather;
  st.nwz = zone;
  trace_weather(st.nwz);
}

void read_version(FplReadState& st, int maxstart_0, float aattime_0, bool qaat_0) {
  FlightPlan& fp = st.fp;
  read_value(st.val.view(), fp.fpl_vers);
  fp.fpl_vers /= 1000;
  if (st.qverb) {
    const bool fits = fp.fpl_vers >= 0 && fp.fpl_vers <= 9;
    console_line(std::string(" Condor_version=") + (fits ? std::to_string(fp.fpl_vers) : "*"));
  }
  if (fp.fpl_vers == 2) {
    // A Condor 2 plan takes these three from the run, not from its own
    // initialisation; keys later in the file still set them.
    fp.maxstartgroundspeed = maxstart_0;
    fp.aattime = aattime_0;
    fp.qaat = qaat_0;
    FreeLine() << "C2 FLIGHTPLAN - Reset AAT & MaxStartGroundSpeed";
  }
}

void read_landscape(FplReadState& st) {
  FlightPlan& fp = st.fp;
  fp.landscape = st.val.view();
  if (fp.fpl_vers != 3) return;
  const auto& count = st.lookups->condor3_airspace_count;
  fp.nb_as_zones = count ? count(st.val.trimmed()) : 0;
  FreeLine() << "Airspace zones : " << fp.nb_as_zones;
}

// The description: the value of "Text", then every following line up to a
// blank one or the end of the file, which ends the whole read. Only the
// first maxfpldesc lines are kept.
int read_description(FplReadState& st, LineReader& lines) {
  FlightPlan& fp = st.fp;
  fp.fpldesc(1) = st.val.view();
  fp.nb_fpldesc = 1;
  for (;;) {
    const int status = lines.next(st.raw, st.width);
    FreeLine() << "IOS=" << status;
    if (status != line_ok || len_trim(st.raw) == 0) return status;
    if (fp.nb_fpldesc < maxfpldesc) {
      ++fp.nb_fpldesc;
      fp.fpldesc(fp.nb_fpldesc) = trim_right(st.raw);
    }
  }
}

}  // namespace

bool round_to_int(float v, int& out) {
  const float r = std::round(v);
  if (!(r >= -2147483648.0f && r < 2147483648.0f)) return false;
  out = static_cast<int>(r);
  return true;
}

std::string_view text_after_prefix(const FplReadState& st, std::string_view prefix) {
  std::string_view rest = trim_left(st.work);
  return rest.size() > prefix.size() ? rest.substr(prefix.size()) : std::string_view();
}

AxisKey split_axis_key(const FplReadState& st, std::string_view prefix, int index, int zone) {
  const std::string_view rest = text_after_prefix(st, prefix).substr(0, 80);
  AxisKey key;
  key.index = index;
  key.zone = zone;
  std::size_t letter = rest.find('X');
  key.axis = 1;
  if (letter == std::string_view::npos) {
    letter = rest.find('Y');
    key.axis = 2;
  }
  if (letter == std::string_view::npos) {
    key.axis = 0;
    return key;
  }
  const std::size_t eq = rest.find('=');
  read_value(rest.substr(0, letter), key.index);
  if (eq != std::string_view::npos && eq > letter) {
    read_value(rest.substr(letter + 1, eq - letter - 1), key.zone);
  }
  if (eq != std::string_view::npos) key.value = rest.substr(eq + 1);
  return key;
}

int read_fpl(FlightPlan& fp, std::istream& in, std::string_view opened_name, int nunit_0,
             bool qverb, int& nl, int& ios, const FplLookups& lookups) {
  const bool fresh = nunit_0 > 0;
  FreeLine() << "fpl_vers" << fp.fpl_vers;

  fp.nb_as_zones = cmaxdisabledairspaceblockscount;
  const int maxstart_0 = fp.maxstartgroundspeed;
  const float aattime_0 = fp.aattime;
  const bool qaat_0 = fp.qaat;
  if (fresh) {
    init_read_fpl(fp);
    init_glider(fp);
    init_wp(fp);
  }
  fp.fpl_000 = opened_name;

  FplReadState st(fp);
  st.lookups = &lookups;
  st.qverb = qverb;
  st.raw.reserve(fpl_line_width);
  nl = 0;
  ios = 0;
  LineReader lines(in);

  for (;;) {
    ios = lines.next(st.raw, st.width);
    if (ios != line_ok) break;
    trace_raw(nl, st.raw, st.width);
    if (len_trim(st.raw) == 0) continue;
    const std::string_view raw = st.raw;
    if (raw.starts_with("LCONFPL")) {
      st.work = raw.substr(7);
    } else if (raw.starts_with("LCONFlightInfo")) {
      break;
    } else {
      st.work = trim_right(raw);
    }
    trace_work(nl, st.work);
    ++nl;
    extract_key_val(st.work, st.key, st.val);
    st.key_name = st.key.trimmed();
    trace_key_val(nl, st);

    const std::string_view line = st.work;
    if (text_equal(line, "[Plane]")) {
      st.section = FplSection::plane;
    } else if (text_equal(line, "[Version]")) {
      st.section = FplSection::version;
    } else if (text_equal(line, "[Task]")) {
      st.section = FplSection::task;
    } else if (text_equal(line, "[Weather]")) {
      st.section = FplSection::weather;
      if (fp.fpl_vers == 2) st.nwz = 0;
      trace_weather(st.nwz);
    } else if (st.key_name.starts_with("[WeatherZone")) {
      read_weather_zone_line(st);
    } else if (st.key_name == "Condor version") {
      read_version(st, maxstart_0, aattime_0, qaat_0);
    } else if (st.key_name == "Landscape") {
      read_landscape(st);
    } else if (read_task_key(st) || read_weather_key(st) || read_glider_key(st) ||
               read_option_key(st)) {
      // taken by a task, weather, glider or option rule
      if (st.outcome != fpl_read_done) return st.outcome;
    } else if (st.key_name == "Text") {
      ios = read_description(st, lines);
      break;
    }
    fp.nwpmax = std::max(fp.nwpmax, st.nwp);
    fp.npzmax = std::max(fp.npzmax, st.npz);
  }

  if (ios == line_error) ios = lines.error();

  if (fresh) {
    if (fp.fpl_vers == 2) {
      fp.wzcount = 1;
      fp.wznam(0) = "Base";
      fp.pointcount(0) = 0;
    }
    compute_dist(fp);
  }
  FreeLine() << "IOS=" << ios;
  return fpl_read_done;
}

}  // namespace tarvel
