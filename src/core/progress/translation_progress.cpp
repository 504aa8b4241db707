#include "progress/translation_progress.h"

#include <cstdio>

#include "document.h"
#include "document_change.h"
#include "text_places.h"

namespace orvane {

void StartProgress(Document& doc) {
  TranslationProgress& progress = doc.Progress;
  progress.texts.assign(kBankSlots, std::vector<TextProgress>(kTextSlots));
  for (const TextPlace& place : DialoguePlaces(doc)) {
    const TextPaar& text = doc.Texte[place.bank][place.index];
    progress.texts[place.bank][place.index].status = DerivedStatus(text.Aktuell, text.Original);
  }
  progress.words.clear();
  progress.glossary.clear();
  progress.nameOriginals.clear();
  for (const TextPlace& place : NamePlaces()) progress.nameOriginals.emplace(PlaceName(place), WorkingText(doc, place));
}

TextProgress& ProgressOf(Document& doc, int32_t bank, int32_t text) {
  return doc.Progress.texts[static_cast<size_t>(bank)][static_cast<size_t>(text)];
}

const TextProgress& ProgressOf(const Document& doc, int32_t bank, int32_t text) {
  return doc.Progress.texts[static_cast<size_t>(bank)][static_cast<size_t>(text)];
}

void AddStatusEvent(DocumentChange& change, const Document& doc, int32_t bank, int32_t text, StatusEvent event) {
  TextProgress after = ProgressOf(doc, bank, text);
  after.status = NextStatus(after.status, event);
  change.setProgress(doc, bank, text, std::move(after));
}

void AddTextEdit(DocumentChange& change, const Document& doc, const TextPlace& place, std::string after) {
  const std::string& before = WorkingText(doc, place);
  if (after == before) return;
  if (place.list == TextList::Dialogue) {
    TextProgress progress = ProgressOf(doc, place.bank, place.index);
    const TextStatus status = StatusAfterEdit(progress.status, before, after, OriginalText(doc, place));
    if (status != progress.status) {
      progress.status = status;
      change.setProgress(doc, place.bank, place.index, std::move(progress));
    }
  }
  change.setText(doc, place, std::move(after));
}

const std::string& NameOriginal(const Document& doc, const TextPlace& place) {
  const auto found = doc.Progress.nameOriginals.find(PlaceName(place));
  return found == doc.Progress.nameOriginals.end() ? WorkingText(doc, place) : found->second;
}

int32_t StatusCounts::total() const {
  int32_t sum = 0;
  for (int32_t n : count) sum += n;
  return sum;
}

std::string StatusCounts::percentDone() const {
  const int32_t done = count[static_cast<size_t>(TextStatus::Translated)] +
                       count[static_cast<size_t>(TextStatus::Reviewed)];
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", total() == 0 ? 0.0 : 100.0 * done / total());
  return text;
}

StatusCounts CountStatuses(const Document& doc, int32_t bank) {
  StatusCounts counts;
  for (const TextPlace& place : DialoguePlaces(doc, bank))
    ++counts.count[static_cast<size_t>(ProgressOf(doc, place.bank, place.index).status)];
  return counts;
}

}  // namespace orvane
