#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/user_reg.h"
#include "platform/wine_prefix.h"

namespace tarvel {

namespace {

struct Cache {
  bool loaded = false;
  std::string prefix;
  UserReg reg;
};

Cache& cache() {
  static Cache c;
  return c;
}

}  // namespace

const UserReg& user_reg() {
  Cache& c = cache();
  std::string prefix = wine_prefix();
  if (c.loaded && c.prefix == prefix) return c.reg;
  c.reg = UserReg();
  // Only a plain file (or a link to one) is read: opening a FIFO would wait
  // for a writer that never comes.
  const std::string path = prefix + "/user.reg";
  struct stat st {};
  std::ifstream in;
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) in.open(path, std::ios::binary);
  if (in.is_open()) {
    std::ostringstream text;
    text << in.rdbuf();
    if (in.good() || in.eof()) c.reg = parse_user_reg(text.str());
  }
  c.prefix = std::move(prefix);
  c.loaded = true;
  return c.reg;
}

void reset_user_reg_cache() { cache() = Cache(); }

}  // namespace tarvel
