// A flight-plan output in memory for tests and benchmarks: it keeps the text
// and fails chosen lines.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "writer/plan_output.h"

namespace tarvel {

class MemoryPlanOutput final : public PlanOutput {
 public:
  std::string text;                       // every line taken, CR LF included
  std::map<std::size_t, int> fail_lines;  // line number (from 0) -> status of an immediate failure
  FlushResult flush_failure;              // what flush() reports (a status 0 reports success)
  int close_status = 0;
  std::size_t lines = 0;  // lines handed over so far
  bool flushed = false;
  bool closed = false;

  int write_line(std::string_view line) override {
    const std::size_t n = lines++;
    if (const auto it = fail_lines.find(n); it != fail_lines.end() && it->second != 0) {
      return it->second;
    }
    text.append(line);
    text.append("\r\n");
    return 0;
  }
  FlushResult flush() override {
    flushed = true;
    return flush_failure;
  }
  int close() override {
    closed = true;
    return close_status;
  }
  std::string name() const override { return "memory"; }
};

}  // namespace tarvel
