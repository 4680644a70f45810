#include "driver/output_name.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(OutputFileName, FirstFplDecides) {
  struct Case {
    const char* fnam;
    const char* out;
  };
  const Case cases[] = {
      {"Task1.fpl", "Task1_V3.fpl"},
      {"Task.fpl", "Task_V3.fpl"},
      {"my.fpl.task.fpl", "my_V3.fpl"},
      {"Task.FPL", "Task_V3.fpl"},
      {"Task.Fpl.fpl", "Task.Fpl_V3.fpl"},
      {"Task.txt", "Task.txt_V3.fpl"},
      {"Task", "Task_V3.fpl"},
      {"Task.fplx", "Task_V3.fpl"},
      {"Brenvale triangle.fpl   ", "Brenvale triangle_V3.fpl"},
  };
  for (const auto& c : cases) EXPECT_TRUE(output_file_name(c.fnam) == c.out) << c.fnam;
}

}  // namespace
}  // namespace tarvel
