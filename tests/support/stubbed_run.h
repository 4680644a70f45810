// Whole runs of the built program on a fixture installation with the
// stand-in zenity beside it (POSIX test builds), and small readers of what a
// run leaves behind.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/program_fixture.h"
#include "support/zenity_stub.h"

namespace tarvel::test {

struct StubbedInstallation {
  ProgramFixture fx;
  ZenityStub zenity{fx.root() / "zenity"};

  // A run with the stub first on the PATH and a display set; `env` as for
  // ProgramFixture::run.
  ProgramRun run(const std::vector<std::string>& args,
                 std::map<std::string, std::string> env = {}) const;
  // Writes condor2_plan(landscape, version) as the Condor 2 plan `name` and
  // returns its path as the program sees it.
  std::string plan(const std::string& name, const std::string& landscape = "Brenvale",
                   int version = 2300) const;
  // Paths as the program sees them: a Condor 2 plan, a Condor 3 output.
  std::string c2(const std::string& name) const { return fx.win(fx.c2_plans() / name); }
  std::string c3(const std::string& name) const { return fx.win(fx.c3_plans() / name); }
};

// A path that a dialog answered, as the program holds it: "/" made "\\".
std::string backslashed(const std::filesystem::path& posix_path);

bool contains(const std::string& text, const std::string& part);

// The value of `key` in a plan written with CR LF line ends; "?" when absent.
std::string value_of(const std::string& plan, const std::string& key);

// The names of the entries of a folder, sorted.
std::vector<std::string> names_in(const std::filesystem::path& folder);

}  // namespace tarvel::test
