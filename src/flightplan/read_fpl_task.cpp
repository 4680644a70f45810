// The task keys of a plan: turnpoint count and attributes, penalty zones and
// disabled airspaces. Indices from the file are checked against the record:
// a line whose index has no place in it is ignored.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "flightplan/compute_dist.h"
#include "flightplan/extract_key_val.h"
#include "flightplan/read_fpl_rules.h"
#include "util/console.h"
#include "util/read_value.h"

namespace tarvel {

namespace {

// The widest line buffer ever needed: a disabled-airspace list of every
// airspace the record can flag, each number with up to four digits and a comma.
constexpr std::size_t max_line_width = 5 * (cmaxdisabledairspaceblockscount + 1) + 17;

void read_count(FplReadState& st) {
  FlightPlan& fp = st.fp;
  read_value(st.val.view(), fp.nb_wp);
  if (st.qverb) {
    const std::int64_t legs = static_cast<std::int64_t>(fp.nb_wp) - 2;
    std::string text = legs >= -9 && legs <= 99 ? std::to_string(legs) : "**";
    if (text.size() < 2) text.insert(0, 1, ' ');
    console_line(" Number of legs=" + text);
  }
  if (fp.nb_wp > maxtp + 1) st.outcome = fpl_too_many_turnpoints;
}

enum class TpKind {
  name,
  posx,
  posy,
  posz,
  airport,
  sectype,
  secdir,
  radius,
  angle,
  altitude,
  width,
  height,
  azimuth
};

struct TpPrefix {
  std::string_view prefix;
  TpKind kind;
};

// In the order tried: the first prefix that the key begins with decides.
constexpr TpPrefix tp_prefixes[] = {
    {"TPName", TpKind::name},
    {"TPPosX", TpKind::posx},
    {"TPPosY", TpKind::posy},
    {"TPPosZ", TpKind::posz},
    {"TPAirport", TpKind::airport},
    {"TPSectorType", TpKind::sectype},
    {"TPSectorDirection", TpKind::secdir},
    {"TPRadius", TpKind::radius},
    {"TPAngle", TpKind::angle},
    {"TPAltitude", TpKind::altitude},
    {"TPWidth", TpKind::width},
    {"TPHeight", TpKind::height},
    {"TPAzimuth", TpKind::azimuth},
};

// Reads `text` as a real and rounds it; false (nothing to store) when it
// does not read or does not fit an int.
bool read_rounded(std::string_view text, int& out) {
  float v = 0;
  return read_value(text, v) == read_ok && round_to_int(v, out);
}

void read_turnpoint(FplReadState& st, const TpPrefix& tp) {
  FlightPlan& fp = st.fp;
  FixedText<80> index_text;
  FixedText<80> value;
  extract_key_val(text_after_prefix(st, tp.prefix), index_text, value);
  int n = st.nwp;
  read_value(index_text.view(), n);
  if (!PerTp<int>::in_range(n)) return;
  st.nwp = n;

  const std::string_view v = value.view();
  int rounded = 0;
  float real = 0;
  switch (tp.kind) {
    case TpKind::name: {
      FixedText<80> name(v);
      cleanup_name(name);
      fp.tpnam(n) = name;
      break;
    }
    case TpKind::posx: read_value(v, fp.tpx(n)); break;
    case TpKind::posy: read_value(v, fp.tpy(n)); break;
    case TpKind::posz: read_value(v, fp.tpz(n)); break;
    case TpKind::height: read_value(v, fp.tphei(n)); break;
    case TpKind::airport: read_value(v, fp.tpair(n)); break;
    case TpKind::sectype: read_value(v, fp.tpsec(n)); break;
    case TpKind::secdir: read_value(v, fp.tpsecdir(n)); break;
    case TpKind::radius:
      if (read_rounded(v, rounded)) fp.tprad(n) = rounded;
      break;
    case TpKind::angle:
      if (read_rounded(v, rounded)) fp.tpang(n) = rounded;
      break;
    case TpKind::altitude:
      if (read_value(v, real) == read_ok) fp.tpalt(n) = std::round(real);
      break;
    case TpKind::width:
      if (read_value(v, real) == read_ok) fp.tpwid(n) = std::round(real);
      break;
    case TpKind::azimuth:
      // Radians in the file, whole degrees in the record (single precision).
      if (read_value(v, real) == read_ok) fp.tpazi(n) = std::round(real * 180.0f / 3.1415927f);
      break;
  }
}

void read_pz_count(FplReadState& st) {
  FlightPlan& fp = st.fp;
  read_value(st.val.view(), fp.nb_pz);
  if (fp.nb_pz > maxpz + 1) {
    st.outcome = fpl_too_many_penalty_zones;
    return;
  }
  if (fp.fpl_vers != 3) return;
  // The disabled-airspace line of a Condor 3 plan holds up to five bytes per
  // airspace of its landscape; it comes after this line.
  const std::int64_t wanted = 5 * static_cast<std::int64_t>(fp.nb_as_zones) + 17;
  st.width =
      static_cast<std::size_t>(std::clamp<std::int64_t>(wanted, fpl_line_width, max_line_width));
  FreeLine() << "allocate" << st.width << st.width;
}

// "PZPos" c A z: corner c, axis letter X or Y, zone z.
void read_pz_pos(FplReadState& st) {
  const AxisKey key = split_axis_key(st, "PZPos", st.npc, st.npz);
  if (key.axis == 0) return;
  if (key.index < 0 || key.index > maxpzcorner || key.zone < 0 || key.zone > maxpz) return;
  st.npc = key.index;
  st.npz = key.zone;
  read_value(key.value, st.fp.pzp(key.axis, key.index, key.zone));
}

// "PZBase" z, "PZTop" z, "PZPenaltyTimeFactor" z: item 1, 2 or 3 of zone z.
void read_pz_item(FplReadState& st, std::string_view prefix, int item) {
  FixedText<80> index_text;
  FixedText<80> value;
  extract_key_val(text_after_prefix(st, prefix), index_text, value);
  int zone = st.npz;
  read_value(index_text.view(), zone);
  if (zone < 0 || zone > maxpz) return;
  st.npz = zone;
  read_value(value.view(), st.fp.pza(item, zone));
}

void read_disabled_airspaces(FplReadState& st) {
  FlightPlan& fp = st.fp;
  // The list is taken from the raw line, which may be wider than a value.
  std::string_view list = st.raw;
  if (const std::size_t eq = list.find('='); eq != std::string_view::npos) {
    list = list.substr(eq + 1);
  }
  fp.last_dis_as = 0;
  for (;;) {
    const FixedText<8> item(extract_list_next(list, ','));
    if (item.is_blank()) break;
    FreeLine() << item.trimmed();
    int i = 0;
    if (read_value(item.view(), i) != read_ok) continue;
    if (i < 0 || i > cmaxdisabledairspaceblockscount) continue;
    fp.qas_disa(i) = true;
    fp.last_dis_as = std::max(fp.last_dis_as, i);
  }
  st.width = fpl_line_width;
}

}  // namespace

bool read_task_key(FplReadState& st) {
  const std::string_view key = st.key_name;
  if (st.section == FplSection::task && key == "Count") {
    read_count(st);
    return true;
  }
  for (const TpPrefix& tp : tp_prefixes) {
    if (key.starts_with(tp.prefix)) {
      read_turnpoint(st, tp);
      return true;
    }
  }
  if (key == "PZCount") {
    read_pz_count(st);
  } else if (key.starts_with("PZPos")) {
    read_pz_pos(st);
  } else if (key.starts_with("PZBase")) {
    read_pz_item(st, "PZBase", 1);
  } else if (key.starts_with("PZTop")) {
    read_pz_item(st, "PZTop", 2);
  } else if (key.starts_with("PZPenaltyTimeFactor")) {
    read_pz_item(st, "PZPenaltyTimeFactor", 3);
  } else if (key == "DisabledAirspaces") {
    read_disabled_airspaces(st);
  } else {
    return false;
  }
  return true;
}

}  // namespace tarvel
