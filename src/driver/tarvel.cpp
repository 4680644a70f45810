#include "driver/tarvel.h"

#include <algorithm>
#include <string>
#include <utility>

#include "driver/command_line.h"
#include "driver/convert_plan.h"
#include "driver/driver_messages.h"
#include "driver/read_ini.h"
#include "driver/run_settings.h"
#include "driver/stopping_calls.h"
#include "driver/tarvel_vers.h"
#include "driver/wine_prefix_choice.h"
#include "install/get_active_condor_version.h"
#include "install/get_inst_path.h"
#include "install/install_paths.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/windows_path.h"
#include "ui/display.h"
#include "ui/to_gui.h"
#include "util/app_state.h"
#include "util/console.h"
#include "util/extract_path_name.h"
#include "util/log_message.h"
#include "util/messages.h"
#include "util/process_args.h"
#include "util/strcpy_c2f.h"
#include "writer/numver_to_char.h"
#include "writer/to_char.h"

namespace tarvel {

namespace {

// The longest program folder (its final backslash included) whose longest
// built path, the writable-folder probe (folder, backslash, probe name), fits
// a 256-character path field; the settings file's name is shorter.
constexpr std::size_t kMaxProgramFolder = FixedText<256>::width - 1 - kProbeFileName.size();

void log_version() {
  int numver = 0;
  vers_num(numver);
  FixedText<8> text;
  int len = 0;
  numver_to_char(numver, text, len);
  const FixedText<25> line(message(Msg::version_line, {text.view()}));
  log_message_f(line.view());
}

// The log could not be created in the working folder (started from a folder
// the user cannot write): it goes to the program's folder, proven writable
// at start-up, under the same name, and the console says where.
void move_log_to_program_folder(const RunSettings& rs) {
  if (rs.instpath.is_blank()) return;
  const std::string path = std::string(rs.instpath.trimmed()) + std::string(log_file_name());
  if (path.size() > 256) return;  // a cut name would be another file
  if (log_command_f("CREATE " + path) != 0) return;
  console_line(message(Msg::log_in_program_folder, {path}));
}

void read_settings_file(RunSettings& rs) {
  rs.inifile = std::string(rs.instpath.trimmed()) + "TARVEL.ini";
  FreeLine() << "INIFILE " << rs.inifile.trimmed();
  if (!file_exists(rs.inifile.view())) return;
  const std::string too_long =
      read_ini(rs.inifile.view(), rs.deffile, rs.landname, rs.qauto_out_names, rs.c2lndpath);
  if (!too_long.empty()) fatal_path_too_long(rs, too_long);
  if (rs.deffile == "ASK") {
    rs.qask = true;
    rs.deffile.clear();
  }
}

// The Condor 2 landscapes folder: the settings file's, else the Condor 2
// installation's, else the one the user chooses.
void find_condor2_landscapes(RunSettings& rs) {
  const InstallPaths& ip = install_paths();
  if (!rs.c2lndpath.is_blank()) return;
  if (!ip.instpath2.is_blank()) {
    rs.c2lndpath = landscapes_folder(ip.instpath2.trimmed());
    return;
  }
  std::string folder;
  int len = 0;
  if (GetFolder(message(Msg::condor2_landscapes_title), "", len, folder) != 0) {
    driver_fatal(rs, s_warning, Msg::no_folder_selected);
  }
  if (len > static_cast<int>(rs.c2lndpath.width)) fatal_path_too_long(rs, folder);
  strcpy_c2f(folder.c_str(), rs.c2lndpath, len);
  remove_trail_0(rs.c2lndpath);
  if (len > 0 && rs.c2lndpath[static_cast<std::size_t>(len) - 1] == '\\') {
    rs.c2lndpath[static_cast<std::size_t>(len) - 1] = ' ';
  }
}

// The plans chosen in the open dialog: full paths joined by "|", as many as
// were chosen (each one must fit its own field). Empty when the dialog was
// cancelled.
std::string choose_plans() {
  const std::string default_path =
      std::string(install_paths().rootpath2.trimmed()) + "FlightPlans\\*.fpl";
  FreeLine() << default_path;
  std::string file_list;
  int len = 0;
  if (GetFileName(file_list, message(Msg::open_plans_title), default_path, "*.fpl",
                  message(Msg::plans_filter), 1, len) != 1) {
    return {};
  }
  return file_list;
}

void convert_one(const std::string& path, RunSettings& rs) {
  if (trim_right(path).size() > 256) fatal_path_too_long(rs, path);
  FixedText<256> infile(path);
  remove_trail_0(infile);
  if (infile.starts_with("-")) return;
  convert_plan(infile, rs);
}

}  // namespace

int tarvel_main(std::vector<std::string> args) {
  set_process_args(std::move(args));
  const std::vector<std::string>& argv = process_args();

  platform_guard_process();
  RunSettings rs;
  const int log_status = log_command_f("CREATE");
  if (!log_name_too_long().empty()) fatal_path_too_long(rs, log_name_too_long());
  const std::string program_folder = get_inst_path(rs.instpath);
  app_state().qfr = IsLanguageFrench() == 1;
  if (program_folder.size() > kMaxProgramFolder) {
    fatal_program_folder_too_long(rs, program_folder, kMaxProgramFolder);
  }
  writable_folder_or_stop(rs.instpath, rs.msg_tit);
  if (log_status != 0) move_log_to_program_folder(rs);
  log_version();
  read_settings_file(rs);
  const PrefixSearch prefix = settle_wine_prefix(rs);
  if (check_condor_install(rs.msgpltfldr.view()) != 3) fatal_condor3_not_found(rs, prefix);
  find_condor2_landscapes(rs);
  FreeLine();

  int nb_files = 0;
  if (read_options(argv, rs, nb_files) != OptionsOutcome::go_on) {
    console_flush();
    return 0;
  }

  if (nb_files > 0) {
    rs.several_plans = nb_files > 1;
    std::string infile;
    for (int k = 1; plan_argument(argv, k, infile); ++k) convert_one(infile, rs);
  } else {
    std::string file_list = choose_plans();
    rs.several_plans = file_list.find('|') != std::string::npos;
    std::size_t from = 0;
    while (!file_list.empty()) {
      const std::size_t bar = file_list.find('|', from);
      convert_one(file_list.substr(from, bar == std::string::npos ? std::string::npos : bar - from),
                  rs);
      if (bar == std::string::npos) break;
      from = bar + 1;
    }
  }
  console_flush();
  return 0;
}

}  // namespace tarvel
