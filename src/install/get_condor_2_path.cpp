#include "install/get_condor_2_path.h"

#include <string>

#include "install/rd_usr_reg.h"
#include "ui/to_gui.h"
#include "util/app_state.h"
#include "util/console.h"
#include "util/messages.h"

namespace tarvel {

namespace {

constexpr int kEnvBuffer = 511;
constexpr std::string_view kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// Expands a Documents value of the form [...]%NAME%\tail into the value of
// NAME followed by \tail. A value without "%", or whose first backslash comes
// before its first "%" or is missing, is kept as it is. False when the
// variable is not defined (the error box has been shown).
bool expand_documents(FixedText<512>& folder) {
  const std::string_view text = folder.trimmed();
  const std::size_t pct = text.find('%');
  if (pct == std::string_view::npos) return true;
  const std::size_t bs = text.find('\\');
  if (bs == std::string_view::npos || bs < pct) return true;

  std::string_view name = text.substr(pct + 1, bs - pct - 1);
  if (!name.empty() && name.back() == '%') name.remove_suffix(1);
  const std::string tail(text.substr(bs));
  const std::string var(name);
  FreeLine() << "folder " << tail;
  FreeLine() << "ENV " << var;

  std::string value;
  if (MyGetEnv(var, value, kEnvBuffer) == 0) {
    int kind = s_error;
    error_message_tit(kind, message(Msg::environment_variable_error_title),
                      message(Msg::environment_variable_error, {var}), app_state().qline);
    return false;
  }
  folder = value + tail;
  FreeLine() << static_cast<int>(folder.len_trim()) << folder.trimmed();
  return true;
}

}  // namespace

int get_condor_user_path(std::string_view msgpltfldr, bool qconfirm, bool qpilot, bool qdocreg,
                         FixedText<256>& condoruserpath) {
  (void)msgpltfldr;
  for (int i = 0; i < 7; ++i) FreeLine();
  FreeLine() << "get_condor_user_path";
  FreeLine() << "qconfirm,qpilot,qdocreg" << qconfirm << qpilot << qdocreg;
  FreeLine() << condoruserpath.trimmed();

  const bool c3 = condoruserpath == "3";
  const std::string cndr_doc = c3 ? "Condor3" : "Condor";
  const std::string cndr_reg = c3 ? "Condor3" : "Condor2";

  // The input "3" is a selector, not a folder: a failed search leaves the
  // field blank rather than holding it.
  FixedText<512> folder;
  if (qdocreg) {
    std::string value;
    int len = 0;
    const int status = RdUsrReg(std::string(kShellFolders) + "\\", "Personal", value, len);
    FreeLine() << status << len;
    if (status != 0) {
      FreeLine() << std::string(kShellFolders) + " NOT READABLE";
      condoruserpath.clear();
      return 0;
    }
    folder = value;
    FreeLine() << "path " << folder.trimmed();
    if (!expand_documents(folder)) {
      condoruserpath.clear();
      return 0;
    }
  } else {
    folder = condoruserpath;
  }
  if (folder.is_blank()) {
    condoruserpath.clear();
    return 0;
  }

  FixedText<40> player;
  if (qpilot) {
    std::string value;
    int len = 0;
    if (RdUsrReg("SOFTWARE\\" + cndr_reg + "\\", "LastPlayer", value, len) == 0) {
      player = value;
      folder = std::string(folder.trimmed()) + "\\" + cndr_doc + "\\Pilots\\" +
               std::string(player.trimmed());
    }
    FreeLine() << "player " << player.trimmed();
  } else {
    folder = std::string(folder.trimmed()) + "\\" + cndr_doc + "\\";
  }
  FreeLine() << "Final Path : " << folder.trimmed();
  condoruserpath = folder;
  return folder.is_blank() ? 0 : 1;
}

int get_condor_2_path(std::string_view msgpltfldr, bool qconfirm, bool qpilot,
                      FixedText<256>& condoruserpath) {
  const int result = get_condor_user_path(msgpltfldr, qconfirm, qpilot, true, condoruserpath);
  FreeLine() << "get_condor_user_path=" << result;
  return result;
}

}  // namespace tarvel
