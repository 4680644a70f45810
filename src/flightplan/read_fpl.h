// The reader of flight-plan files: Condor 2 plans and Condor 3 plans (the
// defaults files laid over a converted plan) share one key vocabulary.
#pragma once

#include <istream>
#include <string_view>

#include "flightplan/flight_plan.h"

namespace tarvel {

// Reads the plan in `in` (bytes as they are; lines end at LF, CR LF or a lone
// CR) into `fp`.
//   nunit_0 > 0: fresh read: the record is initialised first, and at the end
//     a Condor 2 plan gets its single "Base" weather zone and the legs and
//     task distance are computed.
//   nunit_0 <= 0: overlay read: only the keys present change the record.
// `opened_name` is the name under which the caller opened the file (kept in
// fpl_000). qverb prints the "Condor_version=" and "Number of legs=" lines;
// qfr selects the French texts of the reader's messages.
// nl: the non-blank lines taken by the line loop. ios: status of the last
// read: 0 when reading stopped at an "LCONFlightInfo" line or at the blank
// line after the description, -1 at the end of the file, after a read error
// the system's error number (positive; EIO when it gave none). The caller owns
// the stream and closes it.
// A plan with more than 31 turnpoints or more than 11 penalty zones cannot be
// held: the reader shows a message and ends the run (status 0).
void read_fpl(FlightPlan& fp, std::istream& in, std::string_view opened_name, int nunit_0,
              bool qverb, bool qfr, int& nl, int& ios);

}  // namespace tarvel
