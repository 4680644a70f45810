// The folders found at start-up; one record for the run.
#pragma once

#include "util/fixed_text.h"

namespace tarvel {

struct InstallPaths {
  FixedText<256> instpath2;     // Condor 2 installation folder, no final backslash
  FixedText<256> instpath3;     // Condor 3 installation folder, no final backslash
  FixedText<256> rootpath2;     // Condor 2 user-files folder, ending with a backslash
  FixedText<256> rootpath3;     // Condor 3 user-files folder, ending with a backslash
  FixedText<256> pilpath2;      // Condor 2 folder of the last pilot
  FixedText<256> pilpath3;      // Condor 3 folder of the last pilot
  FixedText<256> cndrinstpath;  // installation folder of the current version
  FixedText<256> cndrrootpath;  // user-files folder of the current version
  FixedText<256> cndrpilpath;   // pilot folder of the current version
  int cndrvers = 0;             // 2 only Condor 2, 3 only Condor 3, 0 both
  bool qc2 = false;             // Condor 2 detected
  bool qc3 = false;             // Condor 3 detected
};

InstallPaths& install_paths();

}  // namespace tarvel
