// FlightPlan: the one in-memory flight plan of a run, in named groups of
// fixed capacity. Positions are landscape grid coordinates in metres; the
// pressure is in Pa, weather-zone temperatures in kelvin and turnpoint
// azimuths in whole degrees (plan files give hPa, degrees Celsius, radians).
#pragma once

#include "flightplan/indexed_array.h"
#include "util/fixed_text.h"

namespace tarvel {

// Highest indices of the record's arrays.
inline constexpr int maxtp = 30;    // turnpoints 0..30, entry 0 is the takeoff
inline constexpr int maxpz = 10;    // penalty zones 0..10
inline constexpr int maxwz = 16;    // weather zones 0..16
inline constexpr int maxwzpt = 16;  // polygon points 0..16 of a weather zone
inline constexpr int maxwzm1 = maxwz - 1;
inline constexpr int maxwzptm1 = maxwzpt - 1;
inline constexpr int cmaxdisabledairspaceblockscount = 8192;  // airspace flags 0..8192
inline constexpr int maxpzcorner = 3;                         // corners 0..3 of a penalty zone
inline constexpr int maxfpldesc = 16;                         // description lines 1..16

template <class T>
using PerTp = Arr1<T, 0, maxtp>;
template <class T>
using PerWz = Arr1<T, 0, maxwz>;

// Counts and version.
struct rd_fpl_0 {
  int fpl_vers = 0;     // 2 for a Condor 2 plan, 3 for a Condor 3 plan
  int nb_wp = 0;        // turnpoints of the task, takeoff included; 31 at most
  int nb_pz = 0;        // penalty zones
  int npzmax = 0;       // highest penalty-zone index met while reading
  int nwpmax = 0;       // highest turnpoint index met while reading
  int nb_as_zones = 0;  // airspace zones of a landscape
  int nb_fpldesc = 0;   // description lines held in fpldesc
  int last_dis_as = 0;  // highest airspace index of the disabled list; -1 when none
};

// Positions and turnpoint attributes.
struct rd_fpl_1 {
  Arr3<float, 1, 2, 0, maxwzpt, 0, maxwz> wzp;      // (axis 1=X 2=Y, point, zone)
  Arr3<float, 1, 2, 0, maxpzcorner, 0, maxpz> pzp;  // (axis, corner, zone)
  Arr2<float, 1, 3, 0, maxpz> pza;                  // (1 base, 2 top, 3 penalty time factor; zone)
  PerTp<float> tpx, tpy, tpz;                       // grid X, Y (m) and elevation
  PerTp<float> tplat, tplon;                        // degrees, filled by the conversion
  PerTp<float> tpazi;                               // sector azimuth, whole degrees
  PerTp<float> tphei;
  PerTp<float> tpalt;  // whole number
  PerTp<float> tpwid;  // whole number
  PerTp<int> tpsecdir;
  PerTp<float> tpdist;  // leg ending at turnpoint n; entry 0 unused
  PerTp<int> tpair;
  PerTp<int> tpsec;
  PerTp<int> tprad;
  PerTp<int> tpang;  // 360 marks a full circle
  PerTp<int> tpid;
};

// Texts.
struct rd_fpl_2 {
  PerTp<FixedText<32>> tpnam;  // "<" and ">" escaped
  PerWz<FixedText<32>> wznam;
  Arr1<FixedText<256>, 1, maxfpldesc> fpldesc;
  FixedText<64> landscape;
  FixedText<256> fpl_000;  // name under which the plan file was opened
};

struct rd_fpl_4 {
  int cloudbase = 0;
  int jdate = 0;  // Julian day number of the task date
  float finishminalt = 0, fimialt_eff = 0, tp_septhr = 0;
  float pressure = 0;  // Pa
  float dist_tot = 0;  // task distance
};

// Disabled airspaces of the landscape.
struct rd_fpl_5 {
  Arr1<bool, 0, cmaxdisabledairspaceblockscount> qas_disa;
};

// Task timing, options and penalties.
struct rd_fpl_6 {
  int taskdate = 0;
  float starttime = 0;
  float starttimewindow = 0;
  float racestartdelay = 0;
  float aattime = 0;
  int iconsvisiblerange = 0;
  int thermalhelpersrange = 0;
  int turnpointhelpersrange = 0;
  bool qaat = false;
  bool allowbugwipers = false;
  bool allowpda = false;
  bool allowrealtimescoring = false;
  bool allowexternalview = false;
  bool allowpadlockview = false;
  bool allowsmoke = false;
  bool allowplanerecovery = false;
  bool allowheightrecovery = false;
  bool allowmidaircollisionrecovery = false;
  int penaltycloudflying = 0;
  int penaltyplanerecovery = 0;
  int penaltyheightrecovery = 0;
  int penaltywrongwindowenterance = 0;
  int penaltywindowcollision = 0;
  int penaltyairspaceenterance = 0;
  int penaltypenaltyzoneenterance = 0;
  int penaltythermalhelpers = 0;
  int maxstartgroundspeed = 0;
  int penaltystartspeed = 0;
  int penaltyhighstart = 0;
  int penaltylowfinish = 0;
  int randseed = 0;
  int starttype = 0;
  int startheight = 0;
  int breakprob = 0;
  float ropelength = 0;
  int maxteams = 0;
  int acroflight = 0;
  int team = 0;
  int maxwingloading = 0;

