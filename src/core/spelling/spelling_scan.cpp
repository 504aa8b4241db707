#include "spelling/spelling_scan.h"

namespace orvane {

namespace {

constexpr TextList kNameLists[] = {TextList::SaveTitles, TextList::Locations, TextList::ItemNames,
                                   TextList::Enemies, TextList::TechNames};
constexpr int kCharacterCodes[] = {0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1B, 0x20};

bool IsNameList(TextList list) {
  for (TextList name : kNameLists)
    if (list == name) return true;
  return false;
}

}  // namespace

SpellingScan::SpellingScan(const Document& doc, SpellChecker& checker) : checker_(checker) {
  const auto addWords = [this](std::string_view text) {
    for (const WordSpan& span : SplitWords(text)) accepted_.emplace(text.substr(span.start, span.length));
  };
  for (int code : kCharacterCodes) addWords(doc.Tabelle[1][code]);
  for (const TextPlace& place : NamePlaces())
    if (IsNameList(place.list)) addWords(WorkingText(doc, place));
  accepted_.insert(doc.Progress.words.begin(), doc.Progress.words.end());
}

bool SpellingScan::accepted(const std::string& word) const {
  if (accepted_.count(word)) return true;
  // "Kael's": a name with the possessive.
  return word.size() > 2 && word.ends_with("'s") && accepted_.count(word.substr(0, word.size() - 2));
}

std::vector<WordSpan> SpellingScan::check(std::string_view text) {
  std::vector<WordSpan> wrong;
  for (const WordSpan& span : SplitWords(text)) {
    const std::string word(text.substr(span.start, span.length));
    if (!accepted(word) && !checker_.correct(word)) wrong.push_back(span);
  }
  return wrong;
}

std::vector<Misspelling> SpellingScan::run(const Document& doc, int32_t bank) {
  std::vector<Misspelling> found;
  std::vector<TextPlace> places = DialoguePlaces(doc, bank);
  if (bank == 0)
    for (const TextPlace& place : NamePlaces())
      if (place.list == TextList::ItemInfos || place.list == TextList::TechInfos) places.push_back(place);
  for (const TextPlace& place : places) {
    const std::string& text = WorkingText(doc, place);
    for (const WordSpan& span : check(text)) found.push_back({place, span, text.substr(span.start, span.length)});
  }
  return found;
}

}  // namespace orvane
