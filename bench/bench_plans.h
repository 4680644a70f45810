// What the benchmarks read and write: a typical Condor 2 plan (the one the
// batch benchmark tools/bench-batch converts a thousand times), Condor 3
// plans whose landscape has a chosen number of airspaces, and the Condor 3
// installation those plans need. Everything on disk lives in a temporary
// folder that is removed when the program ends.
#pragma once

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <istream>
#include <map>
#include <memory>
#include <random>
#include <streambuf>
#include <string>
#include <string_view>

#include "flightplan/flight_plan.h"
#include "flightplan/read_fpl.h"
#include "install/install_paths.h"
#include "support/memory_plan_output.h"
#include "util/console.h"
#include "writer/write_fpl_v3.h"

namespace tarvel::bench {

// Console lines go to a string for the lifetime of the object, so that the
// figures leave out the terminal; the string is emptied on every clear().
class ConsoleSink {
 public:
  ConsoleSink() { set_console_capture(&text_); }
  ~ConsoleSink() { set_console_capture(nullptr); }
  ConsoleSink(const ConsoleSink&) = delete;
  ConsoleSink& operator=(const ConsoleSink&) = delete;
  void clear() { text_.clear(); }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// An input stream over bytes held elsewhere, without copying them.
class ViewStream : private std::streambuf, public std::istream {
 public:
  explicit ViewStream(std::string_view bytes) : std::istream(this) {
    char* p = const_cast<char*>(bytes.data());
    setg(p, p, p + bytes.size());
  }
};

// The shortest text that reads back as `v` ("100250.5", "3000").
inline std::string num(double v) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

inline std::string crlf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

// 6 turnpoints, 2 penalty zones, a weather section, the glider, the game
// options and one description line, with CR LF line ends.
inline std::string typical_condor2_plan(std::string_view landscape = "Fennmoor") {
  struct Tp {
    const char* name;
    double x, y;
    int z, airport, radius, angle;
  };
  static constexpr Tp tps[] = {
      {"Fennmoor airfield", 100250.5, 80120.25, 452, 1, 3000, 90},
      {"Start <North gate>", 98250.5, 86680.25, 610, 0, 2000, 180},
      {"Col du Brenn", 121651.25, 112480.75, 1840, 0, 500, 90},
      {"Orla church", 76500.5, 131180.5, 980, 0, 500, 90},
      {"Lake dam", 90751, 101380.25, 720, 0, 500, 90},
      {"Fennmoor finish", 100250.5, 80120.25, 452, 1, 3000, 360},
  };
  std::string t = "[Version]\nCondor version=2300\n\n[Task]\nLandscape=";
  t += landscape;
  t += "\nCount=6\n";
  int i = 0;
  for (const Tp& tp : tps) {
    const std::string n = std::to_string(i);
    t += "TPName" + n + "=" + tp.name + "\n";
    t += "TPPosX" + n + "=" + num(tp.x) + "\nTPPosY" + n + "=" + num(tp.y) + "\n";
    t += "TPPosZ" + n + "=" + std::to_string(tp.z) + "\nTPAirport" + n + "=" +
         std::to_string(tp.airport) + "\nTPSectorType" + n + "=0\n";
    t += "TPRadius" + n + "=" + std::to_string(tp.radius) + "\nTPAngle" + n + "=" +
         std::to_string(tp.angle) + "\nTPAltitude" + n + "=" + std::to_string(1500 + 100 * i) +
         "\n";
    t += "TPWidth" + n + "=0\nTPHeight" + n + "=0\nTPAzimuth" + n + "=" +
         (i == 1 ? "0.7854" : "0") + "\n";
    ++i;
  }
  t += "PZCount=2\n";
  for (int z = 0; z < 2; ++z) {
    const double x0 = 110250.5 + 5000 * z;
    const double y0 = 95000 - 3000 * z;
    const double xs[] = {x0, x0 + 4000.5, x0 + 4000.5, x0};
    const double ys[] = {y0, y0, y0 + 4500.25, y0 + 4500.25};
    for (int c = 0; c < 4; ++c) {
      const std::string c_ = std::to_string(c);
      const std::string z_ = std::to_string(z);
      t += "PZPos" + c_ + "X" + z_ + "=" + num(xs[c]) + "\n";
      t += "PZPos" + c_ + "Y" + z_ + "=" + num(ys[c]) + "\n";
    }
    t += "PZBase" + std::to_string(z) + "=0\nPZTop" + std::to_string(z) + "=" +
         num(1500.6 + 200 * z) + "\nPZPenaltyTimeFactor" + std::to_string(z) + "=2\n";
  }
  t += R"(
[Weather]
WindDir=250
WindSpeed=4.5
WindUpperSpeed=9
WindDirVariation=10
WindSpeedVariation=2
WindTurbulence=1
ThermalsTemp=24.5
ThermalsTempVariation=1
ThermalsDew=11
ThermalsStrength=3
ThermalsStrengthVariation=1
ThermalsInversionheight=2100
ThermalsOverdevelopment=0
ThermalsWidth=2
ThermalsWidthVariation=1
ThermalsActivity=3
ThermalsActivityVariation=1
ThermalsTurbulence=1
ThermalsFlatsActivity=2
ThermalsStreeting=1
ThermalsBugs=1
WavesStability=2
WavesMoisture=1
HighCloudsCoverage=1
Pressure=1016.5

[Plane]
Class=Standard
Name=Trainer 15
Skin=Default
Water=80
FixedMass=0
CGBias=0
Seat=1
Bugwipers=1

[GameOptions]
TaskDate=46210
StartTime=12.5
StartTimeWindow=0.5
RaceStartDelay=0
IconsVisibleRange=10
ThermalHelpersRange=0
TurnpointHelpersRange=10
AllowBugwipers=1
AllowPDA=1
AllowRealtimeScoring=1
AllowExternalView=1
AllowPadlockView=1
AllowSmoke=1
AllowPlaneRecovery=0
AllowHeightRecovery=0
AllowMidairCollisionRecovery=1
PenaltyCloudFlying=0
PenaltyPlaneRecovery=0
PenaltyHeightRecovery=0
PenaltyWrongWindowEnterance=0
PenaltyWindowCollision=0
PenaltyAirspaceEnterance=0
PenaltyPenaltyZoneEnterance=0
PenaltyThermalHelpers=0
MaxStartGroundSpeed=0
PenaltyStartSpeed=0
PenaltyHighStart=0
PenaltyLowFinish=0
RandSeed=4242
StartType=1
StartHeight=1000
BreakProb=0
RopeLength=60
MaxWingLoading=0
MaxTeams=0
AcroFlight=0

[Description]
Text=Season task: 4 turnpoints, stay out of the two penalty zones.
)";
  return crlf(t);
}

// A temporary folder, removed with everything in it when the object goes away.
class TempFolder {
 public:
  TempFolder() {
    path_ = std::filesystem::temp_directory_path() /
            ("tarvel-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A Condor 3 installation folder with landscapes "Air<n>" whose airspace
// files hold n airspaces; it becomes the run's Condor 3 installation, so a
// Condor 3 plan on "Air<n>" sizes its disabled-airspace line for n.
class Condor3Landscapes {
 public:
  static Condor3Landscapes& instance() {
    static Condor3Landscapes landscapes;
    return landscapes;
  }

  // The landscape name for n airspaces, made on first use.
  std::string landscape(int airspaces) {
    const std::string name = "Air" + std::to_string(airspaces);
    if (made_.emplace(airspaces, true).second) {
      const auto folder = root_.path() / "Landscapes" / name;
      std::filesystem::create_directories(folder);
      std::ofstream air(folder / (name + ".air"), std::ios::binary);
      std::string text = "* airspaces\r\n";
      for (int i = 0; i < airspaces; ++i) {
        text += "AC D\r\nAN Zone " + std::to_string(i) + "\r\nAL GND\r\nAH 1500m MSL\r\n\r\n";
      }
      air << text;
    }
    install_paths().instpath3 = root_.path().string();
    return name;
  }

  const std::filesystem::path& root() const { return root_.path(); }

 private:
  Condor3Landscapes() = default;
  TempFolder root_;
  std::map<int, bool> made_;
};

// The typical plan as the driver hands it to the writer: read fresh, every
// airspace of a destination with `airspaces` airspaces disabled.
inline std::unique_ptr<FlightPlan> converted_plan(int airspaces) {
  auto fp = std::make_unique<FlightPlan>();
  ConsoleSink console;
  const std::string text = typical_condor2_plan();
  ViewStream in(text);
  int nl = 0;
  int ios = 0;
  read_fpl(*fp, in, "plan.fpl", 15, true, nl, ios);
  fp->nb_as_zones = airspaces;
  fp->last_dis_as = std::min(airspaces - 1, cmaxdisabledairspaceblockscount);
  fp->qas_disa.fill(true);
  return fp;
}

// The Condor 3 text of converted_plan(airspaces) on the landscape "Air<n>".
inline std::string condor3_plan_text(int airspaces) {
  const std::string land = Condor3Landscapes::instance().landscape(airspaces);
  const auto fp = converted_plan(airspaces);
  ConsoleSink console;
  MemoryPlanOutput out;
  int iost = 0;
  write_fpl_v3(*fp, out, iost, false, land);
  return out.text;
}

}  // namespace tarvel::bench
