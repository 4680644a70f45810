// The bodies of the fuzz targets: each takes arbitrary bytes and feeds them
// to one reader of the program the way the program does. They are shared by
// the libFuzzer programs (tests/fuzz/*_fuzz.cpp, clang only) and by the test
// that replays every corpus file in the ordinary test build, so a finding
// stays a test wherever the suite runs.
//
// A fuzz input may end the run by design (a plan with too many turnpoints):
// the caller's stop handler throws test::RunStopped and the target catches it.
// Nothing is shown: dialogs go to a backend that answers "cancel", console
// lines into a string cleared for each input, and files into one temporary
// folder of the process.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "driver/read_ini.h"
#include "driver/stopping_calls.h"
#include "flightplan/extract_key_val.h"
#include "flightplan/flight_plan.h"
#include "flightplan/is_true.h"
#include "flightplan/read_fpl.h"
#include "geometry/get_airspace_size.h"
#include "geometry/read_trn.h"
#include "geometry/utm.h"
#include "install/get_condor_2_path.h"
#include "install/get_condor_inst_dir.h"
#include "install/install_paths.h"
#include "platform/dialog_backend.h"
#include "platform/registry.h"
#include "platform/user_reg.h"
#include "support/memory_plan_output.h"
#include "support/test_support.h"
#include "ui/dialogs.h"
#include "util/console.h"
#include "util/log_message.h"
#include "util/read_value.h"
#include "writer/plan_output.h"
#include "writer/write_fpl_v3.h"

