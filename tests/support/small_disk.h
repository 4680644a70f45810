// A small file system mounted over a folder for one test (Linux, root only,
// as CI runs; a test skips itself when mounted() is false). Unmounted when
// the object goes away.
#pragma once

#include <sys/mount.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace tarvel::test {

class SmallDisk {
 public:
  explicit SmallDisk(const std::filesystem::path& folder) : folder_(folder) {
    std::filesystem::create_directories(folder);
    mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;
  bool mounted() const { return mounted_; }
  // Fills what is left of it with one file.
  void fill() const {
    std::FILE* f = std::fopen((folder_ / "filler").c_str(), "wb");
    if (f == nullptr) return;
    const std::string block(1024, 'x');
    while (std::fwrite(block.data(), 1, block.size(), f) == block.size() && std::fflush(f) == 0) {
    }
    std::fclose(f);
  }

 private:
  std::filesystem::path folder_;
  bool mounted_ = false;
};

}  // namespace tarvel::test
