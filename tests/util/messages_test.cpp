#include "util/messages.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <string_view>

namespace tarvel {
namespace {

std::multiset<char> placeholders(std::string_view text) {
  std::multiset<char> found;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') found.insert(text[i + 1]);
  }
  return found;
}

// A UTF-8 letter pasted into a French text would reach the user as two
// letters ("Ã©"): the texts are Windows-1252 and converted on the way out.
bool holds_utf8_sequence(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto next = static_cast<unsigned char>(text[i + 1]);
    if (lead >= 0xC2 && lead <= 0xF4 && next >= 0x80 && next <= 0xBF) return true;
  }
  return false;
}

TEST(Messages, EveryMessageHasBothTextsWithTheSameValues) {
  for (std::size_t i = 0; i < static_cast<std::size_t>(Msg::count); ++i) {
    const MessageTexts& t = message_texts(static_cast<Msg>(i));
    SCOPED_TRACE("message " + std::to_string(i) + ": " + std::string(t.english));
    EXPECT_FALSE(t.french.empty());
    EXPECT_FALSE(t.english.empty());
    // A translation that drops or adds a %n loses a path or shows a stray
    // value in one language only.
    EXPECT_EQ(placeholders(t.french), placeholders(t.english));
    EXPECT_FALSE(holds_utf8_sequence(t.french));
    EXPECT_FALSE(holds_utf8_sequence(t.english));
  }
}

TEST(Messages, FillingPutsValuesInAsTheyStand) {
  struct Case {
    const char* name;
    std::string_view text;
    std::initializer_list<std::string_view> values;
    std::string expected;
  };
  const Case cases[] = {
      {"in order", "%1 converted to %2", {"a.fpl", "b.fpl"}, "a.fpl converted to b.fpl"},
      {"out of order", "%2 before %1", {"x", "y"}, "y before x"},
      {"twice", "%1/%1", {"p"}, "p/p"},
      {"a value holding %1 stays", "%1: %2", {"C:\\100%1.fpl", "ok"}, "C:\\100%1.fpl: ok"},
      {"missing value gives nothing", "[%1][%2]", {"only"}, "[only][]"},
      {"percent not followed by 1-9", "100% of %0 and %", {}, "100% of %0 and %"},
      {"empty value", "<%1>", {""}, "<>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(fill_message(c.text, c.values), c.expected);
  }
}

}  // namespace
}  // namespace tarvel
