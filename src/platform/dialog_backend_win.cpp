// Provisional backend: no dialog is shown; every chooser reports a cancel.
#include "platform/dialog_backend.h"

namespace tarvel {

namespace {

class NoDialogs final : public DialogBackend {
 public:
  int message_box(const std::string&, const std::string&, const std::string&, const std::string&,
                  int) override {
    return 0;
  }
  std::optional<std::string> open_file(const std::string&, const std::string&,
                                       const std::vector<std::string>&, bool) override {
    return std::nullopt;
  }
  std::optional<std::string> save_file(const std::string&, const std::string&,
                                       const std::vector<std::string>&) override {
    return std::nullopt;
  }
  std::optional<std::string> select_folder(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

}  // namespace

DialogBackend& platform_dialog_backend() {
  static NoDialogs backend;
  return backend;
}

}  // namespace tarvel
