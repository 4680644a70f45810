#include "support/recording_dialogs.h"

#include <utility>

#include "ui/dialogs.h"

namespace tarvel::test {

RecordingDialogs::RecordingDialogs() { set_dialog_backend(this); }
RecordingDialogs::~RecordingDialogs() { set_dialog_backend(nullptr); }

std::vector<DialogCall> RecordingDialogs::boxes() const {
  std::vector<DialogCall> out;
  for (const auto& c : calls) {
    if (c.kind == "message") out.push_back(c);
  }
  return out;
}

int RecordingDialogs::message_box(const std::string& title, const std::string& message,
                                  const std::string& buttons, const std::string& icon, int) {
  calls.push_back({"message", title, message, buttons, icon, {}, false});
  if (box_answers.empty()) return 1;
  const int a = box_answers.front();
  box_answers.pop_front();
  return a;
}

std::optional<std::string> RecordingDialogs::next_choice() {
  if (chooser_answers.empty()) return std::nullopt;
  auto a = chooser_answers.front();
  chooser_answers.pop_front();
  return a;
}

int RecordingDialogs::last_selection_overflow() { return std::exchange(selection_overflow, 0); }

std::optional<std::string> RecordingDialogs::open_file(const std::string& title,
                                                       const std::string& default_path,
                                                       const std::vector<std::string>& patterns,
                                                       bool multi) {
  calls.push_back({"open", title, default_path, "", "", patterns, multi});
  return next_choice();
}

std::optional<std::string> RecordingDialogs::save_file(const std::string& title,
                                                       const std::string& default_path,
                                                       const std::vector<std::string>& patterns) {
  calls.push_back({"save", title, default_path, "", "", patterns, false});
  return next_choice();
}

std::optional<std::string> RecordingDialogs::select_folder(const std::string& title,
                                                           const std::string& default_path) {
  calls.push_back({"folder", title, default_path, "", "", {}, false});
  return next_choice();
}

}  // namespace tarvel::test
