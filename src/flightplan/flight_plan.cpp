#include "flightplan/flight_plan.h"

#include <initializer_list>

namespace tarvel {

FlightPlan& flight_plan() {
  static FlightPlan fp;
  return fp;
}

// Fields left alone on purpose (they carry over to the next plan of the run
// until a key sets them): fpl_vers, fpl_000, tpdist, dist_tot, jdate,
// taskdate, starttime, cloudbase, finishminalt, fimialt_eff, tp_septhr, team,
// wzcount, randomizeweatheroneachflight.
void init_read_fpl(FlightPlan& fp) {
  fp.nb_wp = 0;
  fp.nb_pz = 0;
  fp.npzmax = 0;
  fp.nwpmax = 0;

  fp.tpx.fill(0);
  fp.tpy.fill(0);
  fp.tpz.fill(0);
  fp.tplat.fill(0);
  fp.tplon.fill(0);
  fp.tpazi.fill(0);
  fp.tphei.fill(0);
  fp.tpalt.fill(0);
  fp.tpwid.fill(0);
  fp.tpair.fill(0);
  fp.tpsec.fill(0);
  fp.tprad.fill(0);
  fp.tpang.fill(0);
  fp.tpid.fill(0);
  fp.pzp.fill(0);
  fp.pza.fill(0);
  fp.wzp.fill(0);

  fp.tpnam.fill(FixedText<32>());
  fp.wznam.fill(FixedText<32>());
  fp.landscape.clear();
  fp.fpldesc.fill(FixedText<256>());

  rd_fpl_wz1& wz1 = fp;
  for (auto* a :
       {&wz1.movedir, &wz1.movespeed, &wz1.borderwidth, &wz1.winddir, &wz1.windspeed,
        &wz1.windupperspeed, &wz1.thermalstemp, &wz1.thermalsdew, &wz1.thermalsinversionheight}) {
    a->fill(0);
  }
  rd_fpl_wz2& wz2 = fp;
  for (auto* a : {&wz2.pointcount, &wz2.winddirvariation, &wz2.windspeedvariation,
                  &wz2.windturbulence, &wz2.thermalstempvariation, &wz2.thermalsstrength,
                  &wz2.thermalsstrengthvariation, &wz2.thermalswidth, &wz2.thermalswidthvariation,
                  &wz2.thermalsactivity, &wz2.thermalsactivityvariation, &wz2.thermalsturbulence,
                  &wz2.thermalsflatsactivity, &wz2.thermalsstreeting, &wz2.thermalsbugs,
                  &wz2.wavesstability, &wz2.wavesmoisture, &wz2.highcloudscoverage}) {
    a->fill(0);
  }
  wz2.thermalsoverdevelopment.fill(0);

  fp.pressure = 101325.0f;
  fp.starttimewindow = 0;
  fp.racestartdelay = 0;
  fp.aattime = 0;

  // Options and penalties, every field from iconsvisiblerange to
  // maxwingloading except team.
  fp.iconsvisiblerange = 0;
  fp.thermalhelpersrange = 0;
  fp.turnpointhelpersrange = 0;
  fp.qaat = false;
  fp.allowbugwipers = false;
  fp.allowpda = false;
  fp.allowrealtimescoring = false;
  fp.allowexternalview = false;
  fp.allowpadlockview = false;
  fp.allowsmoke = false;
  fp.allowplanerecovery = false;
  fp.allowheightrecovery = false;
  fp.allowmidaircollisionrecovery = false;
  fp.penaltycloudflying = 0;
  fp.penaltyplanerecovery = 0;
  fp.penaltyheightrecovery = 0;
  fp.penaltywrongwindowenterance = 0;
  fp.penaltywindowcollision = 0;
  fp.penaltyairspaceenterance = 0;
  fp.penaltypenaltyzoneenterance = 0;
  fp.penaltythermalhelpers = 0;
  fp.maxstartgroundspeed = 0;
  fp.penaltystartspeed = 0;
  fp.penaltyhighstart = 0;
  fp.penaltylowfinish = 0;
  fp.randseed = 0;
  fp.starttype = 0;
  fp.startheight = 0;
  fp.breakprob = 0;
  fp.ropelength = 0;
  fp.maxteams = 0;
  fp.acroflight = 0;
  fp.maxwingloading = 0;

  fp.nb_as_zones = 0;
  fp.qas_disa.fill(false);
  fp.last_dis_as = -1;
  fp.nb_fpldesc = 0;
}

// vfmax_00, fmax_00 and gforce keep their values.
void init_glider(FlightPlan& fp) {
  fp.rmass = fp.mmass = fp.cmass = fp.wmass = fp.fmass = fp.balmax = 0;
  fp.glider.clear();
  fp.glclass.clear();
  fp.glskin.clear();
  fp.cgbias = 0;
  fp.glseat = 1;
  fp.qbugwipers = false;

  fp.vap.fill(0);
  fp.vzp.fill(0);
  fp.vap00.fill(0);
  fp.vzp00.fill(0);
  fp.pol_a.fill(0);
  fp.pol_b.fill(0);
  fp.pol_c.fill(0);
  fp.pol_d = fp.pol_v = fp.calage = 0;
  fp.pol_a00 = fp.pol_b00 = fp.pol_c00 = fp.pol_d00 = fp.pol_v00 = 0;
  fp.vmin_00 = fp.vvzm_00 = fp.v_vzmin = 0;
  fp.h_wnd = fp.fmulatm = fp.vmin = fp.vvzm = 0;
}

void init_wp(FlightPlan& fp) {
  fp.nb_wp = 0;
  fp.tpair.fill(0);
  fp.tpsecdir.fill(0);
  fp.tpsec.fill(1);
  fp.tprad.fill(3000);
  fp.tpang.fill(90);
  fp.tpx.fill(0);
  fp.tpy.fill(0);
  fp.tpz.fill(0);
  fp.tplat.fill(0);
  fp.tplon.fill(0);
  fp.tpazi.fill(0);
  fp.tphei.fill(0);
  fp.tpalt.fill(0);
  fp.tpwid.fill(0);
  fp.tpnam.fill(FixedText<32>());
}

}  // namespace tarvel
