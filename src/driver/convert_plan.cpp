#include "driver/convert_plan.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#include "driver/driver_messages.h"
#include "driver/extent_warning.h"
#include "driver/output_name.h"
#include "driver/stopping_calls.h"
#include "flightplan/flight_plan.h"
#include "flightplan/read_fpl.h"
#include "geometry/get_airspace_size.h"
#include "geometry/utm.h"
#include "install/install_paths.h"
#include "platform/files.h"
#include "platform/windows_path.h"
#include "ui/display.h"
#include "ui/to_gui.h"
#include "util/app_state.h"
#include "util/console.h"
#include "util/extract_path_name.h"
#include "util/log_message.h"
#include "util/messages.h"
#include "util/strcpy_c2f.h"
#include "writer/plan_output.h"
#include "writer/to_char.h"
#include "writer/write_fpl_v3.h"

namespace tarvel {

namespace {

// Unit numbers under which the plan and the defaults file are read; the sign
// selects a fresh read (positive) or an overlay read.
constexpr int kPlanUnit = 15;
constexpr int kDefaultsUnit = -16;

std::string trimmed(std::string_view s) { return std::string(trim_right(s)); }

// Copies a dialog's answer into a field; an answer that does not fit ends the
// run rather than going on with a cut path.
template <std::size_t N>
void take_dialog_text(const RunSettings& rs, const std::string& answer, int len,
                      FixedText<N>& field) {
  if (len > static_cast<int>(N)) fatal_path_too_long(rs, answer);
  strcpy_c2f(answer.c_str(), field, len);
  remove_trail_0(field);
}

// Fresh or overlay read of a plan file; a file that cannot be opened ends the
// run. A read that fails part way (a failing disk, a share that went away)
// leaves the plan incomplete: it is not converted, a warning naming the file
// and the system's reason goes to the log, and false is returned.
bool read_plan_file(const RunSettings& rs, FlightPlan& fp, const FixedText<256>& infile,
                    const FixedText<256>& path, int unit, bool qverb) {
  std::ifstream in;
  open_input_stream(in, path.view());
  if (unit < 0) FreeLine() << unit << (in ? 0 : 1);
  // A folder opens on some systems and not on others; it is never a plan.
  if (!in || folder_exists(path.view())) fatal_file_not_found(rs, path.view());
  int nl = 0;
  int ios = 0;
  read_fpl_or_stop(fp, in, path.trimmed(), unit, qverb, app_state().qfr, nl, ios);
  if (ios <= 0) return true;
  const std::string file = trimmed(path.view());
  // "/" breaks a log line: "Input/output error" reads "Input-output error".
  std::string reason = std::strerror(ios);
  std::replace(reason.begin(), reason.end(), '/', '-');
  const std::string text = message(Msg::read_error, {trimmed(infile.view()), file, reason});
  log_message_f(FixedText<1027>(text).view());
  return false;
}

// The destination landscape, its terrain file and its airspace file.
struct Destination {
  FixedText<256> new_landscape;
  FixedText<256> new_trnfile;
  FixedText<256> aspfile;
  bool from_dialog = false;  // chosen in the folder dialog for this plan
};

// The last folder name of a chosen landscape folder ("…\Name" or "…\Name\").
FixedText<256> last_folder_name(const FixedText<256>& defdir) {
  std::string_view d = defdir.trimmed();
  if (!d.empty() && d.back() == '\\') d.remove_suffix(1);
  return FixedText<256>(split_at_last_backslash(d).name);
}

// A dialog's title; when the run converts several plans, the name of the plan
// it asks about follows.
std::string dialog_title(const RunSettings& rs, std::string_view title,
                         const FixedText<256>& infile) {
  std::string text(title);
  if (rs.several_plans) text += " (" + split_path_name(infile.trimmed()).name + ")";
  return text;
}

// Shown when the chosen folder holds no terrain file of its name; the folder
// dialog then opens again.
void tell_not_a_landscape(const RunSettings& rs, std::string_view folder, std::string_view name) {
  std::string shown(folder);
  while (!shown.empty() && shown.back() == '\\') shown.pop_back();
  const std::string trn = std::string(name) + ".trn";
  const std::string text = message(Msg::not_a_landscape, {shown, trn});
  int kind = s_warning;
  error_message_tit(kind, rs.msg_tit.trimmed(), text, app_state().qline);
}

Destination choose_destination(RunSettings& rs, const FixedText<256>& infile) {
  const InstallPaths& ip = install_paths();
  Destination dest;
  if (!rs.landname.is_blank()) {
    const std::string land = trimmed(rs.landname.view());
    const std::string landscapes = landscapes_folder(ip.instpath3.trimmed());
    dest.new_landscape = rs.landname;
    dest.new_trnfile = landscape_file(landscapes, land, "trn");
    dest.aspfile = landscape_file(landscapes, land, "air");
  } else {
    const std::string title = dialog_title(rs, message(Msg::destination_title), infile);
    for (;;) {
      std::string answer;
      int len = 0;
      if (GetFolder(title, landscapes_folder(ip.instpath3.trimmed()) + "\\", len, answer) != 0) {
        driver_fatal(rs, s_warning, Msg::no_landscape_selected);
      }
      FixedText<256> defdir;
      take_dialog_text(rs, answer, len, defdir);
      const FixedText<256> name = last_folder_name(defdir);
      const std::string base = trimmed(defdir.view()) + "\\" + trimmed(name.view());
      dest.new_landscape = name;
      dest.new_trnfile = base + ".trn";
      dest.aspfile = base + ".air";
      dest.from_dialog = true;
      if (file_exists(dest.new_trnfile.view()) && !folder_exists(dest.new_trnfile.view())) break;
      tell_not_a_landscape(rs, defdir.trimmed(), name.trimmed());
    }
  }
  FreeLine() << dest.aspfile.trimmed();
  return dest;
}

// The extents (metres) of the Condor 2 and the Condor 3 landscape.
struct Extents {
  float rxm2 = 0, rym2 = 0;
  float rxm3 = 0, rym3 = 0;
};

// Opens the grid of a landscape's terrain file as the run's active landscape
// and gives its extent (metres); a terrain file that gives none ends the run.
UtmGrid open_grid(RunSettings& rs, const FixedText<256>& terrain, float& rxm, float& rym) {
  if (utm_init(rs.utm, terrain.view(), rxm, rym) != 1) {
    const std::string name = trimmed(terrain.view());
    driver_fatal(rs, s_error, Msg::cannot_init_conversion, {name});
  }
  return *rs.utm.active;
}

// Carries every turnpoint and penalty-zone corner from the Condor 2 grid to
// latitude/longitude and on to the Condor 3 grid, one position at a time with
// both grids at hand. The turnpoints keep their latitude and longitude.
Extents reproject(RunSettings& rs, FlightPlan& fp, const FixedText<256>& trnfile,
                  const FixedText<256>& new_trnfile) {
  const int nb_wp = std::min(fp.nb_wp, maxtp + 1);
  const int nb_pz = std::min(fp.nb_pz, maxpz + 1);
  Extents ext;
  const UtmGrid from = open_grid(rs, trnfile, ext.rxm2, ext.rym2);
  // The console notes positions far off the source grid before the lines of
  // the destination's opening, where a conversion's trace has them.
  for (int k = 0; k < nb_wp; ++k) from.show_far_offset({fp.tpx(k), fp.tpy(k)});
  for (int z = 0; z < nb_pz; ++z) {
    for (int c = 0; c <= maxpzcorner; ++c) from.show_far_offset({fp.pzp(1, c, z), fp.pzp(2, c, z)});
  }
  const UtmGrid to = open_grid(rs, new_trnfile, ext.rxm3, ext.rym3);

  for (int k = 0; k < nb_wp; ++k) {
    const LatLon g = from.to_latlon({fp.tpx(k), fp.tpy(k)});
    fp.tplat(k) = g.lat;
    fp.tplon(k) = g.lon;
    const GridPoint p = to.to_grid(g);
    fp.tpx(k) = p.x;
    fp.tpy(k) = p.y;
  }
  for (int z = 0; z < nb_pz; ++z) {
    for (int c = 0; c <= maxpzcorner; ++c) {
      const GridPoint p = to.to_grid(from.to_latlon({fp.pzp(1, c, z), fp.pzp(2, c, z)}));
      fp.pzp(1, c, z) = p.x;
      fp.pzp(2, c, z) = p.y;
    }
  }
  return ext;
}

// Marks every airspace of the destination as disabled. The flags cover
// airspaces 0 to 8192; a landscape with more lists the ones it can hold.
void disable_all_airspaces(FlightPlan& fp) {
  fp.last_dis_as = std::min(fp.nb_as_zones - 1, cmaxdisabledairspaceblockscount);
  fp.qas_disa.fill(true);
}

// The warning of a plan that was not converted, ending with the system's
// reason for the failure `status` when an output was tried.
void warn_not_converted(const FixedText<256>& infile, const FixedText<256>& outfile, Msg id,
                        int status) {
  std::string text = message(id, {trimmed(infile.view()), trimmed(outfile.view())});
  if (!outfile.is_blank()) text += message(Msg::system_reason_suffix, {system_reason(status)});
  log_message_f(FixedText<1027>(text).view());
}

// Other names tried for the temporary file when something that is not a
// plain file of ours stands at the first one (a link, a folder).
constexpr int kTempNames = 100;

// Creates the temporary file beside the output, always as a new file: a
// plain file left at its name by an earlier run that was killed is removed
// first; anything else there is left alone and another name is taken.
int create_temp(FilePlanOutput& out, const std::string& target) {
  int status = EEXIST;
  for (int n = 0; n < kTempNames && status == EEXIST; ++n) {
    const std::string temp = target + ".tarvel-tmp" + (n == 0 ? "" : std::to_string(n));
    status = out.create(temp);
    if (status == EEXIST && remove_plain_file(temp) == 0) status = out.create(temp);
  }
  return status;
}

// Writes the plan to `outfile` through a new file beside it that replaces the
// output only once it is complete, so a failed write never leaves a
// half-written plan in place of a good one. Returns true when the plan was
// written; otherwise the plan is skipped with a warning in the log, or, when
// a line could not be written (a full disk), the run ends with status 2.
bool write_output(const FixedText<256>& infile, const FixedText<256>& outfile,
                  const FixedText<256>& new_landscape, const RunSettings& rs) {
  const std::string target = trimmed(outfile.view());
  FilePlanOutput out;
  int ios = target.empty() ? 2 : 0;                     // ENOENT for a cancelled save dialog
  if (ios == 0 && is_read_only_file(target)) ios = 13;  // EACCES: never replace a read-only plan
  if (ios == 0) ios = create_temp(out, target);
  FreeLine() << ios;
  if (ios != 0) {
    warn_not_converted(infile, outfile, Msg::output_cannot_be_opened, ios);
    return false;
  }
  int iost = 0;
  const WriteFailure failed = write_fpl_v3(flight_plan(), out, iost, rs.qigc, new_landscape.view());
  if (failed.status != 0) {
    const std::string temp = out.name();
    out.remove();
    fatal_write_failure(rs, temp, failed.line, failed.status);
  }
  const int close_status = out.close();
  if (iost == 0) iost = close_status;
  if (iost == 0) iost = out.rename_to(target);
  if (iost != 0) {
    out.remove();
    warn_not_converted(infile, outfile, Msg::output_cannot_be_written, iost);
    return false;
  }
  return true;
}

}  // namespace

void convert_plan(const FixedText<256>& infile, RunSettings& rs) {
  FlightPlan& fp = flight_plan();
  const InstallPaths& ip = install_paths();

  FreeLine() << "INFILE :  " << infile.trimmed();
  if (!read_plan_file(rs, fp, infile, infile, kPlanUnit, true)) return;
  if (fp.fpl_vers != 2) {
    driver_fatal(rs, s_error, Msg::plan_not_version_2);
  }
  const FixedText<64> landscape_sve = fp.landscape;

  FreeLine() << "deffile :  " << rs.qask << rs.deffile.trimmed();
  if (rs.qask) {
    std::string answer;
    int len = 0;
    const int chosen =
        GetFileName(answer, message(Msg::defaults_file_title), "", "*.fpl", "", 0, len);
    FreeLine() << chosen << len;
    rs.deffile.clear();
    if (chosen == 1) take_dialog_text(rs, answer, len, rs.deffile);
  }

  fp.thermalsinversionheight(0) += fp.tpz(0);
  fp.maxstartgroundspeed = 170;

  if (!rs.deffile.is_blank() && !read_plan_file(rs, fp, infile, rs.deffile, kDefaultsUnit, true)) {
    return;
  }
  if (!(fp.landscape == landscape_sve)) {
    rs.landname = fp.landscape;
    fp.landscape = landscape_sve;
  }

  const Destination dest = choose_destination(rs, infile);

  const std::string land = trimmed(fp.landscape.view());
  const FixedText<256> trnfile(landscape_file(rs.c2lndpath.trimmed(), land, "trn"));
  FreeLine() << trnfile.trimmed();
  if (!file_exists(trnfile.view())) fatal_file_not_found(rs, trnfile.view());
  FreeLine() << dest.new_trnfile.trimmed();
  if (!file_exists(dest.new_trnfile.view())) fatal_file_not_found(rs, dest.new_trnfile.view());

  // A warning, not a refusal: a plan may be converted into another landscape
  // on purpose. A box only when the user is choosing landscapes in dialogs,
  // so batch runs never stop on one.
  const PlanPositions original = plan_positions(fp);
  const Extents ext = reproject(rs, fp, trnfile, dest.new_trnfile);
  const bool box = dest.from_dialog && !rs.qauto_out_names;
  warn_outside_landscape(rs, infile.view(), land, original, fp, ext.rxm2, ext.rym2, box);
  warn_outside_landscape(rs, infile.view(), dest.new_landscape.view(), plan_positions(fp), fp,
                         ext.rxm3, ext.rym3, box);

  fp.nb_as_zones = get_airspace_size(dest.aspfile.view());
  FreeLine() << "Airspace zones : " << fp.nb_as_zones;
  disable_all_airspaces(fp);

  FixedText<256> folder;
  FixedText<256> fnam;
  extract_path_name(infile, folder, fnam);
  fnam = output_file_name(fnam.view());

  const std::string auto_path =
      trimmed(ip.rootpath3.view()) + "FlightPlans\\" + trimmed(fnam.view());
  FixedText<256> outfile;
  if (rs.qauto_out_names) {
    // Without a Condor 3 user folder the name would be relative to the
    // working folder, a place nobody chose: the plan is skipped instead. A cut
    // path would name another file: the run ends as for a dialog's answer.
    if (!ip.rootpath3.is_blank()) {
      if (auto_path.size() > outfile.width) fatal_path_too_long(rs, auto_path);
      outfile = auto_path;
    }
  } else {
    FreeLine() << "Path " << auto_path;
    std::string answer;
    int len = 0;
    if (SaveFileName(answer, dialog_title(rs, message(Msg::save_plan_title), infile), auto_path,
                     "*.fpl", "", len) == 1) {
      take_dialog_text(rs, answer, len, outfile);
    }
  }
  FreeLine() << "OUTFILE : " << outfile.trimmed();

  if (!write_output(infile, outfile, dest.new_landscape, rs)) return;

  const std::string summary =
      rs.deffile.is_blank()
          ? message(Msg::plan_converted, {trimmed(infile.view()), trimmed(outfile.view())})
          : message(Msg::plan_converted_with_defaults,
                    {trimmed(infile.view()), trimmed(outfile.view()), trimmed(rs.deffile.view())});
  log_message_f(FixedText<256>(summary).view());
}

}  // namespace tarvel
