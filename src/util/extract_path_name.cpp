#include "util/extract_path_name.h"

#include <cerrno>
#include <cstdio>

#include "platform/files.h"
#include "ui/to_gui.h"
#include "util/app_state.h"
#include "util/console.h"
#include "util/stop_run.h"

namespace tarvel {

namespace {

constexpr std::size_t kPathExamined = 1024;

// errno of a failed call, never 0.
int failure() { return errno != 0 ? errno : 1; }

}  // namespace

PathParts split_path_name(std::string_view path) {
  path = path.substr(0, kPathExamined);
  const std::string_view trimmed = trim_right(path);
  if (trimmed.empty()) return {};
  if (trimmed == "..") return {"..\\", ""};
  const std::size_t slash = path.rfind('\\');
  if (slash == std::string_view::npos) return {".\\", std::string(path)};
  return {std::string(path.substr(0, slash + 1)), std::string(path.substr(slash + 1))};
}

void check_writable_folder(std::string_view folder, std::string_view msg_tit) {
  const std::string_view dir = trim_right(folder);
  const FixedText<256> probe(std::string(dir) + "\\" + std::string(kProbeFileName));
  FreeLine() << "check_writable_folder " << probe.trimmed();

  int open_status = 0;
  int rewind_status = 1;
  int write_status = 1;
  int close_status = 1;
  errno = 0;
  std::FILE* f = open_file(probe.view(), "w");
  if (f == nullptr) {
    open_status = failure();
  } else {
    rewind_status = std::fseek(f, 0, SEEK_SET) == 0 ? 0 : failure();
    if (rewind_status == 0) {
      write_status = 0;
      if (std::fprintf(f, "%.*s\n", static_cast<int>(kProbeLine.size()), kProbeLine.data()) < 0 ||
          std::fflush(f) != 0) {
        write_status = failure();
      }
      close_status = std::fclose(f) == 0 ? remove_file(probe.view()) : failure();
    } else {
      // The probe file stays behind; the run ends below anyway.
      std::fclose(f);
    }
  }
  FreeLine() << open_status << rewind_status << write_status << close_status;
  if (open_status == 0 && rewind_status == 0 && write_status == 0 && close_status == 0) return;

  const std::string d(dir);
  FixedText<256> msg;
  if (app_state().qfr) {
    msg = "Le dossier " + d +
          " n'est pas accessible en \xe9"
          "criture" +
          "/Modifiez les droits d'acc\xe8"
          "s du dossier" +
          "/Ou installez TARVEL \xe0 un autre emplacement";
  } else {
    msg = "The " + d + " folder is not writable/Change the access rights of the folder" +
          "/Or install in another location";
  }
  int kind = s_error;
  error_message_tit(kind, msg_tit, msg, app_state().qline);
  stop_run(0);
}

}  // namespace tarvel
