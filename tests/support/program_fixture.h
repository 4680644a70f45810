// A whole installation for end-to-end runs of the built program (POSIX test
// builds): a Wine-style prefix with Condor 2 and Condor 3 installed, their
// landscapes, the user's Documents folder with Condor 2 plans, and a program
// folder holding a copy of TARVEL. The run happens in a working folder of its
// own, where the run's log file lands. Everything lives in a TempDir.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "support/run_program.h"
#include "support/test_support.h"

namespace tarvel::test {

// A terrain header as a test sets it (little-endian fields, 36 bytes).
struct Terrain {
  int cells_x = 2048;
  int cells_y = 2048;
  float cell = 90.0f;  // metres; written negative along X as landscapes do
  float orig_e = 700000.0f;
  float orig_n = 5000000.0f;
  int zone = 32;
  char hemisphere = 'N';
};
std::string terrain_bytes(const Terrain& t);

// An airspace file with `count` airspaces ("AC" lines) and other lines between.
std::string airspace_text(int count);

// A Condor 2 plan on `landscape` with three turnpoints, one penalty zone, one
// weather section and a two-line description. `version` is the
// "Condor version" value.
std::string condor2_plan(std::string_view landscape = "Brenvale", int version = 2300);

class ProgramFixture {
 public:
  // `prefix_in_home`: where the prefix lies below root(), the HOME of a run.
  explicit ProgramFixture(std::filesystem::path prefix_in_home = "prefix");
  ProgramFixture(const ProgramFixture&) = delete;
  ProgramFixture& operator=(const ProgramFixture&) = delete;

  // What user.reg says (written at each run): Condor 2 and 3 InstallDir
  // (blank: not registered), the Documents folder and the profile folder.
  std::string condor2_dir = "C:\\Condor2";
  std::string condor3_dir = "C:\\Condor3";
  std::string personal = "%USERPROFILE%\\Documents";
  std::string profile = "C:\\users\\ann";
  std::string extra_reg;  // more user.reg text, appended as it stands

  const std::filesystem::path& root() const { return dir_.path(); }
  std::filesystem::path prefix() const { return root() / prefix_in_home_; }
  std::filesystem::path drive_c() const { return prefix() / "drive_c"; }
  std::filesystem::path program_dir() const { return root() / "program"; }
  std::filesystem::path work_dir() const { return root() / "work"; }
  std::filesystem::path documents() const { return drive_c() / "users" / "ann" / "Documents"; }
  std::filesystem::path c2_plans() const { return documents() / "Condor" / "FlightPlans"; }
  std::filesystem::path c3_plans() const { return documents() / "Condor3" / "FlightPlans"; }

  // Writes a file (parents made) and returns its path.
  std::filesystem::path write(const std::filesystem::path& path, std::string_view bytes) const;

  // Landscapes: the terrain file, and for Condor 3 the airspace file.
  void c2_landscape(const std::string& name, const Terrain& t = {}) const;
  void c3_landscape(const std::string& name, const Terrain& t = {}, int airspaces = 3) const;

  // A plan in the Condor 2 user folder's FlightPlans folder.
  std::filesystem::path plan(const std::string& name, std::string_view text) const;
  // The settings file in the program folder.
  void settings(std::string_view text) const;

  // A path as the program sees it: "C:\..." below drive_c, else with "\".
  std::string win(const std::filesystem::path& p) const;

  // Runs the program copy with `args` (argument 0 added). The environment has
  // WINEPREFIX set to the prefix, no display, LANG=C; `env` adds or, with an
  // empty value, removes variables.
  ProgramRun run(const std::vector<std::string>& args,
                 const std::map<std::string, std::string>& env = {}) const;
  // The same with more options; an empty working folder is work_dir().
  ProgramRun run_with(const std::vector<std::string>& args, ProgramOptions options) const;

  // The run's log file (the one TARVEL_*.log in the working folder).
  std::string log() const;
  // A converted plan in the Condor 3 FlightPlans folder.
  std::string output(const std::string& name) const;

 private:
  void write_user_reg() const;
  TempDir dir_;
  std::filesystem::path prefix_in_home_;
};

}  // namespace tarvel::test
