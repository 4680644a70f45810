// The driver's settings, one instance for the whole run.
#pragma once

#include "geometry/utm.h"
#include "util/fixed_text.h"

namespace tarvel {

struct RunSettings {
  FixedText<256> instpath;       // the program's folder, ending with a backslash
  FixedText<256> inifile;        // instpath + "TARVEL.ini"
  FixedText<64> landname;        // Condor 3 destination landscape; blank: ask for each plan
  FixedText<256> deffile;        // defaults file laid over every plan; blank: none
  bool qask = false;             // ask for a defaults file for each plan
  bool qauto_out_names = false;  // output names without a save dialog
  FixedText<256> c2lndpath;      // Condor 2 landscapes folder, no final backslash
  bool qigc = false;             // passed to the writer; nothing sets it
  FixedText<32> msg_tit = FixedText<32>("TARVEL");  // title of the driver's boxes
  FixedText<32> msgpltfldr;                         // prompt passed to the installation check
  bool several_plans = false;  // the run converts more than one plan: dialogs name the plan
  // The landscape grid opened last; the next plan reuses it when it opens
  // the same terrain file.
  UtmState utm;
};

}  // namespace tarvel
