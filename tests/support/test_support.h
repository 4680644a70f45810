// Shared helpers of the unit tests.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvel::test {

// Thrown by the test stop handler in place of ending the process.
struct RunStopped {
  int status;
};

// Captures console lines (plain text, one "\n" per line) while alive.
class ConsoleCapture {
 public:
  ConsoleCapture();
  ~ConsoleCapture();
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  // Writes `bytes` to the file `name` below the folder (creating folders) and
  // returns its full path.
  std::filesystem::path write(const std::string& name, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

std::string read_file(const std::filesystem::path& p);

// The text with every line feed preceded by a carriage return, as plan files
// hold their lines.
std::string crlf(std::string_view text);

}  // namespace tarvel::test
