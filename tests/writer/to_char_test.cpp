#include "writer/to_char.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace tarvel {
namespace {

std::string f2b_text(float v, const char* fstr, int* lb_out = nullptr) {
  FixedText<20> buff("dirty");
  int lb = -1;
  f2b(v, buff, fstr, lb);
  EXPECT_EQ(static_cast<std::size_t>(lb), buff.len_trim());
  if (lb_out != nullptr) *lb_out = lb;
  return buff.str();
}

TEST(F2b, ResultsInBothFormats) {
  struct Case {
    double value;  // rounded to a float before formatting
    const char* f16_6;
    const char* f12_2;
  };
  const std::string stars16(16, '*');
  const std::string stars12(12, '*');
  const Case cases[] = {
      {0, "0", "0"},
      {0.5, "0.5", "0.5"},
      {1, "1", "1"},
      {-1.5, "-1.5", "-1.5"},
      {0.1, "0.1", "0.1"},
      {0.333333333, "0.333333", "0.33"},
      {12.5, "12.5", "12.5"},
      {123.456, "123.456001", "123.46"},
      // log10(999.999878) rounds to exactly 3 as a float: five decimals.
      {999.9999, "999.99988", "1000"},
      {3000, "3000", "3000"},
      {98765.4, "98765.3984", "98765.4"},
      {123456.7, "123456.703", "123456.7"},
      {12345678.9, "12345679", "12345679"},
      {123456789, "123456792", "123456792"},
      {-0.0000001, "-0", "-0"},
      {2000000000000000.0, stars16.c_str(), stars12.c_str()},
      {1.5, "1.5", "1.5"},
      {1000.123456, "1000.12347", "1000.12"},
      {0.0000004, "0", "0"},
      {-0.0000004, "-0", "-0"},
      {100000000, "100000000", "100000000"},
      {-123456.7, "-123456.703", "-123456.7"},
      {0.125, "0.125", "0.12"},  // halfway: to even
      {0.375, "0.375", "0.38"},
      // Halfway on the nine-digit path: 1000 + 1/64 at five decimals, and so on.
      {1000.015625, "1000.01562", "1000.02"},
      {10000.03125, "10000.0312", "10000.03"},
      {100000.0625, "100000.062", "100000.06"},
      {-100000.0625, "-100000.062", "-100000.06"},
  };
  for (const auto& c : cases) {
    const auto f = static_cast<float>(c.value);
    EXPECT_EQ(f2b_text(f, "(F16.6)"), c.f16_6) << c.value;
    EXPECT_EQ(f2b_text(f, "(F12.2)"), c.f12_2) << c.value;
  }
}

// A format with more decimals than a number ever needs: the whole exact
// expansion of the float, cut to the buffer.
TEST(F2b, FormatWiderThanAnyNumber) {
  EXPECT_EQ(f2b_text(0.1f, "(F600.550)"), "0.100000001490116119");
  EXPECT_EQ(f2b_text(-2.5f, "(F600.550)"), "-2.5");
}

TEST(F2b, InfinityAndNanAreSpelledOut) {
  EXPECT_EQ(f2b_text(std::numeric_limits<float>::infinity(), "(F16.6)"), "inf");
  EXPECT_EQ(f2b_text(-std::numeric_limits<float>::infinity(), "(F12.2)"), "-inf");
  EXPECT_EQ(f2b_text(std::numeric_limits<float>::quiet_NaN(), "(F16.6)"), "nan");
}

// f2b's text as printf's fixed format gives it, with the nine-digit rule and
// the clean-up of f2b: every output byte of a plan must stay the same
// whichever way the digits are produced.
std::string printf_f2b(float v, int w, int d) {
  const float mag = std::fabs(v);
  if (mag > 1.0f && std::isfinite(mag)) {
    const auto k = static_cast<int>(static_cast<float>(std::log10(static_cast<double>(mag))));
    d = std::min(d, std::max(8 - k, 0));
  }
  char buf[600];
  const int n = std::snprintf(buf, sizeof buf, "%.*f", d, static_cast<double>(v));
  std::string s(buf, static_cast<std::size_t>(n));
  if (d == 0) s.push_back('.');
  if (static_cast<int>(s.size()) > w) return std::string(static_cast<std::size_t>(w), '*');
  if (s.find('.') == std::string::npos) return s;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

TEST(F2b, SameTextAsPrintfForFloatsOfEveryRange) {
  std::mt19937 rng(20240517);
  std::uniform_int_distribution<std::uint32_t> bits;
  std::uniform_real_distribution<float> plan_values(-300000.0f, 300000.0f);
  std::uniform_real_distribution<float> small_values(-3.0f, 3.0f);
  int checked = 0;
  for (int i = 0; i < 40000; ++i) {
    for (float v : {std::bit_cast<float>(bits(rng)), plan_values(rng), small_values(rng)}) {
      if (std::isnan(v)) continue;
      ASSERT_EQ(f2b_text(v, "(F16.6)"), printf_f2b(v, 16, 6)) << std::bit_cast<std::uint32_t>(v);
      ASSERT_EQ(f2b_text(v, "(F12.2)"), printf_f2b(v, 12, 2)) << std::bit_cast<std::uint32_t>(v);
      ++checked;
    }
  }
  EXPECT_GT(checked, 100000);
}

TEST(F2b, OverflowGivesTheWholeFieldOfAsterisks) {
  int lb = 0;
  EXPECT_EQ(f2b_text(2e15f, "(F16.6)", &lb), std::string(16, '*'));
  EXPECT_EQ(lb, 16);
}

TEST(F2b, NarrowBufferCutsTheText) {
  FixedText<4> buff;
  int lb = 0;
  f2b(123456.7f, buff, "(F16.6)", lb);
  EXPECT_EQ(buff.view(), "1234");
  EXPECT_EQ(lb, 4);
}

TEST(I2b, DecimalLeftJustified) {
  struct Case {
    int value;
    const char* text;
  };
  const Case cases[] = {{0, "0"},
                        {-42, "-42"},
                        {2147483647, "2147483647"},
                        {-2147483647 - 1, "-2147483648"},
                        {170, "170"}};
  for (const auto& c : cases) {
    FixedText<16> buff("dirty");
    int lb = -1;
    i2b(c.value, buff, lb);
    EXPECT_TRUE(buff == c.text) << c.value;
    EXPECT_EQ(static_cast<std::size_t>(lb), std::string(c.text).size()) << c.value;
  }
}

TEST(I2b, NumberWiderThanTheFieldGivesAsterisks) {
  FixedText<3> narrow;
  int lb = 0;
  i2b(1234, narrow, lb);
  EXPECT_EQ(narrow.view(), "***");
  EXPECT_EQ(lb, 3);
  // The field is at most 16 wide, even in a wider buffer.
  FixedText<20> wide;
  i2b(-2147483647 - 1, wide, lb);
  EXPECT_TRUE(wide == "-2147483648");
}

TEST(RemoveTrail0, BlanksFromTheFirstNul) {
  FixedText<10> t(std::string_view("ab\0cd\0ef", 8));
  remove_trail_0(t);
  EXPECT_EQ(t.view(), "ab        ");
  FixedText<5> none("abc");
  remove_trail_0(none);
  EXPECT_EQ(none.view(), "abc  ");
  FixedText<5> first(std::string_view("\0abcd", 5));
  remove_trail_0(first);
  EXPECT_TRUE(first.is_blank());
}

}  // namespace
}  // namespace tarvel
