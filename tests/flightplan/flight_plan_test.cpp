#include "flightplan/flight_plan.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace tarvel {
namespace {

// Every field of the record set to a value no initialiser uses.
std::unique_ptr<FlightPlan> dirty_plan() {
  auto fp = std::make_unique<FlightPlan>();
  fp->fpl_vers = 7;
  fp->nb_wp = fp->nb_pz = fp->npzmax = fp->nwpmax = fp->nb_as_zones = fp->nb_fpldesc = 7;
  fp->last_dis_as = 7;
  fp->wzp.fill(7);
  fp->pzp.fill(7);
  fp->pza.fill(7);
  for (auto* a : {&fp->tpx, &fp->tpy, &fp->tpz, &fp->tplat, &fp->tplon, &fp->tpazi, &fp->tphei,
                  &fp->tpalt, &fp->tpwid, &fp->tpdist}) {
    a->fill(7);
  }
  for (auto* a : {&fp->tpsecdir, &fp->tpair, &fp->tpsec, &fp->tprad, &fp->tpang, &fp->tpid})
    a->fill(7);
  fp->tpnam.fill("x");
  fp->wznam.fill("x");
  fp->fpldesc.fill("x");
  fp->landscape = "x";
  fp->fpl_000 = "x";
  fp->cloudbase = fp->jdate = 7;
  fp->finishminalt = fp->fimialt_eff = fp->tp_septhr = fp->pressure = fp->dist_tot = 7;
  fp->qas_disa.fill(true);
  fp->taskdate = 7;
  fp->starttime = fp->starttimewindow = fp->racestartdelay = fp->aattime = 7;
  fp->iconsvisiblerange = fp->thermalhelpersrange = fp->turnpointhelpersrange = 7;
  fp->qaat = fp->allowbugwipers = fp->allowpda = fp->allowrealtimescoring = true;
  fp->allowexternalview = fp->allowpadlockview = fp->allowsmoke = fp->allowplanerecovery = true;
  fp->allowheightrecovery = fp->allowmidaircollisionrecovery = true;
  fp->penaltycloudflying = fp->penaltyplanerecovery = fp->penaltyheightrecovery = 7;
  fp->penaltywrongwindowenterance = fp->penaltywindowcollision = fp->penaltyairspaceenterance = 7;
  fp->penaltypenaltyzoneenterance = fp->penaltythermalhelpers = fp->maxstartgroundspeed = 7;
  fp->penaltystartspeed = fp->penaltyhighstart = fp->penaltylowfinish = fp->randseed = 7;
  fp->starttype = fp->startheight = fp->breakprob = fp->maxteams = fp->acroflight = 7;
  fp->team = fp->maxwingloading = 7;
  fp->ropelength = 7;
  fp->movedir.fill(7);
  fp->thermalstemp.fill(7);
  fp->thermalsinversionheight.fill(7);
  fp->pointcount.fill(7);
  fp->highcloudscoverage.fill(7);
  fp->thermalsoverdevelopment.fill(7);
  fp->randomizeweatheroneachflight = true;
  fp->wzcount = 7;
  fp->glider = fp->glclass = fp->glskin = "x";
  fp->cgbias = 7;
  fp->glseat = 7;
  fp->qbugwipers = true;
  fp->rmass = fp->wmass = fp->fmass = fp->balmax = 7;
  fp->vap.fill(7);
  fp->pol_a.fill(7);
  fp->pol_d = fp->vfmax_00 = fp->fmax_00 = fp->gforce = fp->vmin = 7;
  return fp;
}

TEST(FlightPlanInit, ReadFplResetsThePlanAndKeepsTheCarriedFields) {
  auto fp = dirty_plan();
  init_read_fpl(*fp);
  EXPECT_EQ(fp->nb_wp, 0);
  EXPECT_EQ(fp->nb_pz, 0);
  EXPECT_EQ(fp->nwpmax, 0);
  EXPECT_EQ(fp->npzmax, 0);
  EXPECT_EQ(fp->nb_as_zones, 0);
  EXPECT_EQ(fp->nb_fpldesc, 0);
  EXPECT_EQ(fp->last_dis_as, -1);
  for (int i = 0; i <= cmaxdisabledairspaceblockscount; ++i) ASSERT_FALSE(fp->qas_disa(i)) << i;
  EXPECT_EQ(fp->tpx(30), 0);
  EXPECT_EQ(fp->tprad(0), 0);
  EXPECT_EQ(fp->tpsec(5), 0);
  EXPECT_EQ(fp->pzp(2, 3, 10), 0);
  EXPECT_EQ(fp->pza(3, 10), 0);
  EXPECT_EQ(fp->wzp(2, 16, 16), 0);
  EXPECT_TRUE(fp->tpnam(30).is_blank());
  EXPECT_TRUE(fp->wznam(16).is_blank());
  EXPECT_TRUE(fp->fpldesc(16).is_blank());
  EXPECT_TRUE(fp->landscape.is_blank());
  EXPECT_EQ(fp->movedir(16), 0);
  EXPECT_EQ(fp->thermalsinversionheight(0), 0);
  EXPECT_EQ(fp->pointcount(16), 0);
  EXPECT_EQ(fp->thermalsoverdevelopment(3), 0);
  EXPECT_EQ(fp->pressure, 101325.0f);
  EXPECT_EQ(fp->aattime, 0);
  EXPECT_FALSE(fp->qaat);
  EXPECT_FALSE(fp->allowmidaircollisionrecovery);
  EXPECT_EQ(fp->maxstartgroundspeed, 0);
  EXPECT_EQ(fp->ropelength, 0);
  EXPECT_EQ(fp->maxwingloading, 0);

  // Carried over to the next plan of the run.
  EXPECT_EQ(fp->fpl_vers, 7);
  EXPECT_TRUE(fp->fpl_000 == "x");
  EXPECT_EQ(fp->tpdist(3), 7);
  EXPECT_EQ(fp->tpsecdir(3), 7) << "the turnpoint initialiser resets the sector direction";
  EXPECT_EQ(fp->dist_tot, 7);
  EXPECT_EQ(fp->jdate, 7);
  EXPECT_EQ(fp->taskdate, 7);
  EXPECT_EQ(fp->starttime, 7);
  EXPECT_EQ(fp->cloudbase, 7);
  EXPECT_EQ(fp->team, 7);
  EXPECT_EQ(fp->wzcount, 7);
  EXPECT_TRUE(fp->randomizeweatheroneachflight);
  // Not the plan initialiser's business.
  EXPECT_TRUE(fp->glider == "x");
  EXPECT_EQ(fp->glseat, 7);
}

TEST(FlightPlanInit, GliderResetsTheGliderButThreePolarValues) {
  auto fp = dirty_plan();
  init_glider(*fp);
  EXPECT_TRUE(fp->glider.is_blank());
  EXPECT_TRUE(fp->glclass.is_blank());
  EXPECT_TRUE(fp->glskin.is_blank());
  EXPECT_EQ(fp->cgbias, 0);
  EXPECT_EQ(fp->glseat, 1);
  EXPECT_FALSE(fp->qbugwipers);
  EXPECT_EQ(fp->wmass, 0);
  EXPECT_EQ(fp->fmass, 0);
  EXPECT_EQ(fp->vap(3), 0);
  EXPECT_EQ(fp->pol_a(2), 0);
  EXPECT_EQ(fp->vmin, 0);
  EXPECT_EQ(fp->vfmax_00, 7);
  EXPECT_EQ(fp->fmax_00, 7);
  EXPECT_EQ(fp->gforce, 7);
  EXPECT_EQ(fp->nb_wp, 7);
}

TEST(FlightPlanInit, TurnpointsGetTheirDefaults) {
  auto fp = dirty_plan();
  init_wp(*fp);
  EXPECT_EQ(fp->nb_wp, 0);
  for (int i = 0; i <= maxtp; ++i) {
    EXPECT_EQ(fp->tpsec(i), 1);
    EXPECT_EQ(fp->tprad(i), 3000);
    EXPECT_EQ(fp->tpang(i), 90);
    EXPECT_EQ(fp->tpsecdir(i), 0);
    EXPECT_EQ(fp->tpair(i), 0);
    EXPECT_EQ(fp->tpx(i), 0);
    EXPECT_EQ(fp->tpwid(i), 0);
    EXPECT_TRUE(fp->tpnam(i).is_blank());
  }
  EXPECT_EQ(fp->tpid(0), 7);
  EXPECT_EQ(fp->tpdist(1), 7);
  EXPECT_EQ(fp->nb_pz, 7);
}

TEST(FlightPlanInit, StartOfRunIsAllZeroAndBlank) {
  auto fp = std::make_unique<FlightPlan>();
  EXPECT_EQ(fp->last_dis_as, 0);
  EXPECT_EQ(fp->glseat, 0);
  EXPECT_EQ(fp->pressure, 0);
  EXPECT_FALSE(fp->qas_disa(cmaxdisabledairspaceblockscount));
  EXPECT_TRUE(fp->fpldesc(1).is_blank());
}

TEST(FlightPlanRecord, IndexRangesAndSecondNames) {
  using Airspaces = decltype(FlightPlan::qas_disa);
  EXPECT_TRUE(Airspaces::in_range(0));
  EXPECT_TRUE(Airspaces::in_range(8192));
  EXPECT_FALSE(Airspaces::in_range(8193));
  EXPECT_FALSE(decltype(FlightPlan::fpldesc)::in_range(0));
  EXPECT_TRUE(decltype(FlightPlan::fpldesc)::in_range(16));
  EXPECT_FALSE(decltype(FlightPlan::tpx)::in_range(31));
  EXPECT_FALSE(decltype(FlightPlan::tpx)::in_range(-1));
  EXPECT_EQ(maxwzm1, 15);
  EXPECT_EQ(maxwzptm1, 15);

  FlightPlan fp;
  fp.t_aat() = 3.5f;
  fp.start_max_speed() = 170;
  fp.glnam() = "LS8";
  EXPECT_EQ(fp.aattime, 3.5f);
  EXPECT_EQ(fp.maxstartgroundspeed, 170);
  EXPECT_TRUE(fp.glider == "LS8");
  const bool pda = !fp.allowpda;
  const bool midair = !fp.allowmidaircollisionrecovery;
  fp.qpda() = pda;
  fp.qmidair() = midair;
  fp.cloudpen() = fp.penaltycloudflying + 2;
  EXPECT_EQ(fp.allowpda, pda);
  EXPECT_EQ(fp.allowmidaircollisionrecovery, midair);
  EXPECT_EQ(fp.cloudpen(), fp.penaltycloudflying);
}

TEST(FlightPlanRecordDeathTest, IndexOutsideItsRangeStopsInsteadOfWritingElsewhere) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  FlightPlan fp;
  EXPECT_DEATH(fp.tpx(31) = 1, "index 31 outside 0..30");
}

}  // namespace
}  // namespace tarvel
