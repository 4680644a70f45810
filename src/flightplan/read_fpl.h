// The reader of flight-plan files: Condor 2 plans and Condor 3 plans (the
// defaults files laid over a converted plan) share one key vocabulary.
#pragma once

#include <functional>
#include <istream>
#include <string_view>

#include "flightplan/flight_plan.h"

namespace tarvel {

// What the reader needs to know from outside the plan file: a Condor 3 plan's
// "Landscape" key sizes its disabled-airspace line by the number of airspaces
// of that landscape, which only the caller can find. Without an answer the
// landscape has none.
struct FplLookups {
  std::function<int(std::string_view landscape)> condor3_airspace_count;
};

// What became of a read. A plan with more than 31 turnpoints or more than 11
// penalty zones cannot be held: the reader stops at the count that says so,
// and the caller decides what to tell the user.
inline constexpr int fpl_read_done = 0;
inline constexpr int fpl_too_many_turnpoints = 1;
inline constexpr int fpl_too_many_penalty_zones = 2;

// Reads the plan in `in` (bytes as they are; lines end at LF, CR LF or a lone
// CR) into `fp`.
//   nunit_0 > 0: fresh read: the record is initialised first, and at the end
//     a Condor 2 plan gets its single "Base" weather zone and the legs and
//     task distance are computed.
//   nunit_0 <= 0: overlay read: only the keys present change the record.
// `opened_name` is the name under which the caller opened the file (kept in
// fpl_000). qverb prints the "Condor_version=" and "Number of legs=" lines.
// nl: the non-blank lines taken by the line loop. ios: status of the last
// read: 0 when reading stopped at an "LCONFlightInfo" line or at the blank
// line after the description, -1 at the end of the file, after a read error
// the system's error number (positive; EIO when it gave none). The caller owns
// the stream and closes it. Returns fpl_read_done, or the count that stopped
// the read (nothing after it is read and nl and ios are those of that line).
int read_fpl(FlightPlan& fp, std::istream& in, std::string_view opened_name, int nunit_0,
             bool qverb, int& nl, int& ios, const FplLookups& lookups = {});

}  // namespace tarvel
