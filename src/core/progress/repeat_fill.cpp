#include "progress/repeat_fill.h"

#include <unordered_map>

#include "progress/translation_progress.h"

namespace orvane {

namespace {

void Set(Document& doc, const TextPlace& place, const std::string& text, TextStatus status) {
  doc.Texte[place.bank][place.index].Aktuell = text;
  ProgressOf(doc, place.bank, place.index).status = status;
  doc.Geaendert = true;
}

TextStatus StatusAt(const Document& doc, const TextPlace& place) {
  return ProgressOf(doc, place.bank, place.index).status;
}

// `source`'s working text into each untranslated text of `group`.
void FillGroup(const Document& doc, const TextPlace& source, const std::vector<TextPlace>& group, TextChanges& out) {
  const std::string& translation = WorkingText(doc, source);
  for (const TextPlace& place : group) {
    if (StatusAt(doc, place) != TextStatus::Untranslated) continue;
    out.texts.push_back({place, WorkingText(doc, place), translation, TextStatus::Untranslated, TextStatus::Draft});
  }
}

}  // namespace

void ApplyChanges(Document& doc, const TextChanges& changes) {
  for (const FilledText& change : changes.texts) Set(doc, change.place, change.textAfter, change.statusAfter);
}

void RevertChanges(Document& doc, const TextChanges& changes) {
  for (const FilledText& change : changes.texts)
    if (WorkingText(doc, change.place) == change.textAfter && StatusAt(doc, change.place) == change.statusAfter)
      Set(doc, change.place, change.textBefore, change.statusBefore);
}

TextChanges FillRepeatsOf(const Document& doc, int32_t bank, int32_t text) {
  const std::string& original = doc.Texte[bank][text].Original;
  std::vector<TextPlace> group;
  for (const TextPlace& place : DialoguePlaces(doc))
    if ((place.bank != bank || place.index != text) && OriginalText(doc, place) == original) group.push_back(place);
  TextChanges changes;
  FillGroup(doc, TextPlace{TextList::Dialogue, bank, text}, group, changes);
  return changes;
}

TextChanges FillAllRepeats(const Document& doc) {
  std::unordered_map<std::string_view, std::vector<TextPlace>> groups;
  std::vector<const std::vector<TextPlace>*> order;  // groups by their first place
  for (const TextPlace& place : DialoguePlaces(doc)) {
    auto& group = groups[OriginalText(doc, place)];
    if (group.empty()) order.push_back(&group);
    group.push_back(place);
  }
  TextChanges changes;
  for (const std::vector<TextPlace>* group : order) {
    const TextPlace* best = &group->front();
    for (const TextPlace& place : *group)
      if (StatusAt(doc, place) > StatusAt(doc, *best)) best = &place;
    if (group->size() > 1 && StatusAt(doc, *best) != TextStatus::Untranslated) FillGroup(doc, *best, *group, changes);
  }
  return changes;
}

}  // namespace orvane
