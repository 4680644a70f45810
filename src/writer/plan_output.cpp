#include "writer/plan_output.h"

#include <algorithm>
#include <cerrno>

#include "platform/files.h"
#include "platform/guarded_file.h"
#include "platform/process.h"
#include "util/fixed_text.h"

namespace tarvel {

FilePlanOutput::~FilePlanOutput() {
  if (file_ != nullptr) std::fclose(file_);
}

int FilePlanOutput::open(std::string_view path) {
  if (file_ != nullptr) close();
  path_ = std::string(trim_right(path));
  pending_.clear();
  line_ends_.clear();
  errno = 0;
  file_ = open_file(path_, "wb");
  if (file_ == nullptr) return errno != 0 ? errno : EIO;
  // The plan is gathered here and written in one call: no stdio buffer on top.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  return 0;
}

int FilePlanOutput::create(std::string_view path) {
  if (file_ != nullptr) close();
  path_ = std::string(trim_right(path));
  pending_.clear();
  line_ends_.clear();
  file_ = create_guarded_file(path_);
  if (file_ == nullptr) return errno != 0 ? errno : EIO;
  std::setvbuf(file_, nullptr, _IONBF, 0);
  return 0;
}

int FilePlanOutput::rename_to(std::string_view to) {
  int status = file_ != nullptr ? close() : 0;
  if (status != 0) return status;
  hold_interrupts();
  status = rename_file(path_, to);
  if (status == 0) set_interrupt_file("");
  release_interrupts();
  return status;
}

void FilePlanOutput::remove() {
  if (file_ != nullptr) close();
  remove_guarded_file(path_);
}

int FilePlanOutput::write_line(std::string_view line) {
  if (file_ == nullptr) return EBADF;
  pending_.append(line);
  pending_.append("\r\n");
  line_ends_.push_back(pending_.size());
  return 0;
}

FlushResult FilePlanOutput::flush() {
  FlushResult result;
  if (pending_.empty()) return result;
  std::size_t written = 0;
  int status = 0;
  if (file_ == nullptr) {
    status = EBADF;
  } else {
    errno = 0;
    written = std::fwrite(pending_.data(), 1, pending_.size(), file_);
    if (written < pending_.size() || std::fflush(file_) != 0) status = errno != 0 ? errno : EIO;
  }
  if (status != 0) {
    // A failed write leaves the file unusable: every line from the one that
    // holds the first unwritten byte counts as failed.
    // (When every byte went out but the final flush failed, the last line
    // takes the failure.)
    const auto first = std::upper_bound(line_ends_.begin(), line_ends_.end() - 1, written);
    result.first_failed_line = static_cast<std::size_t>(first - line_ends_.begin());
    result.status = status;
  }
  pending_.clear();
  line_ends_.clear();
  return result;
}

int FilePlanOutput::close() {
  if (file_ == nullptr) return EBADF;
  int status = flush().status;
  errno = 0;
  if (std::fclose(file_) != 0 && status == 0) status = errno != 0 ? errno : EIO;
  file_ = nullptr;
  return status;
}

}  // namespace tarvel
