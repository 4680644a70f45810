// Where a written flight plan goes: one line at a time, each with a status.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

// The result of pushing buffered lines out: status 0 when every line is
// written; otherwise the line that holds the first byte not written (numbered
// from 0 among the lines taken since the previous flush), and the status that
// it and every later line take.
struct FlushResult {
  std::size_t first_failed_line = 0;
  int status = 0;
};

// An output opened by the caller. The writer hands it each line without its
// end; the output adds CR LF. Statuses: 0 = written, positive = an error code
// (errno values for files).
class PlanOutput {
 public:
  virtual ~PlanOutput() = default;

  // Takes one line; a non-zero result is a line that failed at once.
  virtual int write_line(std::string_view line) = 0;
  // Pushes out the lines that are still held; called by the writer at its end.
  virtual FlushResult flush() = 0;
  // Ends the output; a failed close is a failed conversion for the caller.
  virtual int close() = 0;
  // A name for reports (the path of a file).
  virtual std::string name() const = 0;
};

// A file output. Lines are gathered in memory and written in one go by
// flush(), so a plan costs one write, not one per line.
class FilePlanOutput final : public PlanOutput {
 public:
  FilePlanOutput() = default;
  ~FilePlanOutput() override;
  FilePlanOutput(const FilePlanOutput&) = delete;
  FilePlanOutput& operator=(const FilePlanOutput&) = delete;

  // Creates the file, or replaces an existing one, at a Windows-form path
  // (trailing blanks are not part of it). 0, or the errno value of the failure.
  int open(std::string_view path);
  // Creates the file new at a Windows-form path, never through an existing
  // name: when anything stands there (a file, a folder, a link) it fails with
  // EEXIST. While it is open, an interrupt of the process removes it (see
  // platform/process.h); rename_to and remove end that. 0, or the errno value.
  int create(std::string_view path);
  // Closes the file if open, then renames it to `to`, replacing what stands
  // there. 0, or the status of the failure.
  int rename_to(std::string_view to);
  // Closes the file if open (Windows removes no open file), then removes it.
  void remove();
  bool is_open() const { return file_ != nullptr; }

  int write_line(std::string_view line) override;
  FlushResult flush() override;
  int close() override;
  std::string name() const override { return path_; }

 private:
  std::FILE* file_ = nullptr;
  std::string path_;
  std::string pending_;                 // lines not yet written, CR LF included
  std::vector<std::size_t> line_ends_;  // end offset in pending_ of each pending line
};

}  // namespace tarvel
