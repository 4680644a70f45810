// Calls into the lower layers whose outcome can end the run. The lower layers
// report what happened; these show the message, log it where the program
// always has, and end the run (status 0).
#pragma once

#include <istream>
#include <string_view>

#include "flightplan/flight_plan.h"
#include "flightplan/read_fpl.h"
#include "util/fixed_text.h"

namespace tarvel {

// The reader's questions answered from the Condor 3 installation: a
// landscape's airspaces are those of <Condor 3>\Landscapes\<name>\<name>.air.
FplLookups plan_lookups();

// read_fpl with plan_lookups(); a plan the record cannot hold shows an error
// box titled "TARVEL" (French when `qfr`) and ends the run.
void read_fpl_or_stop(FlightPlan& fp, std::istream& in, std::string_view opened_name, int nunit_0,
                      bool qverb, bool qfr, int& nl, int& ios);

// get_condor_inst_dir; a Condor version it does not know shows an error box,
// logs it and ends the run.
int condor_inst_dir_or_stop(int nc, FixedText<256>& path, bool silent);

// check_writable_folder; a folder that cannot be written shows an error box
// titled `msg_tit` (French when app_state().qfr) and ends the run.
void writable_folder_or_stop(std::string_view folder, std::string_view msg_tit);

template <std::size_t N, std::size_t M>
void writable_folder_or_stop(const FixedText<N>& folder, const FixedText<M>& msg_tit) {
  writable_folder_or_stop(folder.view(), msg_tit.view());
}

}  // namespace tarvel
