#include "install/install_paths.h"

namespace tarvel {

InstallPaths& install_paths() {
  static InstallPaths paths;
  return paths;
}

}  // namespace tarvel
