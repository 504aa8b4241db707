#include "check/fit.h"

#include <algorithm>

#include "check/unwritable.h"
#include "common/progress_sink.h"
#include "layout.h"
#include "text_places.h"
#include "writer/write_context.h"

namespace orvane {

namespace {

// Keeps the writers' messages. Space messages go on with the next entry and error questions are
// answered Yes, so every area is measured to its end.
class CollectingPrompter : public Prompter {
 public:
  Answer ask(const Message& message) override {
    std::string text = message.text;
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    messages.push_back(message.title + ": " + text);
    if (message.buttons == Buttons::OkCancel) return Answer::Ok;
    return message.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
  std::vector<std::string> messages;
};

// Every piece of a dialogue text the table cannot write, each time it occurs.
std::vector<std::string> AllPieces(std::string_view text, const DialogueMeasure& measure) {
  std::vector<std::string> pieces;
  for (const UnwritablePiece& piece : measure.unwritable)
    pieces.emplace_back(text.substr(static_cast<size_t>(piece.start), static_cast<size_t>(piece.length)));
  return pieces;
}

AreaFit Area(std::string name, int64_t used, int64_t capacity) {
  return {std::move(name), used, capacity, used <= capacity};
}

}  // namespace

bool FitReport::Fits() const {
  const auto fits = [](const AreaFit& area) { return area.fits; };
  return dictionary.fits && std::all_of(banks.begin(), banks.end(), fits) &&
         std::all_of(nameAreas.begin(), nameAreas.end(), fits) && unencodable.empty() && overflows.empty() &&
         messages.empty();
}

Encoder SaveEncoder(const Document& doc) {
  const int32_t longest = LongestText(doc.Tabelle[1]);
  return Encoder(doc.Tabelle[1], longest, LayOutDictionary(doc.Tabelle[1]).dropped);
}

int32_t DialogueTextBytes(const Encoder& encoder, std::string_view text) {
  return MeasureDialogueText(encoder, text).bytes;
}

FitReport MeasureFit(const Document& doc) {
  // The writers pad item names in the document they write, so they work on a copy.
  Document copy = doc;
  RomImage scratch(std::vector<uint8_t>(kFullImageSize, 0));
  CollectingPrompter prompter;
  SilentProgress progress;
  WriteContext ctx{copy, scratch, prompter, progress};
  ctx.progressTotal = SaveProgressTotal(copy);
  BerechneMaxLaengen(copy);
  copy.Kodiertabelle = copy.Tabelle[1];
  SchreibeWoerterbuch(ctx);

  FitReport report;
  // The dictionary in the bytes the writer writes (an entry holding an escape is written shorter
  // than its window counts it), every entry included; it fits when the writer drops none.
  const int32_t needed = LayOutDictionary(copy.Kodiertabelle).needed;
  report.dictionary = {"dictionary", needed, kDictionaryBudget, needed <= kDictionaryBudget && ctx.overflows.empty()};
  const Encoder encoder = MakeEncoder(ctx);
  for (int bank = 1; bank <= kBankCount; ++bank) {
    const BankRecord& record = copy.BankInfo[bank];
    int64_t used = 0;
    for (const TextPlace& place : DialoguePlaces(copy, bank)) {
      const std::string& text = WorkingText(copy, place);
      const DialogueMeasure measure = MeasureDialogueText(encoder, text);
      used += measure.bytes;
      if (measure.unwritable.empty()) continue;
      std::vector<std::string> pieces = DistinctPieces(text, measure.unwritable);
      std::string reason = "no code for " + QuotedPieces(pieces);
      report.unencodable.push_back({place, std::move(pieces), std::move(reason)});
    }
    report.banks.push_back(Area("bank " + std::to_string(bank), used, record.DataEnd - record.DataStart + 1));
  }

  SchreibeNamenstabellen(ctx);
  const int64_t titles = copy.TitelDatenEnde - copy.TitelDatenStart;
  const int64_t locations = copy.StadtDatenEnde - copy.StadtDatenStart;
  const int64_t itemInfos = kItemInfoDataLast - kItemInfoData + 1;
  // An area whose entry was left out does not fit, whatever room the others left.
  const auto area = [&ctx](std::string name, int64_t capacity, int64_t free, TextList list) {
    AreaFit fit = Area(std::move(name), capacity - free, capacity);
    fit.fits = fit.fits && std::none_of(ctx.overflows.begin(), ctx.overflows.end(), [list](const OverflowNote& note) {
      return note.place && note.place->list == list;
    });
    return fit;
  };
  report.nameAreas = {area("save titles", titles, ctx.titlesFree, TextList::SaveTitles),
                      area("locations", locations, ctx.locationsFree, TextList::Locations),
                      area("item infos", itemInfos, ctx.itemInfoFree, TextList::ItemInfos)};
  report.overflows = std::move(ctx.overflows);
  report.messages = std::move(prompter.messages);
  return report;
}

BankFit::BankFit(const Document& doc, const Encoder& encoder, int32_t bank)
    : doc_(doc), encoder_(encoder), bank_(bank) {
  const BankRecord& record = doc.BankInfo[static_cast<size_t>(bank)];
  capacity_ = record.DataEnd - record.DataStart + 1;
  for (const TextPlace& place : DialoguePlaces(doc, bank)) {
    bytes_.push_back(0);
    unwritable_.emplace_back();
    changedTexts_.push_back(false);
    Take(bytes_.size() - 1, WorkingText(doc, place));
  }
}

// Text i + 1 now holds `text`: its share of the bank's figures is taken anew.
void BankFit::Take(size_t i, std::string_view text) {
  const DialogueMeasure measure = MeasureDialogueText(encoder_, text);
  used_ += measure.bytes - bytes_[i];
  bytes_[i] = measure.bytes;
  unwritableCount_ += static_cast<int32_t>(measure.unwritable.size() - unwritable_[i].size());
  unwritable_[i] = AllPieces(text, measure);
  const bool changed = Changed(static_cast<int32_t>(i) + 1, text);
  changed_ += (changed ? 1 : 0) - (changedTexts_[i] ? 1 : 0);
  changedTexts_[i] = changed;
}

bool BankFit::Changed(int32_t text, std::string_view working) const {
  return working != doc_.Texte[static_cast<size_t>(bank_)][static_cast<size_t>(text)].Original;
}

BankFit::Figures BankFit::With(int32_t text, std::string_view typed) const {
  Figures figures;
  figures.capacity = capacity_;
  figures.texts = static_cast<int32_t>(bytes_.size());
  figures.used = used_;
  figures.changed = changed_;
  if (text < 1 || text > figures.texts) return figures;
  const auto i = static_cast<size_t>(text - 1);
  const DialogueMeasure measure = MeasureDialogueText(encoder_, typed);
  figures.textBytes = measure.bytes;
  figures.used += figures.textBytes - bytes_[i];
  figures.changed += (Changed(text, typed) ? 1 : 0) - (changedTexts_[i] ? 1 : 0);
  figures.textUnwritable = static_cast<int32_t>(measure.unwritable.size());
  figures.textPieces = DistinctPieces(typed, measure.unwritable);
  figures.bankUnwritable = unwritableCount_ + figures.textUnwritable - static_cast<int32_t>(unwritable_[i].size());
  if (figures.bankUnwritable == 0) return figures;
  // Usually no text of the bank has any: the names are gathered only when there are some.
  for (size_t t = 0; t < unwritable_.size(); ++t)
    for (const std::string& piece : t == i ? figures.textPieces : unwritable_[t])
      if (std::find(figures.bankPieces.begin(), figures.bankPieces.end(), piece) == figures.bankPieces.end())
        figures.bankPieces.push_back(piece);
  return figures;
}

void BankFit::Refresh(int32_t text) {
  if (text < 1 || text > static_cast<int32_t>(bytes_.size())) return;
  Take(static_cast<size_t>(text - 1), doc_.Texte[static_cast<size_t>(bank_)][static_cast<size_t>(text)].Aktuell);
}

}  // namespace orvane