  // Second names of the same fields.
  float& t_aat() { return aattime; }
  bool& qpda() { return allowpda; }
  bool& qmidair() { return allowmidaircollisionrecovery; }
  int& cloudpen() { return penaltycloudflying; }
  int& start_max_speed() { return maxstartgroundspeed; }
};

// Weather-zone reals.
struct rd_fpl_wz1 {
  PerWz<float> movedir, movespeed, borderwidth, winddir, windspeed, windupperspeed;
  PerWz<float> thermalstemp;  // kelvin
  PerWz<float> thermalsdew;
  PerWz<float> thermalsinversionheight;  // whole number
};

// Weather-zone integers (and the two single fields that no initialiser resets).
struct rd_fpl_wz2 {
  PerWz<int> pointcount;
  PerWz<int> winddirvariation, windspeedvariation, windturbulence;
  PerWz<int> thermalstempvariation, thermalsstrength, thermalsstrengthvariation;
  PerWz<float> thermalsoverdevelopment;
  PerWz<int> thermalswidth, thermalswidthvariation, thermalsactivity, thermalsactivityvariation;
  PerWz<int> thermalsturbulence, thermalsflatsactivity, thermalsstreeting, thermalsbugs;
  PerWz<int> wavesstability, wavesmoisture, highcloudscoverage;
  bool randomizeweatheroneachflight = false;
  int wzcount = 0;
};

// Glider texts.
struct ggg001 {
  FixedText<32> glider;  // key "Name" in [Plane]
  FixedText<32> glclass;
  FixedText<32> glskin;
  FixedText<32>& glnam() { return glider; }
};

struct ggg002 {
  float cgbias = 0;
  int glseat = 0;
  bool qbugwipers = false;
};

// Glider masses; only wmass (water ballast) and fmass (fixed mass) are used.
struct gggmas {
  float rmass = 0, mmass = 0, cmass = 0, wmass = 0, fmass = 0, balmax = 0;
};

// Glider polar, declared for the glider model.
struct gggpol {
  Arr1<float, 1, 3> vap, vzp, vap00, vzp00;
  Arr1<float, 1, 2> pol_a, pol_b, pol_c;
  float pol_d = 0, pol_v = 0, calage = 0;
  float pol_a00 = 0, pol_b00 = 0, pol_c00 = 0, pol_d00 = 0, pol_v00 = 0;
  float vmin_00 = 0, vvzm_00 = 0, vfmax_00 = 0, fmax_00 = 0, v_vzmin = 0;
  float h_wnd = 0, fmulatm = 0, vmin = 0, vvzm = 0, gforce = 0;
};

// At program start every number is 0, every flag false and every text blank.
struct FlightPlan : rd_fpl_0,
                    rd_fpl_1,
                    rd_fpl_2,
                    rd_fpl_4,
                    rd_fpl_5,
                    rd_fpl_6,
                    rd_fpl_wz1,
                    rd_fpl_wz2,
                    ggg001,
                    ggg002,
                    gggmas,
                    gggpol {};

// The plan as a whole: counts, positions, turnpoint attributes, texts,
// weather zones, options, airspace flags (see the source for the exact list).
void init_read_fpl(FlightPlan& fp);
// The glider: masses, texts, CG bias, seat 1, bug wipers off, polar.
void init_glider(FlightPlan& fp);
// The turnpoints: count, attributes and names.
void init_wp(FlightPlan& fp);

// The one record of the run.
FlightPlan& flight_plan();

}  // namespace tarvel
