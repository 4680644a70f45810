// Sets or removes an environment variable for the life of the object and
// puts the old value back afterwards (POSIX only).
#pragma once

#ifndef _WIN32

#include <cstdlib>
#include <optional>
#include <string>

namespace tarvel::test {

class ScopedEnv {
 public:
  // value nullptr removes the variable.
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
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
