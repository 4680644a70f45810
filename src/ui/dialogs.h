// Which dialog backend the display layer uses: the system's own, or one that
// a test injects.
#pragma once

#include "platform/dialog_backend.h"

namespace tarvel {

DialogBackend& dialog_backend();
// nullptr restores the system's backend.
void set_dialog_backend(DialogBackend* backend);

}  // namespace tarvel
