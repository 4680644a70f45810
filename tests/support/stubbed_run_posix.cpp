#include <algorithm>

#include "support/stubbed_run.h"

namespace tarvel::test {

ProgramRun StubbedInstallation::run(const std::vector<std::string>& args,
                                    std::map<std::string, std::string> env) const {
  for (const auto& [name, value] : zenity.env()) env.emplace(name, value);
  return fx.run(args, env);
}

std::string StubbedInstallation::plan(const std::string& name, const std::string& landscape,
                                      int version) const {
  return fx.win(fx.plan(name, condor2_plan(landscape, version)));
}

std::string backslashed(const std::filesystem::path& posix_path) {
  std::string out = posix_path.string();
  std::replace(out.begin(), out.end(), '/', '\\');
  return out;
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::string value_of(const std::string& plan, const std::string& key) {
  const std::string start = "\r\n" + key + "=";
  const std::size_t at = plan.find(start);
  if (at == std::string::npos) return "?";
  const std::size_t from = at + start.size();
  return plan.substr(from, plan.find('\r', from) - from);
}

std::vector<std::string> names_in(const std::filesystem::path& folder) {
  std::vector<std::string> out;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    out.push_back(entry.path().filename().string());
  }
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace tarvel::test
