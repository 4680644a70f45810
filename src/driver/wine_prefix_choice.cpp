#include "driver/wine_prefix_choice.h"

#include <string>
#include <string_view>
#include <vector>

#include "driver/driver_messages.h"
#include "driver/fatal_message.h"
#include "install/find_condor_prefix.h"
#include "platform/files.h"
#include "platform/wine_prefix.h"
#include "ui/dialogs.h"
#include "ui/display.h"
#include "ui/to_gui.h"
#include "util/log_message.h"
#include "util/messages.h"

namespace tarvel {

namespace {

// The prefixes a message lists; more are counted.
constexpr std::size_t kListedPrefixes = 10;

// Every place the search looks, "~" for the home folder.
std::string searched_places() {
  std::string out = "~/.wine";
  for (std::string_view home : kPrefixHomes) out.append(", ~/").append(home);
  return out;
}

[[noreturn]] void fatal_several(const RunSettings& rs, const std::vector<std::string>& prefixes) {
  std::vector<std::string> lines = {message(Msg::several_prefixes)};
  for (std::size_t i = 0; i < prefixes.size() && i < kListedPrefixes; ++i) {
    lines.push_back(prefixes[i]);
  }
  if (prefixes.size() > kListedPrefixes) {
    const std::string more = std::to_string(prefixes.size() - kListedPrefixes);
    lines.push_back(message(Msg::and_more_prefixes, {more}));
  }
  lines.push_back(message(Msg::choose_one_prefix));
  fatal_message_lines(s_error, rs.msg_tit.trimmed(), lines);
}

// The prefix chosen in the folder dialog, opened on the first one found.
std::string choose_prefix(const RunSettings& rs, const std::vector<std::string>& prefixes) {
  std::string folder;
  int len = 0;
  if (GetFolder(message(Msg::choose_prefix_title), prefixes.front(), len, folder) != 0) {
    driver_fatal(rs, s_warning, Msg::no_folder_selected);
  }
  return native_path(folder);
}

}  // namespace

PrefixSearch settle_wine_prefix(const RunSettings& rs) {
  PrefixSearch search = find_condor3_prefix();
  if (search.result == PrefixSearch::Result::several) {
    if (!dialog_backend().graphical()) fatal_several(rs, search.prefixes);
    search.prefixes = {choose_prefix(rs, search.prefixes)};
    search.result = PrefixSearch::Result::found;
  }
  if (search.result == PrefixSearch::Result::found) {
    use_wine_prefix(search.prefixes.front());
    log_message_line(message(Msg::wine_prefix_used, {search.prefixes.front()}));
  }
  return search;
}

void fatal_condor3_not_found(const RunSettings& rs, const PrefixSearch& search) {
  std::string where;
  switch (search.result) {
    case PrefixSearch::Result::windows: driver_fatal(rs, s_error, Msg::condor3_not_found);
    case PrefixSearch::Result::named:
      where = message(Msg::looked_in_named_prefix, {search.prefixes.front()});
      break;
    case PrefixSearch::Result::found:
    case PrefixSearch::Result::several:
      where = message(Msg::looked_in_prefix, {search.prefixes.front()});
      break;
    case PrefixSearch::Result::none:
      where = message(Msg::no_prefix_holds_condor3, {searched_places()});
      break;
  }
  fatal_message_lines(s_error, rs.msg_tit.trimmed(),
                      {message(Msg::condor3_not_found), where + message(Msg::name_the_prefix)});
}

}  // namespace tarvel
