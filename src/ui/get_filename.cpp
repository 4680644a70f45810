// The file and folder dialogs of the display layer.
#include <optional>
#include <vector>

#include "platform/dialog_backend_common.h"
#include "platform/files.h"
#include "platform/windows_path.h"
#include "ui/dialogs.h"
#include "ui/display.h"
#include "util/console.h"
#include "util/messages.h"

namespace tarvel {

namespace {

// Limits of a filter list.
constexpr std::size_t kFilterMax = 63;
constexpr std::size_t kPatternMax = 31;
constexpr std::size_t kPatternsMax = 13;

std::string c_text(std::string_view s) { return std::string(up_to_nul(s)); }

// "*.fpl,*.txt" -> {"*.fpl", "*.txt"}.
std::vector<std::string> split_filter(std::string rest) {
  std::vector<std::string> patterns;
  while (!rest.empty() && patterns.size() < kPatternsMax) {
    const std::size_t comma = rest.find(',');
    std::string pattern;
    if (comma == std::string::npos) {
      pattern = rest;
      rest.clear();
    } else {
      substrpos(rest, pattern, 0, static_cast<int>(comma) - 1);
      rest.erase(0, comma + 1);
    }
    patterns.push_back(pattern.substr(0, kPatternMax));
  }
  return patterns;
}

// A chosen file goes to `file`; a cancel is told in a box.
int take_file(std::optional<std::string> result, std::string& file, int& len) {
  if (!result || result->empty()) {
    const bool french = IsLanguageFrench() != 0;
    dialog_backend().message_box(message(Msg::dialog_error_title, french),
                                 message(Msg::no_file_selected, french), "ok", "error", 1);
    len = 0;
    return 0;
  }
  file = std::move(*result);
  len = static_cast<int>(file.size());
  return 1;
}

// A selection larger than the open dialog holds is told with the number of
// files that always fit; the dialog then opens again.
void tell_selection_overflow(int limit) {
  const bool french = IsLanguageFrench() != 0;
  dialog_backend().message_box(
      message(Msg::dialog_error_title, french),
      message(Msg::too_many_plans_selected, french, {std::to_string(limit)}), "ok", "warning", 1);
}

// Whether an existing `path` may be replaced; asked when the save dialog's
// answer got its extension after the dialog had checked the name without it.
bool may_replace(const std::string& title, const std::string& path) {
  if (!file_exists(path)) return true;
  const std::string text = message(Msg::replace_existing, IsLanguageFrench() != 0, {path});
  return dialog_backend().message_box(title, text, "yesno", "warning", 2) == 1;
}

}  // namespace

int substrpos(std::string_view s, std::string& sub, int p1, int p2) {
  const int last = static_cast<int>(s.size()) - 1;
  if (p1 < 0) p1 = 0;
  if (p2 > last) p2 = last;
  if (p2 < p1) {
    sub.clear();
    return 0;
  }
  sub.assign(s.substr(static_cast<std::size_t>(p1), static_cast<std::size_t>(p2 - p1 + 1)));
  return p2 - p1 + 1;
}

int GetFileName(std::string& file, std::string_view title, std::string_view path,
                std::string_view filter, std::string_view desc, int multi, int& len) {
  (void)desc;  // the dialogs show no filter description
  const std::string filter_c = c_text(filter).substr(0, kFilterMax);
  const std::string path_c = c_text(path);
  console_line("GetFileName " + filter_c + " " + std::to_string(filter_c.size()));
  console_line("GetFileName " + path_c + " " + std::to_string(path_c.size()));
  for (;;) {
    std::optional<std::string> result =
        dialog_backend().open_file(c_text(title), path_c, split_filter(filter_c), multi != 0);
    if (!result) {
      if (const int limit = dialog_backend().last_selection_overflow(); limit > 0) {
        tell_selection_overflow(limit);
        continue;
      }
    }
    return take_file(std::move(result), file, len);
  }
}

int SaveFileName(std::string& file, std::string_view title, std::string_view path,
                 std::string_view filter, std::string_view desc, int& len) {
  (void)desc;
  const std::string filter_c = c_text(filter).substr(0, kFilterMax);
  const std::string path_c = c_text(path);
  console_line("SaveFileName " + filter_c + " " + std::to_string(filter_c.size()) + " " + path_c +
               " ");
  const std::vector<std::string> patterns = split_filter(filter_c);
  const std::string ext = default_extension(patterns);
  std::string start = path_c;
  for (;;) {
    std::optional<std::string> result = dialog_backend().save_file(c_text(title), start, patterns);
    // A name typed without an extension gets the filter's, as the Windows
    // dialog gives it.
    if (result && !result->empty() && !ext.empty() && !has_extension(*result)) {
      *result += "." + ext;
      if (!may_replace(c_text(title), *result)) {
        start = *result;
        continue;
      }
    }
    return take_file(std::move(result), file, len);
  }
}

int GetFolder(std::string_view title, std::string_view deflt, int& len, std::string& folder) {
  std::optional<std::string> result = dialog_backend().select_folder(c_text(title), c_text(deflt));
  if (!result || result->empty()) {
    const bool french = IsLanguageFrench() != 0;
    dialog_backend().message_box(message(Msg::dialog_error_title, french),
                                 message(Msg::dialog_no_folder_selected, french), "ok", "error", 1);
    len = 0;
    return 1;
  }
  folder = std::move(*result);
  len = static_cast<int>(folder.size());
  return 0;
}

}  // namespace tarvel
