#include "support/test_support.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

#include "util/console.h"

namespace tarvel::test {

ConsoleCapture::ConsoleCapture() { set_console_capture(&text_); }
ConsoleCapture::~ConsoleCapture() { set_console_capture(nullptr); }

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  std::random_device rd;
  for (;;) {
    auto name = "tarvel-test-" + std::to_string(rd()) + "-" + std::to_string(counter++);
    path_ = std::filesystem::temp_directory_path() / name;
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempDir::write(const std::string& name, std::string_view bytes) const {
  const auto p = path_ / name;
  std::filesystem::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return p;
}

std::string read_file(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string crlf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

}  // namespace tarvel::test
