#include "install/rd_usr_reg.h"

#include <string>

#include "platform/environment.h"
#include "platform/registry.h"
#include "platform/windows_path.h"
#include "util/console.h"

namespace tarvel {

int RdUsrReg(std::string_view subkey, std::string_view name, std::string& outval, int& len) {
  subkey = up_to_nul(subkey);
  name = up_to_nul(name);
  console_line("Subkey,name : " + std::string(subkey) + " " + std::string(name) + " ");
  const RegistryHive hive = len < 0 ? RegistryHive::classes_root : RegistryHive::current_user;
  const RegistryRead r = read_registry_string(hive, subkey, name, registry_buffer_size);
  if (hive == RegistryHive::current_user) {
    console_line("USER Open Status : " + std::to_string(r.open_status));
  }
  if (!r.opened) return r.open_status;

  console_line("Query Status, Length : " + std::to_string(r.query_status) + " " +
               std::to_string(r.size));
  if (r.query_status == reg_success) {
    console_line("value : " + r.value + " ");
    len = static_cast<int>(r.size);
    outval = r.value;
  }
  console_line("Status : " + std::to_string(r.close_status));
  return r.query_status != reg_success ? r.query_status : r.close_status;
}

int MyGetEnv(std::string_view name, std::string& value, int len) {
  value.clear();
  if (len <= 0) return 0;
  std::optional<std::string> v =
      environment_variable(up_to_nul(name), static_cast<std::size_t>(len));
  if (!v) return 0;
  value = std::move(*v);
  return static_cast<int>(value.size());
}

}  // namespace tarvel
