#include "util/read_value.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvel {
namespace {

constexpr int kUnchangedInt = -777;
constexpr float kUnchangedReal = -777.0f;

TEST(ReadValue, IntegersAndRealsInFreeForm) {
  struct Case {
    const char* text;
    int int_status;
    int int_value;  // kUnchangedInt when the destination keeps its value
    int real_status;
    float real_value;
  };
  const Case cases[] = {
      {"12", read_ok, 12, read_ok, 12.0f},
      {"12 m", read_ok, 12, read_ok, 12.0f},
      {"12,5", read_ok, 12, read_ok, 12.0f},
      {"3.7", read_error, kUnchangedInt, read_ok, 3.7f},
      {"-4.5E2", read_error, kUnchangedInt, read_ok, -450.0f},
      {"abc", read_error, kUnchangedInt, read_error, kUnchangedReal},
      {"", read_end, kUnchangedInt, read_end, kUnchangedReal},
      {"    ", read_end, kUnchangedInt, read_end, kUnchangedReal},
      {" \t 7", read_ok, 7, read_ok, 7.0f},
      {"+8", read_ok, 8, read_ok, 8.0f},
      {"-0", read_ok, 0, read_ok, -0.0f},
      {"1.5d2", read_error, kUnchangedInt, read_ok, 150.0f},
      {"1.5D-1", read_error, kUnchangedInt, read_ok, 0.15f},
      {"2.5+3", read_error, kUnchangedInt, read_ok, 2500.0f},
      {"2.5-1", read_error, kUnchangedInt, read_ok, 0.25f},
      {"1e", read_error, kUnchangedInt, read_error, kUnchangedReal},
      {".5", read_error, kUnchangedInt, read_ok, 0.5f},
      {"5.", read_error, kUnchangedInt, read_ok, 5.0f},
      {".", read_error, kUnchangedInt, read_error, kUnchangedReal},
      {"-", read_error, kUnchangedInt, read_error, kUnchangedReal},
      {"3*42", read_ok, 42, read_ok, 42.0f},
      {"3*", read_ok, kUnchangedInt, read_ok, kUnchangedReal},
      {"*4", read_error, kUnchangedInt, read_error, kUnchangedReal},
      {",5", read_ok, kUnchangedInt, read_ok, kUnchangedReal},
      {"/", read_ok, kUnchangedInt, read_ok, kUnchangedReal},
      {"9;1", read_ok, 9, read_ok, 9.0f},
      {"9/1", read_ok, 9, read_ok, 9.0f},
      {"12x", read_error, kUnchangedInt, read_error, kUnchangedReal},
      {"2147483647", read_ok, 2147483647, read_ok, 2147483647.0f},
      {"-2147483648", read_ok, -2147483647 - 1, read_ok, -2147483648.0f},
      {"2147483648", read_error, kUnchangedInt, read_ok, 2147483648.0f},
      {"99999999999999999999", read_error, kUnchangedInt, read_ok, 1e20f},
      {"1e39", read_error, kUnchangedInt, read_error, kUnchangedReal},
      {"1e-50", read_error, kUnchangedInt, read_ok, 0.0f},
      {"NaN", read_error, kUnchangedInt, read_error, kUnchangedReal},
      {"Inf", read_error, kUnchangedInt, read_error, kUnchangedReal},
  };
  for (const auto& c : cases) {
    int i = kUnchangedInt;
    float r = kUnchangedReal;
    EXPECT_EQ(read_value(c.text, i), c.int_status) << "[" << c.text << "] as integer";
    EXPECT_EQ(i, c.int_value) << "[" << c.text << "] as integer";
    EXPECT_EQ(read_value(c.text, r), c.real_status) << "[" << c.text << "] as real";
    EXPECT_EQ(r, c.real_value) << "[" << c.text << "] as real";
  }
}

TEST(ReadValue, RealsRoundToTheNearestFloat) {
  float r = 0;
  ASSERT_EQ(read_value("18.3", r), read_ok);
  EXPECT_EQ(r, 18.3f);
  ASSERT_EQ(read_value("123456.7", r), read_ok);
  EXPECT_EQ(r, 123456.703125f);
  ASSERT_EQ(read_value("1.5707963", r), read_ok);
  EXPECT_EQ(r, 1.5707963f);
}

}  // namespace
}  // namespace tarvel
