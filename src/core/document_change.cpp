#include "document_change.h"

#include <tuple>


namespace orvane {

namespace {

std::vector<std::string> DictionaryOf(const Document& doc) {
  return {doc.Tabelle[1].begin() + kDictionaryFirst, doc.Tabelle[1].begin() + kDictionaryLast + 1};
}

void PutDictionary(Document& doc, const std::vector<std::string>& entries, bool settled) {
  for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code) {
    const auto line = static_cast<size_t>(code - kDictionaryFirst);
    doc.Tabelle[1][code] = line < entries.size() ? entries[line] : std::string();
  }
  doc.TabelleGeaendert = settled;
}

const TextProgress& ProgressAt(const Document& doc, int32_t bank, int32_t text) {
  return doc.Progress.texts[static_cast<size_t>(bank)][static_cast<size_t>(text)];
}

TextProgress& ProgressAt(Document& doc, int32_t bank, int32_t text) {
  return doc.Progress.texts[static_cast<size_t>(bank)][static_cast<size_t>(text)];
}

}  // namespace

void DocumentChange::setText(const Document& doc, const TextPlace& place, std::string after) {
  texts_.push_back({place, WorkingText(doc, place), std::move(after)});
}

void DocumentChange::setProgress(const Document& doc, int32_t bank, int32_t text, TextProgress after) {
  progress_.push_back({bank, text, ProgressAt(doc, bank, text), std::move(after)});
}

void DocumentChange::setSymbol(const Document& doc, int32_t item, uint8_t after) {
  symbols_.push_back({item, doc.Items[static_cast<size_t>(item)].Symbol, after});
}

void DocumentChange::setDictionary(const Document& doc, std::vector<std::string> after, bool settled) {
  if (dictionary_) {
    dictionary_->after = std::move(after);
    dictionary_->settledAfter = settled;
    return;
  }
  dictionary_ = DictionaryEdit{DictionaryOf(doc), std::move(after), doc.TabelleGeaendert, settled};
}

void DocumentChange::addWord(const Document& doc, const std::string& word) {
  if (!words_) words_ = WordListEdit{doc.Progress.words, doc.Progress.words};
  words_->after.insert(word);
}

void DocumentChange::setGlossary(const Document& doc, std::vector<GlossaryTerm> after) {
  if (!glossary_) glossary_ = GlossaryEdit{doc.Progress.glossary, {}};
  glossary_->after = std::move(after);
}

void DocumentChange::apply(Document& doc) const {
  for (const TextEdit& edit : texts_) WorkingText(doc, edit.place) = edit.after;
  for (const ProgressEdit& edit : progress_) ProgressAt(doc, edit.bank, edit.text) = edit.after;
  for (const SymbolEdit& edit : symbols_) doc.Items[static_cast<size_t>(edit.item)].Symbol = edit.after;
  if (dictionary_) PutDictionary(doc, dictionary_->after, dictionary_->settledAfter);
  if (words_) doc.Progress.words = words_->after;
  if (glossary_) doc.Progress.glossary = glossary_->after;
}

void DocumentChange::revert(Document& doc) const {
  // Backwards, so that a place recorded twice ends with its first before.
  for (auto edit = texts_.rbegin(); edit != texts_.rend(); ++edit) WorkingText(doc, edit->place) = edit->before;
  for (auto edit = progress_.rbegin(); edit != progress_.rend(); ++edit)
    ProgressAt(doc, edit->bank, edit->text) = edit->before;
  for (auto edit = symbols_.rbegin(); edit != symbols_.rend(); ++edit)
    doc.Items[static_cast<size_t>(edit->item)].Symbol = edit->before;
  if (dictionary_) PutDictionary(doc, dictionary_->before, dictionary_->settledBefore);
  if (words_) doc.Progress.words = words_->before;
  if (glossary_) doc.Progress.glossary = glossary_->before;
}

std::string DocumentChange::description() const {
  std::set<std::tuple<TextList, int32_t, int32_t>> places;
  for (const TextEdit& edit : texts_) places.emplace(edit.place.list, edit.place.bank, edit.place.index);
  return places.size() > 1 ? label_ + " (" + std::to_string(places.size()) + " texts)" : label_;
}

bool DocumentChange::empty() const {
  return texts_.empty() && progress_.empty() && symbols_.empty() && !dictionary_ && !words_ && !glossary_;
}

}  // namespace orvane
