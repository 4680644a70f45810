#include "flightplan/extract_key_val.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flightplan/is_true.h"

namespace tarvel {
namespace {

TEST(ExtractKeyVal, SplitsAtTheFirstEqualsElseTheFirstColon) {
  struct Case {
    const char* line;
    const char* key;
    const char* val;
  };
  const Case cases[] = {
      {"Condor version=2300", "Condor version", "2300"},
      {"Seat = 1", "Seat", "1"},
      {"Name:LS8", "Name", "LS8"},
      {"Text=a=b", "Text", "a=b"},
      {"A:B=C", "A:B", "C"},
      {"[Task]", "[Task]", ""},
      {"=5", "", "5"},
      {"  Landscape  =  Valley  ", "Landscape", "Valley"},
      {"   no separator", "   no separator", ""},
  };
  for (const auto& c : cases) {
    FixedText<80> key("dirty");
    FixedText<80> val("dirty");
    extract_key_val(c.line, key, val);
    EXPECT_TRUE(key == c.key) << c.line << " -> key [" << key.trimmed() << "]";
    EXPECT_TRUE(val == c.val) << c.line << " -> val [" << val.trimmed() << "]";
  }
}

// A value split again into key and value, in place: the line is a view of
// one of the two fields it fills.
TEST(ExtractKeyVal, LineMayBeAViewOfEitherOutput) {
  FixedText<80> key("dirty");
  FixedText<80> val("  Inner key = inner value");
  extract_key_val(val.view(), key, val);
  EXPECT_TRUE(key == "Inner key");
  EXPECT_TRUE(val == "inner value");

  FixedText<80> key2("Outer=  the rest=more");
  FixedText<80> val2("dirty");
  extract_key_val(key2.view(), key2, val2);
  EXPECT_TRUE(key2 == "Outer");
  EXPECT_TRUE(val2 == "the rest=more");
}

TEST(ExtractKeyVal, ResultsAreCutToTheirFields) {
  FixedText<4> key;
  FixedText<3> val;
  extract_key_val("Landscape=Valley", key, val);
  EXPECT_EQ(key.view(), "Land");
  EXPECT_EQ(val.view(), "Val");
}

// Items taken one after the other until the list gives a blank item.
std::vector<std::string> items(std::string_view list, std::string_view sep = ",") {
  FixedText<64> val(list);
  std::vector<std::string> out;
  for (int guard = 0; guard < 100; ++guard) {
    FixedText<16> buff("dirty");
    extract_list(val, buff, sep);
    if (buff.is_blank()) break;
    out.push_back(buff.str());
  }
  return out;
}

TEST(ExtractList, TakesItemsInOrder) {
  struct Case {
    const char* name;
    const char* list;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"blanks after commas", "3, 17,  5", {"3", "17", "5"}},
      {"single item", "42", {"42"}},
      {"empty list", "", {}},
      {"empty item ends the list", "1,,3", {"1"}},
      {"blank item ends the list", "1, ,3", {"1"}},
      {"trailing comma", "1,2,", {"1", "2"}},
      {"quoted comma kept", "\"a,b\",c", {"\"a,b\"", "c"}},
      {"closing quote without separator after it", "\"a,b\"", {"\"a,b\""}},
      {"unclosed quote", "\"a,b", {"\"a", "b"}},
      {"quote after the first separator", "a,\"b,c\"", {"a", "\"b,c\""}},
  };
  for (const auto& c : cases) EXPECT_EQ(items(c.list), c.expected) << c.name;
}

TEST(ExtractList, LastItemLosesItsBlanksBeforeItIsCut) {
  FixedText<16> val("     1234");
  FixedText<8> buff;
  extract_comma(val, buff);
  EXPECT_EQ(buff.view(), "1234    ");
  EXPECT_TRUE(val.is_blank());
}

TEST(ExtractList, QuotedItemDropsTheCharacterAfterItsClosingQuote) {
  FixedText<16> val("\"a,b\"xyz");
  FixedText<16> buff;
  extract_comma(val, buff);
  EXPECT_TRUE(buff == "\"a,b\"");
  EXPECT_TRUE(val == "yz");
}

TEST(ExtractList, OnlyTheFirstCharacterOfTheSeparatorCounts) {
  EXPECT_EQ(items("a;b,c;d", ";,"), (std::vector<std::string>{"a", "b,c", "d"}));
}

TEST(IsTrue, FirstCharacterOneOrY) {
  struct Case {
    const char* value;
    bool expected;
  };
  const Case cases[] = {{"1", true},   {"Y", true},  {"y", true},     {"yes", true},
                        {"Yes", true}, {"T", false}, {"True", false}, {"true", false},
                        {"0", false},  {"N", false}, {"", false},     {" 1", false}};
  for (const auto& c : cases) EXPECT_EQ(is_true(c.value), c.expected) << "[" << c.value << "]";
  EXPECT_EQ(log2int(true), 1);
  EXPECT_EQ(log2int(false), 0);
}

// The view walk must give the items that extract_comma gives on a field.
TEST(ExtractListNext, SameItemsAsExtractComma) {
  const char* const lists[] = {
      "3,17,5",   "1,,3",        " 1, 2 , 3",     "",
      "   ",      "4",           "  12345678901", "\"a,b\",c",
      "\"a,b\"x", "\"a,b\"xy,z", "\"open,b,c",    "\"a\"b,c",
      "1, ,2",    "1,2,",        "9999,-1,x,12",  "\"q\",\"r\",s",
  };
  for (const char* list : lists) {
    SCOPED_TRACE(list);
    FixedText<64> val(list);
    std::vector<std::string> expected;
    for (;;) {
      FixedText<8> item;
      extract_comma(val, item);
      if (item.is_blank()) break;
      expected.push_back(item.str());
    }
    std::string_view rest = list;
    std::vector<std::string> got;
    for (;;) {
      const FixedText<8> item(extract_list_next(rest, ','));
      if (item.is_blank()) break;
      got.push_back(item.str());
    }
    EXPECT_EQ(got, expected);
  }
}

}  // namespace
}  // namespace tarvel
