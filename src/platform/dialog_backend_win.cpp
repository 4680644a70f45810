// Dialogs on Windows: MessageBoxA, the common open and save dialogs and the
// shell's folder browser, all with texts in the ANSI code page as the
// program holds them.
#include <windows.h>
// After windows.h, which they need.
#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_backend.h"
#include "platform/dialog_backend_common.h"

namespace tarvel {

namespace {

// Room for a selection of thousands of plans: the dialog returns the folder
// once and then each name, every one ended by a NUL.
constexpr std::size_t kSelectionChars = std::size_t{1} << 20;
// How many files always fit, whatever their names (up to 255 characters
// each, in a folder of up to MAX_PATH).
constexpr int kSelectionFiles = static_cast<int>((kSelectionChars - MAX_PATH - 1) / 256);

UINT box_type(const std::string& buttons, const std::string& icon) {
  UINT type = MB_OK;
  if (buttons == "okcancel") type = MB_OKCANCEL;
  if (buttons == "yesno") type = MB_YESNO;
  if (buttons == "yesnocancel") type = MB_YESNOCANCEL;
  if (icon == "info") type |= MB_ICONINFORMATION;
  if (icon == "warning") type |= MB_ICONWARNING;
  if (icon == "error") type |= MB_ICONERROR;
  if (icon == "question") type |= MB_ICONQUESTION;
  // A console program owns no window: keep the box in front of the console.
  return type | MB_DEFBUTTON1 | MB_TOPMOST | MB_SETFOREGROUND;
}

// "*.fpl;*.txt" NUL "*.fpl;*.txt" NUL NUL; empty when there is no pattern.
std::string filter_text(const std::vector<std::string>& patterns) {
  std::string joined;
  for (const std::string& p : patterns) {
    if (p.empty()) continue;
    if (!joined.empty()) joined += ';';
    joined += p;
  }
  if (joined.empty()) return {};
  std::string filter = joined;
  filter.push_back('\0');
  filter += joined;
  filter.push_back('\0');
  filter.push_back('\0');
  return filter;
}

// Runs GetOpenFileNameA or GetSaveFileNameA; the result buffer, or nothing
// when the user cancelled (or the selection did not fit).
template <typename Dialog>
std::optional<std::vector<char>> file_dialog(Dialog dialog, const std::string& title,
                                             const std::string& default_path,
                                             const std::vector<std::string>& patterns, DWORD flags,
                                             const std::string& def_ext = {}) {
  const ChooserStart start = split_chooser_start(default_path);
  const std::string filter = filter_text(patterns);
  std::vector<char> buf(kSelectionChars, '\0');
  start.name.copy(buf.data(), std::min(start.name.size(), buf.size() - 1));

  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = GetConsoleWindow();
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buf.data();
  ofn.nMaxFile = static_cast<DWORD>(buf.size());
  ofn.lpstrInitialDir = start.folder.empty() ? nullptr : start.folder.c_str();
  ofn.lpstrTitle = title.c_str();
  ofn.lpstrDefExt = def_ext.empty() ? nullptr : def_ext.c_str();
  ofn.Flags = flags | OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (!dialog(&ofn)) return std::nullopt;
  return buf;
}

// What the folder browser is told when its window is ready.
struct BrowseStart {
  std::string caption;
  std::string folder;  // empty: the browser's own start
};

// The browser's caption becomes the program's title, so the window says what
// is being chosen. The default folder is opened out first (BFFM_SETEXPANDED
// takes only a wide path), then selected: selecting alone leaves the tree at
// the drive when the folders on the way have not been listed yet, as on the
// first browse of a fresh Wine prefix.
int CALLBACK browse_start(HWND hwnd, UINT msg, LPARAM, LPARAM data) {
  if (msg != BFFM_INITIALIZED || data == 0) return 0;
  const auto* start = reinterpret_cast<const BrowseStart*>(data);
  if (!start->caption.empty()) SetWindowTextA(hwnd, start->caption.c_str());
  if (start->folder.empty()) return 0;
  std::vector<wchar_t> wide(start->folder.size() + 1, L'\0');
  if (MultiByteToWideChar(CP_ACP, 0, start->folder.c_str(), -1, wide.data(),
                          static_cast<int>(wide.size())) > 0) {
    SendMessageW(hwnd, BFFM_SETEXPANDED, TRUE, reinterpret_cast<LPARAM>(wide.data()));
  }
  SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start->folder.c_str()));
  return 0;
}

class Win32Dialogs final : public DialogBackend {
 public:
  int message_box(const std::string& title, const std::string& message, const std::string& buttons,
                  const std::string& icon, int) override {
    switch (MessageBoxA(nullptr, message.c_str(), title.c_str(), box_type(buttons, icon))) {
      case IDOK:
      case IDYES: return 1;
      case IDNO: return buttons == "yesnocancel" ? 2 : 0;
      default: return 0;
    }
  }

  std::optional<std::string> open_file(const std::string& title, const std::string& default_path,
                                       const std::vector<std::string>& patterns,
                                       bool multi) override {
    const DWORD flags = OFN_FILEMUSTEXIST | (multi ? OFN_ALLOWMULTISELECT : 0);
    overflow_ = 0;
    const auto buf = file_dialog(GetOpenFileNameA, title, default_path, patterns, flags);
    if (!buf || !selection_complete(buf->data(), buf->size())) {
      if (buf || CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) overflow_ = kSelectionFiles;
      return std::nullopt;
    }
    return join_multi_selection(buf->data(), buf->size());
  }

  int last_selection_overflow() override { return std::exchange(overflow_, 0); }

  std::optional<std::string> save_file(const std::string& title, const std::string& default_path,
                                       const std::vector<std::string>& patterns) override {
    // A name typed without an extension gets the filter's.
    const auto buf = file_dialog(GetSaveFileNameA, title, default_path, patterns,
                                 OFN_OVERWRITEPROMPT, default_extension(patterns));
    if (!buf) return std::nullopt;
    return std::string(buf->data());
  }

  std::optional<std::string> select_folder(const std::string& title,
                                           const std::string& default_path) override {
    // The new-style browser needs COM on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    BROWSEINFOA bi{};
    bi.hwndOwner = GetConsoleWindow();
    bi.lpszTitle = title.c_str();
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    const BrowseStart start{title, default_path};
    bi.lpfn = browse_start;
    bi.lParam = reinterpret_cast<LPARAM>(&start);
    std::optional<std::string> chosen;
    if (PIDLIST_ABSOLUTE pidl = SHBrowseForFolderA(&bi)) {
      char path[MAX_PATH] = {};
      if (SHGetPathFromIDListA(pidl, path) && path[0] != '\0') chosen = std::string(path);
      CoTaskMemFree(pidl);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return chosen;
  }

 private:
  int overflow_ = 0;
};

}  // namespace

DialogBackend& platform_dialog_backend() {
  static Win32Dialogs backend;
  return backend;
}

}  // namespace tarvel
