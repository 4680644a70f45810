#include "driver/stopping_calls.h"

#include <string>

#include "driver/stop_run.h"
#include "geometry/get_airspace_size.h"
#include "install/get_condor_inst_dir.h"
#include "install/install_paths.h"
#include "platform/windows_path.h"
#include "ui/to_gui.h"
#include "util/app_state.h"
#include "util/console.h"
#include "util/extract_path_name.h"
#include "util/log_message.h"
#include "util/messages.h"

namespace tarvel {

namespace {

int condor3_airspace_count(std::string_view name) {
  InstallPaths& ip = install_paths();
  condor_inst_dir_or_stop(-3, ip.instpath3, true);
  const FixedText<256> aspfile(
      landscape_file(landscapes_folder(ip.instpath3.trimmed()), name, "air"));
  FreeLine() << aspfile.trimmed();
  return get_airspace_size(aspfile.trimmed());
}

}  // namespace

FplLookups plan_lookups() { return FplLookups{&condor3_airspace_count}; }

void read_fpl_or_stop(FlightPlan& fp, std::istream& in, std::string_view opened_name, int nunit_0,
                      bool qverb, bool qfr, int& nl, int& ios) {
  const int outcome = read_fpl(fp, in, opened_name, nunit_0, qverb, nl, ios, plan_lookups());
  if (outcome == fpl_read_done) return;
  const std::string text = message(
      outcome == fpl_too_many_turnpoints ? Msg::too_many_turnpoints : Msg::too_many_penalty_zones,
      qfr);
  int kind = s_error;
  error_message_tit(kind, "TARVEL", std::string_view(text), app_state().qline);
  stop_run(0);
}

int condor_inst_dir_or_stop(int nc, FixedText<256>& path, bool silent) {
  const int version = get_condor_inst_dir(nc, path, silent);
  if (version != kIncorrectCondorVersion) return version;
  FixedText<64> msg(message(Msg::incorrect_condor_version));
  int kind = s_error;
  error_message(kind, msg, app_state().qline);
  log_message_f(msg);
  stop_run(0);
}

void writable_folder_or_stop(std::string_view folder, std::string_view msg_tit) {
  if (check_writable_folder(folder)) return;
  const std::string d(trim_right(folder));
  FixedText<256> msg(message(Msg::folder_not_writable, {d}));
  int kind = s_error;
  error_message_tit(kind, msg_tit, msg, app_state().qline);
  stop_run(0);
}

}  // namespace tarvel
