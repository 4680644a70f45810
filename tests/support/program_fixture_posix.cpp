#include <bit>
#include <cstdint>
#include <fstream>

#include "install/install_fixture.h"
#include "support/program_fixture.h"

namespace tarvel::test {

namespace fs = std::filesystem;

namespace {

void put_le32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

std::string terrain_bytes(const Terrain& t) {
  std::string out;
  put_le32(out, static_cast<std::uint32_t>(t.cells_x));
  put_le32(out, static_cast<std::uint32_t>(t.cells_y));
  put_le32(out, std::bit_cast<std::uint32_t>(0.0f));
  put_le32(out, std::bit_cast<std::uint32_t>(-t.cell));
  put_le32(out, std::bit_cast<std::uint32_t>(t.cell));
  put_le32(out, std::bit_cast<std::uint32_t>(t.orig_e));
  put_le32(out, std::bit_cast<std::uint32_t>(t.orig_n));
  out.push_back(static_cast<char>(t.zone));
  out.append(3, '\0');
  out.push_back(t.hemisphere);
  out.append(3, '\0');
  out.append("elevation data follows");
  return out;
}

std::string airspace_text(int count) {
  std::string out = "* invented airspaces\r\n";
  for (int i = 0; i < count; ++i) {
    out += "AC D\r\nAN Zone " + std::to_string(i) + "\r\nAL GND\r\nAH 1500m MSL\r\n";
    out += "DP 46:10:00 N 009:20:00 E\r\n\r\n";
  }
  return out;
}

std::string condor2_plan(std::string_view landscape, int version) {
  std::string t = "[Version]\nCondor version=" + std::to_string(version) + "\n\n[Task]\nLandscape=";
  t += landscape;
  t += R"(
Count=3
TPName0=Home field
TPPosX0=100250.5
TPPosY0=80120.25
TPPosZ0=300
TPAirport0=1
TPSectorType0=0
TPRadius0=3000
TPAngle0=90
TPAltitude0=1500
TPWidth0=0
TPHeight0=0
TPAzimuth0=0
TPName1=North <peak>
TPPosX1=98000
TPPosY1=126500
TPPosZ1=1610
TPAirport1=0
TPSectorType1=0
TPRadius1=500
TPAngle1=90
TPAltitude1=1800
TPWidth1=0
TPHeight1=0
TPAzimuth1=1.5708
TPName2=Home field
TPPosX2=100250.5
TPPosY2=80120.25
TPPosZ2=300
TPAirport2=1
TPSectorType2=0
TPRadius2=1500
TPAngle2=360
TPAltitude2=1500
TPWidth2=0
TPHeight2=0
TPAzimuth2=0
PZCount=1
PZPos0X0=110000
PZPos0Y0=95000
PZPos1X0=114000.5
PZPos1Y0=95000
PZPos2X0=114000.5
PZPos2Y0=99500.25
PZPos3X0=110000
PZPos3Y0=99500.25
PZBase0=0
PZTop0=1500.6
PZPenaltyTimeFactor0=2

[Weather]
WindDir=250
WindSpeed=4.5
ThermalsTemp=18.3
ThermalsDew=11
ThermalsStrength=3
ThermalsInversionheight=1500
Pressure=1013.25

[Plane]
Class=Standard
Name=Trainer
Skin=Default
Water=80
Seat=1

[GameOptions]
TaskDate=46210
StartTime=12.5
MaxStartGroundSpeed=120
RandSeed=4242
RopeLength=60

[Description]
Text=Out and return
Second line
)";
  return crlf(t);
}

ProgramFixture::ProgramFixture(fs::path prefix_in_home)
    : prefix_in_home_(std::move(prefix_in_home)) {
  fs::create_directories(drive_c());
  fs::create_directories(prefix() / "dosdevices");
  fs::create_symlink("../drive_c", prefix() / "dosdevices" / "c:");
  fs::create_directories(program_dir());
  fs::create_directories(work_dir());
  fs::copy_file(tarvel_exe(), program_dir() / "TARVEL");
  fs::create_directories(c2_plans());
  fs::create_directories(c3_plans());

  write(drive_c() / "Condor2" / "Condor.exe", "MZ");
  write(drive_c() / "Condor2" / "Logs" / "Logfile.txt", "Log\r\nCondor version: 2300\r\n");
  write(drive_c() / "Condor3" / "Condor.exe", "MZ");
  write(drive_c() / "Condor3" / "Logs" / "Logfile.txt", "Log\r\nCondor version: 3014\r\n");
  c2_landscape("Brenvale");
  Terrain brenvale3;
  brenvale3.cells_x = brenvale3.cells_y = 2560;
  brenvale3.orig_e = 712000.0f;
  brenvale3.orig_n = 4985000.0f;
  c3_landscape("Brenvale3", brenvale3, 4);
  Terrain orlanda;
  orlanda.cells_x = 4096;
  orlanda.cells_y = 3072;
  orlanda.cell = 60.0f;
  orlanda.orig_e = 332000.0f;
  orlanda.orig_n = 5070000.0f;
  orlanda.zone = 33;
  c3_landscape("Orlanda", orlanda, 2);
}

fs::path ProgramFixture::write(const fs::path& path, std::string_view bytes) const {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

void ProgramFixture::c2_landscape(const std::string& name, const Terrain& t) const {
  write(drive_c() / "Condor2" / "Landscapes" / name / (name + ".trn"), terrain_bytes(t));
}

void ProgramFixture::c3_landscape(const std::string& name, const Terrain& t, int airspaces) const {
  const fs::path folder = drive_c() / "Condor3" / "Landscapes" / name;
  write(folder / (name + ".trn"), terrain_bytes(t));
  write(folder / (name + ".air"), airspace_text(airspaces));
}

fs::path ProgramFixture::plan(const std::string& name, std::string_view text) const {
  return write(c2_plans() / name, text);
}

void ProgramFixture::settings(std::string_view text) const {
  write(program_dir() / "TARVEL.ini", text);
}

std::string ProgramFixture::win(const fs::path& p) const {
  std::string s = p.string();
  const std::string c = drive_c().string();
  if (s.compare(0, c.size(), c) == 0) s.replace(0, c.size(), "C:");
  for (char& ch : s) {
    if (ch == '/') ch = '\\';
  }
  return s;
}

void ProgramFixture::write_user_reg() const {
  std::string reg(kUserRegHead);
  if (!condor2_dir.empty()) {
    reg += reg_key("Software\\Condor2", {{"InstallDir", condor2_dir}, {"LastPlayer", "Ann"}});
  }
  if (!condor3_dir.empty()) {
    reg += reg_key("Software\\Condor3", {{"InstallDir", condor3_dir}, {"LastPlayer", "Ann"}});
  }
  reg += user_folders(personal, profile);
  reg += extra_reg;
  write(prefix() / "user.reg", reg);
}

ProgramRun ProgramFixture::run(const std::vector<std::string>& args,
                               const std::map<std::string, std::string>& env) const {
  ProgramOptions options;
  options.env = env;
  return run_with(args, options);
}

ProgramRun ProgramFixture::run_with(const std::vector<std::string>& args,
                                    ProgramOptions options) const {
  write_user_reg();
  if (options.cwd.empty()) options.cwd = work_dir();
  const std::map<std::string, std::string> env = options.env;
  options.env = {{"WINEPREFIX", prefix().string()},
                 {"HOME", root().string()},
                 {"DISPLAY", ""},
                 {"WAYLAND_DISPLAY", ""},
                 {"LC_ALL", ""},
                 {"LC_MESSAGES", ""},
                 {"LANG", "C"}};
  for (const auto& [name, value] : env) options.env[name] = value;
  std::vector<std::string> argv = {(program_dir() / "TARVEL").string()};
  argv.insert(argv.end(), args.begin(), args.end());
  return run_program(program_dir() / "TARVEL", argv, options);
}

std::string ProgramFixture::log() const {
  for (const auto& entry : fs::directory_iterator(work_dir())) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("TARVEL_", 0) == 0 && entry.path().extension() == ".log") {
      return read_file(entry.path());
    }
  }
  return {};
}

std::string ProgramFixture::output(const std::string& name) const {
  return read_file(c3_plans() / name);
}

}  // namespace tarvel::test
