#pragma once
// Spelling through hunspell and the dictionaries installed on the system (LANG.aff + LANG.dic in
// the usual folders). Words come and go as 8-bit text; each dictionary's own encoding is dealt with
// here. The answers for a word are kept, so a whole project asks hunspell once per distinct word.

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvane {

// The folders searched: those in $DICPATH, then ~/.local/share/hunspell, /usr/local/share and
// /usr/share (hunspell and myspell).
std::vector<std::string> DictionaryFolders();

struct DictionaryFiles {
  std::string aff;
  std::string dic;
};

// The first folder holding both files of `language` ("en_US").
std::optional<DictionaryFiles> FindDictionary(std::string_view language,
                                              const std::vector<std::string>& folders = DictionaryFolders());
// Every language with both files in `folders`, sorted, each once.
std::vector<std::string> InstalledLanguages(const std::vector<std::string>& folders = DictionaryFolders());

// Why spelling cannot be checked: no dictionary, or one hunspell cannot use. The text is for the user.
class SpellingUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SpellChecker {
 public:
  // Throws SpellingUnavailable.
  explicit SpellChecker(const DictionaryFiles& files);
  ~SpellChecker();
  SpellChecker(const SpellChecker&) = delete;
  SpellChecker& operator=(const SpellChecker&) = delete;

  bool correct(const std::string& word);
  // After a check: a warning when the dictionary knew almost none of the distinct words asked
  // about (fewer than one in ten of at least 50), the mark of a wrong or broken dictionary.
  std::optional<std::string> doubt() const;
  // At most `most` suggestions, best first; those the game's character set cannot hold are left out.
  std::vector<std::string> suggestions(const std::string& word, size_t most);

 private:
  struct Handles;
  std::unique_ptr<Handles> handles_;
  std::unordered_map<std::string, bool> known_;
  std::unordered_map<std::string, std::vector<std::string>> suggested_;  // all hunspell gave, 8-bit
};

// The largest dictionary file opened: the biggest installed ones are a few MiB.
inline constexpr uint64_t kLargestDictionary = uint64_t{32} << 20;

// The checker for `language`, a name of letters, digits, "_" and "-" ("en_US") looked up in
// `folders`. Throws SpellingUnavailable for another name, naming the folders looked in when no
// dictionary is found, and for a dictionary file larger than kLargestDictionary.
std::unique_ptr<SpellChecker> OpenSpellChecker(std::string_view language,
                                               const std::vector<std::string>& folders = DictionaryFolders());

}  // namespace orvane
