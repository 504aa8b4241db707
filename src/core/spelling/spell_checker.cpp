#include "spelling/spell_checker.h"

#include <hunspell/hunspell.h>
#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace orvane {

namespace {

namespace fs = std::filesystem;

// One direction of conversion; nothing comes back for a text the target encoding cannot hold.
class Converter {
 public:
  Converter(const std::string& to, const std::string& from) : handle_(iconv_open(to.c_str(), from.c_str())) {
    if (handle_ == reinterpret_cast<iconv_t>(-1))
      throw SpellingUnavailable("the dictionary's encoding " + (to == "CP1252" ? from : to) + " is not supported");
  }
  ~Converter() { iconv_close(handle_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::optional<std::string> operator()(const std::string& text) const {
    std::string out(text.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* to = out.data();
    size_t outLeft = out.size();
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(handle_, &in, &inLeft, &to, &outLeft) == static_cast<size_t>(-1)) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
  }

 private:
  iconv_t handle_;
};

}  // namespace

struct SpellChecker::Handles {
  Hunhandle* hunspell = nullptr;
  std::unique_ptr<Converter> toDictionary;
  std::unique_ptr<Converter> fromDictionary;
  ~Handles() {
    if (hunspell) Hunspell_destroy(hunspell);
  }
};

std::vector<std::string> DictionaryFolders() {
  std::vector<std::string> folders;
  if (const char* dicPath = std::getenv("DICPATH")) {
    std::string_view rest = dicPath;
    while (!rest.empty()) {
      const size_t colon = rest.find(':');
      if (colon != 0) folders.emplace_back(rest.substr(0, colon));
      rest = colon == std::string_view::npos ? "" : rest.substr(colon + 1);
    }
  }
  if (const char* home = std::getenv("HOME")) folders.push_back(std::string(home) + "/.local/share/hunspell");
  for (const char* folder : {"/usr/local/share/hunspell", "/usr/share/hunspell", "/usr/local/share/myspell",
                             "/usr/share/myspell", "/usr/share/myspell/dicts"})
    folders.emplace_back(folder);
  return folders;
}

std::optional<DictionaryFiles> FindDictionary(std::string_view language, const std::vector<std::string>& folders) {
  std::error_code error;
  for (const std::string& folder : folders) {
    const fs::path base = fs::path(folder) / language;
    DictionaryFiles files{fs::path(base).replace_extension(".aff").string(),
                          fs::path(base).replace_extension(".dic").string()};
    if (fs::is_regular_file(files.aff, error) && fs::is_regular_file(files.dic, error)) return files;
  }
  return std::nullopt;
}

std::vector<std::string> InstalledLanguages(const std::vector<std::string>& folders) {
  std::set<std::string> languages;
  std::error_code error;
  for (const std::string& folder : folders) {
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
      const fs::path& path = it->path();
      if (path.extension() == ".dic" && FindDictionary(path.stem().string(), {folder}))
        languages.insert(path.stem().string());
    }
    error.clear();
  }
  return {languages.begin(), languages.end()};
}

SpellChecker::SpellChecker(const DictionaryFiles& files) : handles_(std::make_unique<Handles>()) {
  for (const std::string& path : {files.aff, files.dic}) {
    std::error_code error;
    const uintmax_t size = fs::file_size(path, error);
    if (!error && size > kLargestDictionary)
      throw SpellingUnavailable(path + " is larger than " + std::to_string(kLargestDictionary >> 20) + " MiB (" +
                                std::to_string(size) + " bytes)");
  }
  handles_->hunspell = Hunspell_create(files.aff.c_str(), files.dic.c_str());
  if (!handles_->hunspell) throw SpellingUnavailable("hunspell cannot open " + files.dic);
  // ISO8859-1 for a dictionary that declares none.
  const std::string encoding = Hunspell_get_dic_encoding(handles_->hunspell);
  handles_->toDictionary = std::make_unique<Converter>(encoding, "CP1252");
  handles_->fromDictionary = std::make_unique<Converter>("CP1252", encoding);
}

SpellChecker::~SpellChecker() = default;

bool SpellChecker::correct(const std::string& word) {
  const auto known = known_.find(word);
  if (known != known_.end()) return known->second;
  const std::optional<std::string> converted = (*handles_->toDictionary)(word);
  const bool good = converted && Hunspell_spell(handles_->hunspell, converted->c_str()) != 0;
  known_.emplace(word, good);
  return good;
}

std::optional<std::string> SpellChecker::doubt() const {
  constexpr size_t kFewestWords = 50;
  const size_t good = static_cast<size_t>(
      std::count_if(known_.begin(), known_.end(), [](const auto& word) { return word.second; }));
  if (known_.size() < kFewestWords || good * 10 >= known_.size()) return std::nullopt;
  return "the dictionary knows only " + std::to_string(good) + " of the " + std::to_string(known_.size()) +
         " words it was asked about: is it the texts' language?";
}

std::vector<std::string> SpellChecker::suggestions(const std::string& word, size_t most) {
  auto [known, fresh] = suggested_.try_emplace(word);
  const std::optional<std::string> converted = (*handles_->toDictionary)(word);
  if (fresh && converted) {
    char** list = nullptr;
    const int count = Hunspell_suggest(handles_->hunspell, &list, converted->c_str());
    for (int i = 0; i < count; ++i)
      if (const std::optional<std::string> back = (*handles_->fromDictionary)(list[i])) known->second.push_back(*back);
    Hunspell_free_list(handles_->hunspell, &list, count);
  }
  const std::vector<std::string>& all = known->second;
  return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(std::min(most, all.size()))};
}

std::unique_ptr<SpellChecker> OpenSpellChecker(std::string_view language, const std::vector<std::string>& folders) {
  // A name, never a path: "../x" or "en_US.evil" would open some other file.
  const bool name = !language.empty() && language.size() <= 64 && std::all_of(language.begin(), language.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
  });
  if (!name)
    throw SpellingUnavailable("\"" + std::string(language) +
                              "\" is no language name (letters, digits, \"_\" and \"-\", as in en_US)");
  const std::optional<DictionaryFiles> files = FindDictionary(language, folders);
  if (files) return std::make_unique<SpellChecker>(*files);
  std::string looked;
  for (const std::string& folder : folders) looked += (looked.empty() ? "" : ", ") + folder;
  std::string package(language);
  std::transform(package.begin(), package.end(), package.begin(), [](char c) { return c == '_' ? '-' : std::tolower(c); });
  throw SpellingUnavailable("no spelling dictionary for " + std::string(language) + " (looked in " + looked +
                            "; on Debian the package hunspell-" + package + " has it)");
}

}  // namespace orvane
