#include "driver/extent_warning.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "ui/to_gui.h"
#include "util/app_state.h"
#include "util/fixed_text.h"
#include "util/log_message.h"
#include "util/messages.h"

namespace tarvel {

namespace {

constexpr int kCornersPerZone = maxpzcorner + 1;

// The turnpoint's name as the plan file gives it: the reader stores "<" and
// ">" as "&lt;" and "&gt;" for the writer.
std::string plain_name(std::string_view stored) {
  std::string out;
  for (std::size_t i = 0; i < stored.size();) {
    if (stored.substr(i, 4) == "&lt;") {
      out += '<';
      i += 4;
    } else if (stored.substr(i, 4) == "&gt;") {
      out += '>';
      i += 4;
    } else {
      out += stored[i++];
    }
  }
  return out;
}

// Kilometres with one decimal; French takes a decimal comma. A finite double
// has at most 309 digits before the point.
std::string km_text(double metres, bool french) {
  char buf[320];
  const auto r = std::to_chars(buf, buf + sizeof buf, metres / 1000.0, std::chars_format::fixed, 1);
  if (r.ec != std::errc()) return "?";
  std::string s(buf, r.ptr);
  if (french) std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

// "4 of 6 turnpoints" / "4 points de virage sur 6": French agrees the noun
// with the positions outside, English with all of them.
std::string count_text(int outside, int total, bool french, Msg one, Msg many) {
  const bool plural = french ? outside > 1 : total > 1;
  return message(plural ? many : one, french, {std::to_string(outside), std::to_string(total)});
}

}  // namespace

PlanPositions plan_positions(const FlightPlan& fp) {
  PlanPositions pos;
  const int nb_wp = std::clamp(fp.nb_wp, 0, maxtp + 1);
  const int nb_pz = std::clamp(fp.nb_pz, 0, maxpz + 1);
  for (int k = 0; k < nb_wp; ++k) pos.turnpoints.push_back({fp.tpx(k), fp.tpy(k)});
  for (int z = 0; z < nb_pz; ++z) {
    for (int c = 0; c <= maxpzcorner; ++c)
      pos.corners.push_back({fp.pzp(1, c, z), fp.pzp(2, c, z)});
  }
  return pos;
}

std::string outside_landscape_text(std::string_view plan, std::string_view landscape,
                                   const PlanPositions& pos, const FlightPlan& fp, float rxm,
                                   float rym, bool french) {
  const ExtentOutcome tp = check_extent(pos.turnpoints, rxm, rym);
  const ExtentOutcome pz = check_extent(pos.corners, rxm, rym);
  if (tp.outside == 0 && pz.outside == 0) return {};

  std::string counts;
  if (tp.outside > 0) {
    counts = count_text(tp.outside, static_cast<int>(pos.turnpoints.size()), french,
                        Msg::turnpoints_outside_one, Msg::turnpoints_outside_many);
  }
  if (pz.outside > 0) {
    const std::string corners = count_text(pz.outside, static_cast<int>(pos.corners.size()), french,
                                           Msg::corners_outside_one, Msg::corners_outside_many);
    counts = counts.empty() ? corners : message(Msg::counts_joined, french, {counts, corners});
  }
  const bool one = tp.outside + pz.outside == 1;

  // The farthest position; a turnpoint wins a tie with a corner.
  const bool corner_farthest = pz.outside > 0 && (tp.outside == 0 || pz.farthest_m > tp.farthest_m);
  const double farthest_m = corner_farthest ? pz.farthest_m : tp.farthest_m;
  std::string which;
  if (corner_farthest) {
    const std::string zone = std::to_string(pz.farthest / kCornersPerZone);
    const std::string corner = std::to_string(pz.farthest % kCornersPerZone);
    which = message(Msg::farthest_corner, french, {zone, corner});
  } else {
    which = message(Msg::farthest_turnpoint, french,
                    {std::to_string(tp.farthest), plain_name(fp.tpnam(tp.farthest).trimmed())});
  }

  std::string text = message(one ? Msg::lies_outside : Msg::lie_outside, french,
                             {trim_right(plan), counts, trim_right(landscape)});
  // A position the projection could not compute has no distance to give.
  if (std::isfinite(farthest_m)) {
    text += message(Msg::farthest_up_to, french, {km_text(farthest_m, french)});
  }
  return text + " (" + which + ")";
}

void warn_outside_landscape(const RunSettings& rs, std::string_view plan,
                            std::string_view landscape, const PlanPositions& pos,
                            const FlightPlan& fp, float rxm, float rym, bool box) {
  const std::string text =
      outside_landscape_text(plan, landscape, pos, fp, rxm, rym, app_state().qfr);
  if (text.empty()) return;
  log_message_f(FixedText<1027>("{W}" + text).view());
  if (!box) return;
  // In a box "/" breaks the line; "\/" keeps a slash of a path or a name.
  std::string shown;
  for (const char c : text) {
    if (c == '/') shown += '\\';
    shown += c;
  }
  int status = s_warning;
  error_message_tit(status, rs.msg_tit.trimmed(), shown, app_state().qline);
}

}  // namespace tarvel
