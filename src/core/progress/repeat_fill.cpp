#include "progress/repeat_fill.h"

#include <unordered_map>

#include "progress/translation_progress.h"

namespace orvane {

namespace {

TextStatus StatusAt(const Document& doc, const TextPlace& place) {
  return ProgressOf(doc, place.bank, place.index).status;
}

// Gives (place) `text` with `status`, keeping its note.
void Set(DocumentChange& change, const Document& doc, const TextPlace& place, std::string text, TextStatus status) {
  TextProgress progress = ProgressOf(doc, place.bank, place.index);
  progress.status = status;
  change.setText(doc, place, std::move(text));
  change.setProgress(doc, place.bank, place.index, std::move(progress));
}

// `source`'s working text into each untranslated text of `group`.
void FillGroup(const Document& doc, const TextPlace& source, const std::vector<TextPlace>& group,
               DocumentChange& change) {
  const std::string& translation = WorkingText(doc, source);
  for (const TextPlace& place : group)
    if (StatusAt(doc, place) == TextStatus::Untranslated) Set(change, doc, place, translation, TextStatus::Draft);
}

}  // namespace

DocumentChange FillRepeatsOf(const Document& doc, int32_t bank, int32_t text) {
  const std::string& original = doc.Texte[bank][text].Original;
  std::vector<TextPlace> group;
  for (const TextPlace& place : DialoguePlaces(doc))
    if ((place.bank != bank || place.index != text) && OriginalText(doc, place) == original) group.push_back(place);
  DocumentChange change("Fill repeated lines");
  FillGroup(doc, TextPlace{TextList::Dialogue, bank, text}, group, change);
  return change;
}

DocumentChange FillAllRepeats(const Document& doc) {
  std::unordered_map<std::string_view, std::vector<TextPlace>> groups;
  std::vector<const std::vector<TextPlace>*> order;  // groups by their first place
  for (const TextPlace& place : DialoguePlaces(doc)) {
    auto& group = groups[OriginalText(doc, place)];
    if (group.empty()) order.push_back(&group);
    group.push_back(place);
  }
  DocumentChange change("Fill repeated lines");
  for (const std::vector<TextPlace>* group : order) {
    const TextPlace* best = &group->front();
    for (const TextPlace& place : *group)
      if (StatusAt(doc, place) > StatusAt(doc, *best)) best = &place;
    if (group->size() > 1 && StatusAt(doc, *best) != TextStatus::Untranslated) FillGroup(doc, *best, *group, change);
  }
  return change;
}

// A fill records each text and then its progress, so the two lists run side by side.
DocumentChange TakeBackFill(const Document& doc, const DocumentChange& fill) {
  DocumentChange change("Undo the fill");
  const auto& texts = fill.texts();
  const auto& progress = fill.progress();
  for (size_t i = 0; i < texts.size() && i < progress.size(); ++i) {
    const TextPlace& place = texts[i].place;
    if (WorkingText(doc, place) == texts[i].after && StatusAt(doc, place) == progress[i].after.status)
      Set(change, doc, place, texts[i].before, progress[i].before.status);
  }
  return change;
}

}  // namespace orvane
