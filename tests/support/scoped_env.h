// Sets or removes an environment variable for the life of the object and
// puts the old value back afterwards (POSIX only).
#pragma once

#ifndef _WIN32

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace tarvel::test {

class ScopedEnv {
 public:
  // value nullptr (or nullopt) removes the variable.
  ScopedEnv(const char* name, const char* value)
      : ScopedEnv(std::string(name),
                  value != nullptr ? std::optional<std::string>(value) : std::nullopt) {}
  ScopedEnv(std::string name, std::optional<std::string> value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) old_ = old;
    if (value) {
      ::setenv(name_.c_str(), value->c_str(), 1);
    } else {
      ::unsetenv(name_.c_str());
    }
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_.c_str(), old_->c_str(), 1);
    } else {
      ::unsetenv(name_.c_str());
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace tarvel::test

#endif
