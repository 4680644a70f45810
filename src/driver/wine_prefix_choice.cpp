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
#include "util/app_state.h"
#include "util/log_message.h"

namespace tarvel {

namespace {

// The prefixes a message lists; more are counted.
constexpr std::size_t kListedPrefixes = 10;

// Windows-1252 texts.
constexpr std::string_view kFrWinePrefix =
    "Pr\xe9"
    "fixe Wine : ";
constexpr std::string_view kFrSeveral =
    "*** Plusieurs pr\xe9"
    "fixes Wine contiennent Condor 3 ***";
constexpr std::string_view kFrChooseTitle =
    "TARVEL : Choisir le pr\xe9"
    "fixe Wine de Condor 3 (plusieurs le contiennent)";
constexpr std::string_view kFrHowTo =
    "d\xe9signez le pr\xe9"
    "fixe qui contient Condor 3 : WINEPREFIX=/chemin/du/prefixe TARVEL ...";
constexpr std::string_view kEnHowTo =
    "name the prefix that holds Condor 3: WINEPREFIX=/path/to/prefix TARVEL ...";

std::string text(std::string_view french, std::string_view english) {
  return std::string(app_state().qfr ? french : english);
}

// Every place the search looks, "~" for the home folder.
std::string searched_places() {
  std::string out = "~/.wine";
  for (std::string_view home : kPrefixHomes) out.append(", ~/").append(home);
  return out;
}

[[noreturn]] void fatal_several(const RunSettings& rs, const std::vector<std::string>& prefixes) {
  std::vector<std::string> lines = {
      text(kFrSeveral, "*** Several Wine prefixes hold Condor 3 ***")};
  for (std::size_t i = 0; i < prefixes.size() && i < kListedPrefixes; ++i) {
    lines.push_back(prefixes[i]);
  }
  if (prefixes.size() > kListedPrefixes) {
    const std::string more = std::to_string(prefixes.size() - kListedPrefixes);
    lines.push_back(text("(et " + more + " autres)", "(and " + more + " more)"));
  }
  lines.push_back(text("Choisissez-en un : WINEPREFIX=/chemin/du/prefixe TARVEL ...",
                       "Choose one: WINEPREFIX=/path/to/prefix TARVEL ..."));
  fatal_message_lines(s_error, rs.msg_tit.trimmed(), lines);
}

// The prefix chosen in the folder dialog, opened on the first one found.
std::string choose_prefix(const RunSettings& rs, const std::vector<std::string>& prefixes) {
  std::string folder;
  int len = 0;
  if (GetFolder(
          text(kFrChooseTitle, "TARVEL : Select the Wine prefix of Condor 3 (several hold it)"),
          prefixes.front(), len, folder) != 0) {
    driver_fatal(rs, s_warning, kFrNoFolder, "*** No folder selected ***");
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
    log_message_line(text(kFrWinePrefix, "Wine prefix: ") + search.prefixes.front());
  }
  return search;
}

void fatal_condor3_not_found(const RunSettings& rs, const PrefixSearch& search) {
  constexpr std::string_view english = "*** Condor 3 installation not found ***";
  std::string where;
  switch (search.result) {
    case PrefixSearch::Result::windows: driver_fatal(rs, s_error, kFrCondor3NotFound, english);
    case PrefixSearch::Result::named:
      where = text(
          "Cherch\xe9 dans le pr\xe9"
          "fixe Wine d\xe9sign\xe9 par WINEPREFIX (" +
              search.prefixes.front() + ") ; ",
          "Looked in the Wine prefix named by WINEPREFIX (" + search.prefixes.front() + "); ");
      break;
    case PrefixSearch::Result::found:
    case PrefixSearch::Result::several:
      where = text(
          "Cherch\xe9 dans le pr\xe9"
          "fixe Wine " +
              search.prefixes.front() + " ; ",
          "Looked in the Wine prefix " + search.prefixes.front() + "; ");
      break;
    case PrefixSearch::Result::none:
      where = text(
          "Aucun pr\xe9"
          "fixe Wine ne contient Condor 3 dans " +
              searched_places() + " ; ",
          "No Wine prefix holds Condor 3 in " + searched_places() + "; ");
      break;
  }
  fatal_message_lines(s_error, rs.msg_tit.trimmed(),
                      {text(kFrCondor3NotFound, english), where + text(kFrHowTo, kEnHowTo)});
}

}  // namespace tarvel
