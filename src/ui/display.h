// The display layer: one message box, the open-file, save-file and folder
// dialogs, and the language test. Texts in are NUL-terminated (a text is cut
// at its first NUL); texts out are whole std::string values with their
// length beside them, so no caller's field can overflow. The boxes and
// dialogs themselves come from dialog_backend() (ui/dialogs.h).
#pragma once

#include <string>
#include <string_view>

namespace tarvel {

// Shows one box of the MessageKind `status` (ui/to_gui.h); for the question
// kinds `status` receives the answer (0 cancel/no, 1 ok/yes, 2 no in a
// yes/no/cancel box). Any other kind shows nothing and leaves `status`.
void DisplayMessage(std::string_view title, std::string_view message, int& status);

// Open dialog. `path`: the folder or file pattern shown first; `filter`:
// patterns separated by "," (at most 63 characters, 13 patterns of at most
// 31); `desc` is not shown; `multi` 1 allows several files, whose full paths
// come back joined by "|".
// Returns 1 when a selection was made: `file` holds it and `len` its length.
// Returns 0 when cancelled (or nothing came back): an error box says so,
// `len` is 0 and `file` is left as it was.
int GetFileName(std::string& file, std::string_view title, std::string_view path,
                std::string_view filter, std::string_view desc, int multi, int& len);

// Save dialog for one file; same conventions as GetFileName.
int SaveFileName(std::string& file, std::string_view title, std::string_view path,
                 std::string_view filter, std::string_view desc, int& len);

// Folder dialog opening on `deflt`. Returns 0 when a folder was chosen
// (`folder` holds it, `len` its length) and 1 when not (an error box says
// so, `len` is 0) -- the opposite of the file dialogs.
int GetFolder(std::string_view title, std::string_view deflt, int& len, std::string& folder);

// 1 when the user's interface language is French (any region), else 0.
int IsLanguageFrench();
// 1 when the Windows language identifier `langid` is French (primary
// language 0x0C in its low 8 bits), else 0.
int is_french_language_id(unsigned langid);

// `sub` = the characters of `s` at 0-based positions p1 to p2 inclusive
// (positions outside `s` are not taken); returns how many (0 when p2 < p1).
int substrpos(std::string_view s, std::string& sub, int p1, int p2);

}  // namespace tarvel
