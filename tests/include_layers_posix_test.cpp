// The layers of src/ call one way: a folder includes only its own headers and
// those of the folders below it. Lowest first:
//   platform -> util -> ui -> (geometry, install, flightplan) -> writer -> driver
// geometry, install and flightplan stand side by side and do not include one
// another. src/main.cpp stands above them all.
//
// The source tree is read where the build found it, so the test runs in the
// native program only; the rule is the same for both builds.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;

const std::map<std::string, int>& layer_ranks() {
  static const std::map<std::string, int> ranks = {
      {"platform", 0}, {"util", 1},       {"ui", 2},     {"geometry", 3},
      {"install", 3},  {"flightplan", 3}, {"writer", 4}, {"driver", 5},
  };
  return ranks;
}

// The folders that `folder` may include, for the message.
std::string allowed_list(const std::string& folder, int rank) {
  std::vector<std::pair<int, std::string>> allowed;
  for (const auto& [name, r] : layer_ranks()) {
    if (name == folder || r < rank) allowed.emplace_back(r, name);
  }
  std::sort(allowed.begin(), allowed.end());
  std::string list;
  for (const auto& item : allowed) list += (list.empty() ? "" : ", ") + item.second;
  return list;
}

// Every quoted include under `src` that breaks the rule, as
// "<file>:<line>: #include "<header>" (<why>)", the file relative to `src`'s parent.
std::vector<std::string> layer_violations(const fs::path& src) {
  static const std::regex include_line(R"(^\s*#\s*include\s*"([^"]+)\")");
  std::vector<std::string> found;
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    const std::string ext = entry.path().extension().string();
    if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h")) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files) {
    const fs::path relative = fs::relative(file, src);
    const bool top = std::distance(relative.begin(), relative.end()) == 1;  // src/main.cpp
    const std::string folder = top ? "" : relative.begin()->string();
    const auto own = layer_ranks().find(folder);
    const std::string name = "src/" + relative.generic_string();
    if (!top && own == layer_ranks().end()) {
      found.push_back(name + ": folder \"" + folder + "\" has no place among the layers");
      continue;
    }
    std::ifstream in(file);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
      std::smatch m;
      if (!std::regex_search(line, m, include_line)) continue;
      const std::string header = m[1];
      const std::size_t slash = header.find('/');
      if (slash == std::string::npos) continue;  // a header beside the file
      const std::string target = header.substr(0, slash);
      const std::string where = name + ":" + std::to_string(n) + ": #include \"" + header + "\"";
      const auto other = layer_ranks().find(target);
      if (other == layer_ranks().end()) {
        found.push_back(where + " (\"" + target + "\" is not a layer)");
      } else if (!top && target != folder && other->second >= own->second) {
        found.push_back(where + " (" + folder + " may include only " +
                        allowed_list(folder, own->second) + ")");
      }
    }
  }
  return found;
}

TEST(IncludeLayers, EveryIncludeUnderSrcCallsDownward) {
  const fs::path src = fs::path(TARVEL_SOURCE_DIR) / "src";
  ASSERT_TRUE(fs::is_directory(src / "driver")) << src;
  for (const std::string& violation : layer_violations(src)) ADD_FAILURE() << violation;
}

TEST(IncludeLayers, ForbiddenIncludesAreNamed) {
  test::TempDir dir;
  const fs::path src = dir.path() / "src";
  dir.write("src/main.cpp", "#include \"driver/tarvel.h\"\n#include \"platform/process.h\"\n");
  dir.write("src/driver/a.cpp",
            "#include \"driver/a.h\"\n#include \"writer/w.h\"\n#include \"platform/p.h\"\n");
  dir.write(
      "src/platform/files_posix.cpp",
      "#include \"platform/files.h\"\n#include <string>\n  #  include \"util/fixed_text.h\"\n");
  dir.write("src/geometry/read_trn.cpp",
            "#include \"geometry/read_trn.h\"\n"
            "// #include \"install/x.h\" is not an include\n"
            "#include \"install/install_paths.h\"\n");
  dir.write("src/flightplan/read_fpl.h",
            "#include \"writer/plan_output.h\"\n#include \"local.h\"\n");
  dir.write("src/util/x.cpp", "#include \"tools/helper.h\"\n");
  dir.write("src/extra/y.cpp", "#include \"platform/p.h\"\n");
  const std::vector<std::string> expected = {
      "src/extra/y.cpp: folder \"extra\" has no place among the layers",
      "src/flightplan/read_fpl.h:1: #include \"writer/plan_output.h\" (flightplan may include only "
      "platform, util, ui, flightplan)",
      "src/geometry/read_trn.cpp:3: #include \"install/install_paths.h\" (geometry may include "
      "only platform, util, ui, geometry)",
      "src/platform/files_posix.cpp:3: #include \"util/fixed_text.h\" (platform may include only "
      "platform)",
      "src/util/x.cpp:1: #include \"tools/helper.h\" (\"tools\" is not a layer)",
  };
  EXPECT_EQ(layer_violations(src), expected);
}

}  // namespace
}  // namespace tarvel
