// A dialog backend for tests: records every call and answers from a script.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_backend.h"

namespace tarvel::test {

struct DialogCall {
  std::string kind;  // "message", "open", "save", "folder"
  std::string title;
  std::string text;                   // message text, or default path
  std::string buttons;                // message boxes
  std::string icon;                   // message boxes
  std::vector<std::string> patterns;  // file dialogs
  bool multi = false;                 // open dialog
};

class RecordingDialogs final : public DialogBackend {
 public:
  // Installs itself as the display layer's backend while alive.
  RecordingDialogs();
  ~RecordingDialogs() override;

  std::vector<DialogCall> calls;
  // Answers given in order: message boxes take from box_answers (default 1),
  // choosers from chooser_answers (default: cancelled).
  std::deque<int> box_answers;
  std::deque<std::optional<std::string>> chooser_answers;
  // Told once by last_selection_overflow: the next cancelled open dialog is
  // then a selection too large for the dialog, which holds this many files.
  int selection_overflow = 0;

  // The message boxes shown, in order.
  std::vector<DialogCall> boxes() const;

  int message_box(const std::string& title, const std::string& message, const std::string& buttons,
                  const std::string& icon, int default_button) override;
  std::optional<std::string> open_file(const std::string& title, const std::string& default_path,
                                       const std::vector<std::string>& patterns,
                                       bool multi) override;
  int last_selection_overflow() override;
  std::optional<std::string> save_file(const std::string& title, const std::string& default_path,
                                       const std::vector<std::string>& patterns) override;
  std::optional<std::string> select_folder(const std::string& title,
                                           const std::string& default_path) override;

 private:
  std::optional<std::string> next_choice();
};

}  // namespace tarvel::test
