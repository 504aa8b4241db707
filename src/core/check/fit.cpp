#include "check/fit.h"

#include <algorithm>

#include "common/progress_sink.h"
#include "common/run_error.h"
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

// The bytes of a dialogue text; `reason` says why it cannot be encoded whole (empty when it can).
int32_t EncodeDialogue(const Encoder& encoder, std::string_view text, std::string& reason) {
  std::vector<uint8_t> codes;
  try {
    if (const auto unknown = encoder.KodiereDialog(text, codes)) reason = "unknown character \"" + *unknown + "\"";
  } catch (const RunError& error) {
    reason = error.what();  // the codes before the brace group stay
  }
  return static_cast<int32_t>(codes.size()) + 1;
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
  std::string reason;
  return EncodeDialogue(encoder, text, reason);
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
      std::string reason;
      used += EncodeDialogue(encoder, WorkingText(copy, place), reason);
      if (!reason.empty()) report.unencodable.push_back({place, std::move(reason)});
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
    bytes_.push_back(DialogueTextBytes(encoder, WorkingText(doc, place)));
    used_ += bytes_.back();
    changedTexts_.push_back(Changed(place.index, WorkingText(doc, place)));
    changed_ += changedTexts_.back() ? 1 : 0;
  }
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
  figures.textBytes = DialogueTextBytes(encoder_, typed);
  figures.used += figures.textBytes - bytes_[i];
  figures.changed += (Changed(text, typed) ? 1 : 0) - (changedTexts_[i] ? 1 : 0);
  return figures;
}

void BankFit::Refresh(int32_t text) {
  if (text < 1 || text > static_cast<int32_t>(bytes_.size())) return;
  const std::string& stored = doc_.Texte[static_cast<size_t>(bank_)][static_cast<size_t>(text)].Aktuell;
  const auto i = static_cast<size_t>(text - 1);
  const int32_t bytes = DialogueTextBytes(encoder_, stored);
  used_ += bytes - bytes_[i];
  bytes_[i] = bytes;
  const bool changed = Changed(text, stored);
  changed_ += (changed ? 1 : 0) - (changedTexts_[i] ? 1 : 0);
  changedTexts_[i] = changed;
}

}  // namespace orvane
