// The raw dialogs under the display layer: one message box and three file
// and folder choosers. Texts are NUL-free byte strings in the program's code
// page; a backend converts them for its system. Implementations: Win32
// common dialogs on Windows; zenity or console prompts elsewhere.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarvel {

class DialogBackend {
 public:
  virtual ~DialogBackend() = default;

  // True when the dialogs are windows on a graphic display, false when they
  // are console prompts.
  virtual bool graphical() { return true; }

  // buttons: "ok", "okcancel", "yesno", "yesnocancel"; icon: "info",
  // "warning", "error", "question". Returns 0 for cancel/no, 1 for ok/yes,
  // 2 for no in a yes/no/cancel box.
  virtual int message_box(const std::string& title, const std::string& message,
                          const std::string& buttons, const std::string& icon,
                          int default_button) = 0;

  // The chosen file (several full paths joined by "|" when `multi`), or
  // nothing when the user cancelled.
  virtual std::optional<std::string> open_file(const std::string& title,
                                               const std::string& default_path,
                                               const std::vector<std::string>& patterns,
                                               bool multi) = 0;
  // After open_file gave nothing: 0 when the user cancelled; otherwise the
  // selection did not fit the dialog, which holds this many files in any
  // selection. Asking clears it.
  virtual int last_selection_overflow() { return 0; }
  virtual std::optional<std::string> save_file(const std::string& title,
                                               const std::string& default_path,
                                               const std::vector<std::string>& patterns) = 0;
  virtual std::optional<std::string> select_folder(const std::string& title,
                                                   const std::string& default_path) = 0;
};

// The system's own backend.
DialogBackend& platform_dialog_backend();

}  // namespace tarvel
