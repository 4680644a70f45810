// A stand-in "zenity" for whole runs of the program (POSIX test builds). Put
// first on the PATH with a display set, it records the arguments of every call
// and answers from a script: each file chooser (open, save, folder) takes the
// next answer in order, a path or a cancel; message boxes are answered OK and
// take no answer.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarvel::test {

class ZenityStub {
 public:
  // The stub and its records live in `dir` (created).
  explicit ZenityStub(std::filesystem::path dir);

  // The answers of the next choosers, in call order: a POSIX path (several
  // joined by "|" for a multiple selection), or nullopt for a cancel. A
  // chooser beyond the last answer is cancelled. Replaces earlier answers.
  void answers(const std::vector<std::optional<std::string>>& paths) const;

  // What a run needs in its environment: the stub first on the PATH, a display.
  std::map<std::string, std::string> env() const;

  // The arguments of every call so far, in order.
  std::vector<std::vector<std::string>> calls() const;

  // Every call in short form, in order:
  //   choosers: "open <title> <start>", "save <title> <start>",
  //             "folder <title> <start>" (<start>: the --filename value);
  //   boxes: "<kind> <title>: <text>" (kind: error, warning, info, question).
  std::vector<std::string> transcript() const;

 private:
  std::filesystem::path dir_;
};

}  // namespace tarvel::test
