#include "platform/guarded_file.h"

#include <cerrno>

#include "platform/files.h"
#include "platform/process.h"

namespace tarvel {

std::FILE* create_guarded_file(std::string_view path) {
  errno = 0;
  hold_interrupts();
  std::FILE* f = create_new_file(path);
  const int created = f != nullptr ? 0 : errno;
  if (f != nullptr) set_interrupt_file(path);
  release_interrupts();
  errno = created;
  return f;
}

int remove_guarded_file(std::string_view path) {
  hold_interrupts();
  const int status = remove_file(path);
  set_interrupt_file("");
  release_interrupts();
  return status;
}

}  // namespace tarvel
