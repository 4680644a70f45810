#include "ui/dialogs.h"

namespace tarvel {

namespace {
DialogBackend* g_backend = nullptr;
}

DialogBackend& dialog_backend() {
  return g_backend != nullptr ? *g_backend : platform_dialog_backend();
}

void set_dialog_backend(DialogBackend* backend) { g_backend = backend; }

}  // namespace tarvel