namespace tarvel::fuzz {

// Answers every dialog with "cancel" and shows nothing.
class SilentDialogs final : public DialogBackend {
 public:
  int message_box(const std::string&, const std::string&, const std::string&, const std::string&,
                  int) override {
    return 0;
  }
  std::optional<std::string> open_file(const std::string&, const std::string&,
                                       const std::vector<std::string>&, bool) override {
    return std::nullopt;
  }
  std::optional<std::string> save_file(const std::string&, const std::string&,
                                       const std::vector<std::string>&) override {
    return std::nullopt;
  }
  std::optional<std::string> select_folder(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

// A landscape that the Condor 3 installation of the fuzz folder holds: a plan
// of version 3 naming it sizes its disabled-airspace line from its airspaces.
inline constexpr std::string_view kFuzzLandscape = "Fuzzland";
inline constexpr int kFuzzLandscapeAirspaces = 200;

// What every target shares for the life of the process: a temporary folder
// holding a Condor 3 installation with one landscape and a Wine prefix.
class Environment {
 public:
  static Environment& get() {
    static Environment env;
    return env;
  }

  const std::filesystem::path& dir() const { return dir_.path(); }
  std::filesystem::path prefix() const { return dir() / "prefix"; }
  std::filesystem::path condor3() const { return dir() / "Condor3"; }

  // Writes `bytes` to the file `name` of the folder and returns its path.
  std::string write(const std::string& name, std::string_view bytes) const {
    const std::filesystem::path p = dir() / name;
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p.string();
  }

 private:
  Environment() {
    const std::filesystem::path land = condor3() / "Landscapes" / std::string(kFuzzLandscape);
    std::filesystem::create_directories(land);
    std::string air;
    for (int i = 0; i < kFuzzLandscapeAirspaces; ++i) air += "AC D\r\nAN Zone\r\n";
    std::ofstream(land / (std::string(kFuzzLandscape) + ".air"), std::ios::binary) << air;
    std::filesystem::create_directories(prefix());
  }

  test::TempDir dir_;
};

// The program state one input may touch, set for the input and put back
// afterwards (the replaying test shares its process with other tests): the
// dialogs, the console, the log file, the installation folders and the Wine prefix.
class InputScope {
 public:
  InputScope() : env_(Environment::get()), paths_(install_paths()) {
    if (const char* p = std::getenv("WINEPREFIX")) old_prefix_ = p;
    ::setenv("WINEPREFIX", env_.prefix().c_str(), 1);
    set_dialog_backend(&dialogs_);
    set_console_capture(&console_);
    // A log of its own for each input, so that a long run does not grow it.
    log_command_f("CREATE" + (env_.dir() / "fuzz.log").string());
    install_paths().instpath3 = env_.condor3().string();
    reset_user_reg_cache();
  }
  ~InputScope() {
    reset_user_reg_cache();
    install_paths() = paths_;
    set_console_capture(nullptr);
    set_dialog_backend(nullptr);
    if (old_prefix_) {
      ::setenv("WINEPREFIX", old_prefix_->c_str(), 1);
    } else {
      ::unsetenv("WINEPREFIX");
    }
  }
  InputScope(const InputScope&) = delete;
  InputScope& operator=(const InputScope&) = delete;

  Environment& env() { return env_; }

 private:
  Environment& env_;
  InstallPaths paths_;
  std::optional<std::string> old_prefix_;
  SilentDialogs dialogs_;
  std::string console_;
};

// Runs `body`, taking an end of the run as a normal outcome.
template <class F>
void allowing_stop(F&& body) {
  try {
    body();
  } catch (const test::RunStopped&) {
  }
}

[[noreturn]] inline void fail(const char* what) {
  std::fprintf(stderr, "fuzz property broken: %s\n", what);
  std::abort();
}

// A plan read in either mode (the first byte chooses: even a fresh read,
// odd an overlay read), then written as a Condor 3 plan.
inline int read_fpl_input(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  InputScope scope;
  const bool fresh = (data[0] & 1) == 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  auto fp = std::make_unique<FlightPlan>();
  allowing_stop([&] {
    std::istringstream in(text, std::ios::binary);
    int nl = 0;
    int ios = 0;
    read_fpl_or_stop(*fp, in, "C:\\Plans\\fuzz.fpl", fresh ? 15 : -16, true, (data[0] & 2) != 0, nl,
                     ios);
    if (nl < 0) fail("negative line count");
    // What the conversion relies on after a read that did not end the run.
    if (fp->nb_wp > maxtp + 1) fail("more turnpoints than the plan holds");
    if (fp->nb_pz > maxpz + 1) fail("more penalty zones than the plan holds");
    if (fp->last_dis_as < -1 || fp->last_dis_as > cmaxdisabledairspaceblockscount) {
      fail("a disabled-airspace list beyond the flags");
    }
    if (fp->nb_fpldesc < 0 || fp->nb_fpldesc > maxfpldesc) fail("description lines beyond 16");
    MemoryPlanOutput out;
    int iost = 0;
    write_fpl_v3(*fp, out, iost, false, fp->landscape.view());
    if (iost != 0) fail("a write to memory failed");
  });
  return 0;
}

// The settings file.
inline int read_ini_input(const std::uint8_t* data, std::size_t size) {
  InputScope scope;
  Environment& env = scope.env();
  const std::string path =
      env.write("TARVEL.ini", std::string_view(reinterpret_cast<const char*>(data), size));
  FixedText<256> deffile;
  FixedText<64> landname;
  bool qauto = false;
  FixedText<256> c2lndpath;
  allowing_stop([&] { read_ini(path, deffile, landname, qauto, c2lndpath); });
  return 0;
}

// A user.reg text: parsed on its own and scanned for one value, then as the
// Wine prefix's hive, through which the installation folders, the Documents
// folder (with its variable expanded) and the last pilot are looked up.
inline int user_reg_input(const std::uint8_t* data, std::size_t size) {
  InputScope scope;
  Environment& env = scope.env();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const UserReg reg = parse_user_reg(text);
  for (const char* key : {"Software\\Condor3", "Software\\Condor2", "SOFTWARE\\Condor3\\",
                          "Volatile Environment", ""}) {
    (void)reg.has_key(key);
    for (const char* name : {"InstallDir", "LastPlayer", "USERPROFILE", ""}) {
      if (const std::string* v = reg.find(key, name); v != nullptr && v->size() > (1u << 24)) {
        fail("a value larger than its file");
      }
    }
  }

  // The scan that stops early sees no value the whole parse does not see.
  UserRegValueScan scan("Software\\Condor3", "InstallDir");
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t nl = text.find('\n', start);
    if (!scan.feed(text.substr(start, nl - start)) || nl == std::string_view::npos) break;
    start = nl + 1;
  }
  if (scan.value() != nullptr && reg.find("Software\\Condor3", "InstallDir") == nullptr) {
    fail("a value the scan found and the parser did not");
  }

  std::ofstream(env.prefix() / "user.reg", std::ios::binary | std::ios::trunc) << text;
  reset_user_reg_cache();
  allowing_stop([&] {
    const RegistryRead r =
        read_registry_string(RegistryHive::current_user, "Software\\Condor3\\", "InstallDir");
    if (r.query_status == reg_success && r.value.size() + 1 > registry_buffer_size) {
      fail("a registry value longer than its buffer");
    }
    FixedText<256> path;
    get_condor_inst_dir(3, path, true);
    for (const char* which : {"3", "2"}) {
      for (const bool qpilot : {false, true}) {
        FixedText<256> folder(which);
        get_condor_2_path("", false, qpilot, folder);
      }
    }
  });
  return 0;
}

// A terrain file: its header, then the projection it selects, used on the
// landscape's corners and centre and back.
inline int read_trn_input(const std::uint8_t* data, std::size_t size) {
  InputScope scope;
  Environment& env = scope.env();
  const std::string path =
      env.write("land.trn", std::string_view(reinterpret_cast<const char*>(data), size));
  float xmax = 0, ymax = 0, orig_e = 0, orig_n = 0, orien = 0;
  int nlon = 0;
  char zlat = 0;
  const int status = read_trn_hdr(path, xmax, ymax, orig_e, orig_n, orien, nlon, zlat);
  if (status == 0 && size < 36) fail("a short header read as whole");
  if (status != 0 && size >= 36) fail("a whole header refused");
  if (status == 0 && (xmax < 0 || ymax < 0)) fail("a negative extent");

  float rxm = 0, rym = 0;
  UtmState utm;
  if (utm_init(utm, path, rxm, rym) == 1) {
    for (const float fx : {0.0f, 0.5f, 1.0f}) {
      for (const float fy : {0.0f, 0.5f, 1.0f}) {
        float lat = 0, lon = 0, x = 0, y = 0;
        xytolatlon(utm, rxm * fx, rym * fy, lat, lon);
        latlontoxy(utm, lat, lon, x, y);
      }
    }
  }
  return 0;
}

// An airspace file: the count of its "AC" lines, checked against a plain
// count of the same bytes.
inline int airspace_size_input(const std::uint8_t* data, std::size_t size) {
  InputScope scope;
  Environment& env = scope.env();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = env.write("land.air", bytes);
  int expected = 0;
  std::size_t start = 0;
  while (start <= bytes.size()) {
    if (bytes.substr(start, 2) == "AC") ++expected;
    const std::size_t nl = bytes.find('\n', start);
    if (nl == std::string_view::npos) break;
    start = nl + 1;
  }
  if (get_airspace_size(path) != expected) fail("airspace count differs from the AC lines");
  return 0;
}

// A value text: numbers read in free form, a key/value line and the items
// of a list.
inline int read_value_input(const std::uint8_t* data, std::size_t size) {
  InputScope scope;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  constexpr int int_mark = -123456789;
  int i = int_mark;
  const int si = read_value(text, i);
  if (si != read_ok && i != int_mark) fail("an integer changed by a failed read");
  const float float_mark = -1.25e-3f;
  float f = float_mark;
  const int sf = read_value(text, f);
  if (sf != read_ok && f != float_mark) fail("a real changed by a failed read");
  if (sf == read_ok && !std::isfinite(f)) fail("a real read as infinite or NaN");
  if (si == read_ok && i != int_mark && sf != read_ok) fail("an integer that is no real");

  FixedText<80> key;
  FixedText<80> val;
  extract_key_val(text, key, val);
  (void)is_true(val.view());

  std::string_view list = text;
  for (std::size_t n = 0; n <= text.size() + 1; ++n) {
    const std::size_t before = list.size();
    if (extract_list_next(list, ',').empty() && list.empty()) break;
    if (list.size() >= before && before != 0) fail("a list that does not shrink");
  }
  // The reader walks a list on a view; the fixed-width walk is the rule it
  // must follow item by item (both trimmed: the fixed one pads).
  if (text.size() <= 200) {
    FixedText<256> rest(text);
    FixedText<256> item;
    std::string_view view = text;
    for (std::size_t n = 0; n <= text.size() + 1; ++n) {
      extract_comma(rest, item);
      const std::string_view next = extract_list_next(view, ',');
      if (trim_left(trim_right(next)) != trim_left(item.trimmed())) {
        fail("the list walks on a view and on a fixed text differ");
      }
      if (item.is_blank()) break;
    }
  }
  return 0;
}

}  // namespace tarvel::fuzz
