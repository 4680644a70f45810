#include <cstdlib>
#include <fstream>

#include "support/test_support.h"
#include "support/zenity_stub.h"

namespace tarvel::test {

namespace fs = std::filesystem;

namespace {

// Each call appends its arguments, each ended by NUL, then a record
// separator. Choosers count themselves and print answer<n> when it exists.
constexpr const char* kScript =
    "#!/bin/sh\n"
    "d=\"$ZENITY_STUB_DIR\"\n"
    "for a in \"$@\"; do printf '%s\\0' \"$a\" >> \"$d/calls\"; done\n"
    "printf '\\036' >> \"$d/calls\"\n"
    "[ \"$1\" = --file-selection ] || exit 0\n"
    "n=$(( $(cat \"$d/count\" 2>/dev/null || echo 0) + 1 ))\n"
    "echo \"$n\" > \"$d/count\"\n"
    "[ -f \"$d/answer$n\" ] || exit 1\n"
    "cat \"$d/answer$n\"\n"
    "echo\n";

std::string value_of(const std::vector<std::string>& args, const std::string& prefix) {
  for (const std::string& a : args) {
    if (a.rfind(prefix, 0) == 0) return a.substr(prefix.size());
  }
  return {};
}

bool has(const std::vector<std::string>& args, const std::string& arg) {
  for (const std::string& a : args) {
    if (a == arg) return true;
  }
  return false;
}

}  // namespace

ZenityStub::ZenityStub(fs::path dir) : dir_(std::move(dir)) {
  fs::create_directories(dir_ / "bin");
  const fs::path script = dir_ / "bin" / "zenity";
  std::ofstream(script, std::ios::binary) << kScript;
  fs::permissions(script, fs::perms::owner_all);
}

void ZenityStub::answers(const std::vector<std::optional<std::string>>& paths) const {
  for (const auto& entry : fs::directory_iterator(dir_)) {
    if (entry.path().filename().string().rfind("answer", 0) == 0) fs::remove(entry.path());
  }
  fs::remove(dir_ / "count");
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (paths[i])
      std::ofstream(dir_ / ("answer" + std::to_string(i + 1)), std::ios::binary) << *paths[i];
  }
}

std::map<std::string, std::string> ZenityStub::env() const {
  const char* path = std::getenv("PATH");
  return {{"PATH", (dir_ / "bin").string() + ":" + (path != nullptr ? path : "/usr/bin:/bin")},
          {"DISPLAY", ":99"},
          {"ZENITY_STUB_DIR", dir_.string()}};
}

std::vector<std::vector<std::string>> ZenityStub::calls() const {
  std::vector<std::vector<std::string>> out;
  if (!fs::exists(dir_ / "calls")) return out;
  std::vector<std::string> args;
  std::string arg;
  for (char c : read_file(dir_ / "calls")) {
    if (c == '\036') {
      out.push_back(args);
      args.clear();
    } else if (c == '\0') {
      args.push_back(arg);
      arg.clear();
    } else {
      arg.push_back(c);
    }
  }
  return out;
}

std::vector<std::string> ZenityStub::transcript() const {
  std::vector<std::string> out;
  for (const auto& args : calls()) {
    const std::string title = value_of(args, "--title=");
    if (!args.empty() && args[0] == "--file-selection") {
      const char* kind = has(args, "--directory") ? "folder"
                         : has(args, "--save")    ? "save"
                                                  : "open";
      out.push_back(std::string(kind) + " " + title + " " + value_of(args, "--filename="));
    } else {
      out.push_back((args.empty() ? std::string() : args[0].substr(2)) + " " + title + ": " +
                    value_of(args, "--text="));
    }
  }
  return out;
}

}  // namespace tarvel::test
