#include "check/old_names.h"

#include <algorithm>

#include "progress/translation_progress.h"
#include "spelling/word_splitter.h"

namespace orvane {

namespace {

constexpr TextList kRenamable[] = {TextList::SaveTitles, TextList::Locations, TextList::ItemNames,
                                   TextList::Enemies, TextList::TechNames};

char Lower(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);  // the accented capitals
  return c;
}

bool WordChar(char c) { return IsWordLetter(static_cast<unsigned char>(c)) || (c >= '0' && c <= '9'); }

bool IsEscapeAt(std::string_view text, size_t at) {
  return at + 4 <= text.size() && text[at] == '{' && text[at + 3] == '}';
}

}  // namespace

std::string Lowered(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
  return lower;
}

bool MentionsLowered(std::string_view lowerText, std::string_view lowerWord) {
  if (lowerWord.empty()) return false;
  for (size_t at = lowerText.find(lowerWord); at != std::string_view::npos; at = lowerText.find(lowerWord, at + 1)) {
    const size_t end = at + lowerWord.size();
    if ((at == 0 || !WordChar(lowerText[at - 1])) && (end == lowerText.size() || !WordChar(lowerText[end])))
      return true;
  }
  return false;
}

std::string NameInText(std::string_view name) {
  for (bool trimmed = true; trimmed;) {
    const size_t before = name.size();
    while (!name.empty() && (name.front() == ' ' || name.front() == '*')) name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    if (IsEscapeAt(name, 0)) name.remove_prefix(4);
    if (name.size() >= 4 && IsEscapeAt(name, name.size() - 4)) name.remove_suffix(4);
    trimmed = name.size() != before;
  }
  return std::string(name);
}

std::vector<OldNameUse> FindOldNames(const Document& doc) {
  std::vector<OldNameUse> uses;
  const std::vector<TextPlace> texts = DialoguePlaces(doc);
  std::vector<std::string> originals, workings;  // lowered once, only when a name was renamed
  for (const TextPlace& name : NamePlaces()) {
    if (std::find(std::begin(kRenamable), std::end(kRenamable), name.list) == std::end(kRenamable)) continue;
    const std::string oldName = NameInText(NameOriginal(doc, name));
    const std::string newName = NameInText(WorkingText(doc, name));
    if (oldName.empty() || Lowered(oldName) == Lowered(newName)) continue;
    if (originals.empty()) {
      for (const TextPlace& text : texts) {
        originals.push_back(Lowered(OriginalText(doc, text)));
        workings.push_back(Lowered(WorkingText(doc, text)));
      }
    }
    const std::string lowerOld = Lowered(oldName), lowerNew = Lowered(newName);
    for (size_t i = 0; i < texts.size(); ++i) {
      if (!MentionsLowered(originals[i], lowerOld)) continue;
      const bool oldThere = MentionsLowered(workings[i], lowerOld);
      if (oldThere || (!lowerNew.empty() && !MentionsLowered(workings[i], lowerNew)))
        uses.push_back({name, texts[i], oldName, newName, oldThere});
    }
  }
  return uses;
}

}  // namespace orvane
