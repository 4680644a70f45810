// Dialogs on Windows: MessageBoxW, the common open and save dialogs and the
// shell's folder browser, all through the wide calls: the program's texts go
// out as UTF-16 and the chosen names come back in UTF-8, whatever language
// they are in.
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
#include "platform/wide_text_win.h"

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
std::wstring filter_text(const std::vector<std::string>& patterns) {
  std::string joined;
  for (const std::string& p : patterns) {
    if (p.empty()) continue;
    if (!joined.empty()) joined += ';';
    joined += p;
  }
  if (joined.empty()) return {};
  std::wstring filter = to_wide(joined);
  filter.push_back(L'\0');
  filter += to_wide(joined);
  filter.push_back(L'\0');
  filter.push_back(L'\0');
  return filter;
}

// Runs GetOpenFileNameW or GetSaveFileNameW; the result buffer in UTF-8 (its
// NUL separators kept), or nothing when the user cancelled (or the selection
// did not fit).
template <typename Dialog>
std::optional<std::string> file_dialog(Dialog dialog, const std::string& title,
                                       const std::string& default_path,
                                       const std::vector<std::string>& patterns, DWORD flags,
                                       const std::string& def_ext = {}, bool* complete = nullptr) {
  const ChooserStart start = split_chooser_start(default_path);
  const std::wstring filter = filter_text(patterns);
  const std::wstring name = to_wide(start.name);
  const std::wstring folder = to_wide(start.folder);
  const std::wstring title_w = to_wide(title);
  std::vector<wchar_t> buf(kSelectionChars, L'\0');
  name.copy(buf.data(), std::min(name.size(), buf.size() - 1));

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = GetConsoleWindow();
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buf.data();
  ofn.nMaxFile = static_cast<DWORD>(buf.size());
  const std::wstring def_ext_w = to_wide(def_ext);
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrTitle = title_w.c_str();
  ofn.lpstrDefExt = def_ext_w.empty() ? nullptr : def_ext_w.c_str();
  ofn.Flags = flags | OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (!dialog(&ofn)) return std::nullopt;
  // A selection cut at the end of the buffer (Wine cuts it rather than
  // failing) does not end with a double NUL.
  if (complete != nullptr) *complete = selection_complete(buf.data(), buf.size());
  // The texts end at the first double NUL (a single name: at its NUL).
  std::size_t end = 0;
  while (end + 1 < buf.size() && !(buf[end] == L'\0' && buf[end + 1] == L'\0')) ++end;
  return from_wide(std::wstring_view(buf.data(), end + 1));
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
  if (!start->caption.empty()) SetWindowTextW(hwnd, to_wide(start->caption).c_str());
  if (start->folder.empty()) return 0;
  const std::wstring folder = to_wide(start->folder);
  SendMessageW(hwnd, BFFM_SETEXPANDED, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
  SendMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
  return 0;
}

class Win32Dialogs final : public DialogBackend {
 public:
  int message_box(const std::string& title, const std::string& message, const std::string& buttons,
                  const std::string& icon, int) override {
    switch (MessageBoxW(nullptr, to_wide(message).c_str(), to_wide(title).c_str(),
                        box_type(buttons, icon))) {
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
    bool complete = true;
    const auto buf =
        file_dialog(GetOpenFileNameW, title, default_path, patterns, flags, {}, &complete);
    if (!buf || !complete) {
      if (buf || CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) overflow_ = kSelectionFiles;
      return std::nullopt;
    }
    return join_multi_selection(buf->data(), buf->size());
  }

  int last_selection_overflow() override { return std::exchange(overflow_, 0); }

  std::optional<std::string> save_file(const std::string& title, const std::string& default_path,
                                       const std::vector<std::string>& patterns) override {
    // A name typed without an extension gets the filter's.
    const auto buf = file_dialog(GetSaveFileNameW, title, default_path, patterns,
                                 OFN_OVERWRITEPROMPT, default_extension(patterns));
    if (!buf) return std::nullopt;
    return std::string(buf->c_str());
  }

  std::optional<std::string> select_folder(const std::string& title,
                                           const std::string& default_path) override {
    // The new-style browser needs COM on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const std::wstring title_w = to_wide(title);
    BROWSEINFOW bi{};
    bi.hwndOwner = GetConsoleWindow();
    bi.lpszTitle = title_w.c_str();
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    const BrowseStart start{title, default_path};
    bi.lpfn = browse_start;
    bi.lParam = reinterpret_cast<LPARAM>(&start);
    std::optional<std::string> chosen;
    if (PIDLIST_ABSOLUTE pidl = SHBrowseForFolderW(&bi)) {
      wchar_t path[MAX_PATH] = {};
      if (SHGetPathFromIDListW(pidl, path) && path[0] != L'\0') chosen = from_wide(path);
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
