// Provisional: answers from the remembered installation folders only.
#include "install/get_condor_inst_dir.h"

#include "install/install_paths.h"

namespace tarvel {

int get_condor_inst_dir(int nc, FixedText<256>& path, bool silent) {
  (void)silent;
  InstallPaths& ip = install_paths();
  if (nc == -2 || nc == 2) {
    path = ip.instpath2;
    return path.is_blank() ? 0 : 2;
  }
  if (nc == -3 || nc == 3) {
    path = ip.instpath3;
    return path.is_blank() ? 0 : 3;
  }
  path.clear();
  return 0;
}

}  // namespace tarvel
