#include "platform/registry.h"
#include "platform/user_reg.h"
#include "platform/windows_path.h"

namespace tarvel {

RegistryRead read_registry_string(RegistryHive hive, std::string_view subkey, std::string_view name,
                                  unsigned buffer_size) {
  RegistryRead r;
  // Wine keeps the per-user classes in the user's hive under Software\Classes.
  std::string key = hive == RegistryHive::classes_root ? "Software\\Classes\\" : "";
  key += subkey;
  const UserReg& reg = user_reg();
  if (!reg.has_key(key)) return r;
  r.open_status = reg_success;
  r.opened = true;
  r.close_status = reg_success;
  r.size = buffer_size;
  const std::string* v = reg.find(key, name);
  if (v == nullptr) return r;
  r.size = static_cast<unsigned>(v->size() + 1);
  if (v->size() + 1 > buffer_size) {
    r.query_status = reg_more_data;
    return r;
  }
  r.query_status = reg_success;
  r.value = up_to_nul(*v);
  return r;
}

}  // namespace tarvel
