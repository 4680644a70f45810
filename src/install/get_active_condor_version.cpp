#include "install/get_active_condor_version.h"

#include <string>

#include "install/get_condor_2_path.h"
#include "install/get_condor_inst_dir.h"
#include "install/install_paths.h"
#include "platform/files.h"
#include "util/log_message.h"

namespace tarvel {

namespace {

bool installed(int nc, FixedText<256>& instpath) {
  return get_condor_inst_dir(nc, instpath, false) == nc &&
         file_exists(std::string(instpath.trimmed()) + "\\Condor.exe");
}

}  // namespace

int check_condor_install(std::string_view msgpltfldr) {
  InstallPaths& ip = install_paths();
  ip.qc2 = installed(2, ip.instpath2);
  ip.qc3 = installed(3, ip.instpath3);

  if (ip.qc2) {
    log_message_f("Condor 2 install path: " + std::string(ip.instpath2.trimmed()));
    ip.pilpath2.clear();
    get_condor_2_path(msgpltfldr, false, true, ip.pilpath2);
    ip.rootpath2.clear();
    get_condor_2_path(msgpltfldr, false, false, ip.rootpath2);
  }
  if (ip.qc3) {
    log_message_f("Condor 3 install path: " + std::string(ip.instpath3.trimmed()));
    ip.pilpath3 = "3";
    get_condor_2_path(msgpltfldr, false, true, ip.pilpath3);
    ip.rootpath3 = "3";
    get_condor_2_path(msgpltfldr, false, false, ip.rootpath3);
  }

  if (ip.qc3) {
    ip.cndrvers = ip.qc2 ? 0 : 3;
    ip.cndrinstpath = ip.instpath3;
    ip.cndrrootpath = ip.rootpath3;
    ip.cndrpilpath = ip.pilpath3;
    return 3;
  }
  if (ip.qc2) {
    ip.cndrvers = 2;
    ip.cndrinstpath = ip.instpath2;
    ip.cndrrootpath = ip.rootpath2;
    ip.cndrpilpath = ip.pilpath2;
    return 2;
  }
  return 0;
}

}  // namespace tarvel
