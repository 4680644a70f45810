// Finding the Wine prefix that holds an installation, when WINEPREFIX does
// not name one (outside Windows).
//
// With WINEPREFIX set, that prefix is the one and nothing else is looked at.
// Otherwise $HOME/.wine is taken when it qualifies, and failing that every
// prefix in the usual homes of prefixes is tried (the places in
// kPrefixHomes, "*" standing for every folder there). A prefix is a folder
// holding a user.reg file and a drive_c folder; it qualifies when its
// user.reg has the string value wanted, not blank and short enough for the
// registry buffer (registry.h), as the registry functions would read it.
//
// Links in those homes are followed, and a folder reached twice (through a
// link and directly, as Steam's ~/.steam/steam usually is) counts once; the
// depth is fixed, so a link loop costs nothing. A folder or file that cannot
// be read is skipped. Each user.reg is read only as far as the answer needs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

// The homes searched after $HOME/.wine, relative to $HOME, in search order.
inline constexpr std::string_view kPrefixHomes[] = {
    ".local/share/wineprefixes/*",
    ".PlayOnLinux/wineprefix/*",
    "Games/*",
    "Games/*/*",
    ".local/share/bottles/bottles/*",
    ".var/app/com.usebottles.bottles/data/bottles/bottles/*",
    ".steam/steam/steamapps/compatdata/*/pfx",
    ".local/share/Steam/steamapps/compatdata/*/pfx",
    ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/*/pfx",
};

struct PrefixSearch {
  enum class Result {
    windows,  // Windows: the registry and the drives are the system's
    named,    // WINEPREFIX names the prefix (prefixes[0]); nothing else looked at
    found,    // exactly one prefix qualifies: prefixes[0]
    several,  // more than one qualifies: all of them, in search order
    none,     // none qualifies
  };
  Result result = Result::none;
  std::vector<std::string> prefixes;  // POSIX paths without a final "/"
};

// The search described above, for the string value `name` of the key `key`
// of the current user's hive.
PrefixSearch search_wine_prefix(std::string_view key, std::string_view name);

// POSIX only: the search below the home folder `home`, WINEPREFIX aside.
PrefixSearch search_prefix_homes(const std::string& home, std::string_view key,
                                 std::string_view name);

}  // namespace tarvel
