// Cost of looking for the Wine prefix that holds Condor 3 in a home folder
// with 100 prefixes spread over the usual homes (Lutris, Bottles, Steam,
// wineprefixes), each with a user.reg of Wine's usual size (about 1,600
// lines, 80 KB).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/prefix_search.h"

namespace {

namespace fs = std::filesystem;

// A user.reg in Wine's form: keys sorted, so Condor 3's key comes early and
// the long Software\Microsoft and Software\Wine parts after it.
std::string user_reg(bool condor3) {
  std::string reg =
      "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-1-2-3-1000\n\n"
      "#arch=win64\n";
  auto section = [&reg](const std::string& key, int values) {
    reg += "\n[" + key + "] 1796985983\n#time=1dc6b5e4b1a2c3d\n";
    for (int v = 0; v < values; ++v) {
      reg += "\"Value" + std::to_string(v) + "\"=\"C:\\\\windows\\\\system32\\\\some" +
             std::to_string(v) + ".dll\"\n";
    }
  };
  for (int i = 0; i < 20; ++i) section("Control Panel\\\\Item" + std::to_string(i), 8);
  section("Software\\\\Condor2", 2);
  if (condor3) {
    section("Software\\\\Condor3", 0);
    reg += "\"InstallDir\"=\"C:\\\\Condor3\"\n";
  }
  for (int i = 0; i < 140; ++i) {
    section("Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Part" + std::to_string(i), 9);
  }
  return reg;
}

class Home {
 public:
  // `with_condor3` prefixes (the first ones) register Condor 3.
  explicit Home(int with_condor3) {
    path_ =
        fs::temp_directory_path() / ("tarvel-bench-home-" + std::to_string(std::random_device{}()));
    const char* homes[] = {"Games/game", ".local/share/bottles/bottles/bottle",
                           ".local/share/Steam/steamapps/compatdata/10",
                           ".local/share/wineprefixes/p"};
    for (int i = 0; i < 100; ++i) {
      fs::path prefix = path_ / (homes[i % 4] + std::to_string(i));
      if (i % 4 == 2) prefix /= "pfx";
      fs::create_directories(prefix / "drive_c");
      std::ofstream(prefix / "user.reg", std::ios::binary) << user_reg(i < with_condor3);
    }
  }
  ~Home() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  std::string path() const { return path_.string(); }

 private:
  fs::path path_;
};

void BM_PrefixSearch(benchmark::State& state) {
  const Home home(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    tarvel::PrefixSearch s =
        tarvel::search_prefix_homes(home.path(), "Software\\Condor3", "InstallDir");
    benchmark::DoNotOptimize(s);
  }
}
// 100 prefixes, none / one / all of them with Condor 3.
BENCHMARK(BM_PrefixSearch)->Arg(0)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
