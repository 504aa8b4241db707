// Name lists reached through a pointer table: savegame titles, location names and technique
// descriptions. Each string is checked against its area before it is written; an entry that does
// not fit points at an empty string.

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "layout.h"
#include "writer/encoder.h"
#include "writer/name_tables.h"
#include "writer/string_area.h"

namespace orvane {

namespace {

struct PointerList {
  int32_t pointerTable;
  int32_t dataStart;
  int32_t dataLast;                                // last usable byte
  std::function<std::string(int32_t)> caption;     // caption of entry i
  std::string noteName;                            // how an entry is named in the overflow notes
  TextList list;
  bool askOnOverflow;                              // titles and locations ask whether to go on
  bool progressSteps;
};

bool AskNotEnoughSpace(WriteContext& ctx) {
  const Message m = MakeMessage("Error!", std::string("Not enough space to save this bank!") + kCrLf + "Continue?",
                                Icon::Exclamation, Buttons::OkCancel, true);
  return ctx.prompter.ask(m) == Answer::Ok;
}

// Writes texts[0..] as entries first, first + 1, ...; the free space is left in `area`.
WriteResult WritePointerList(WriteContext& ctx, const Encoder& encoder, const PointerList& list,
                             std::span<const std::string> texts, int32_t first, StringArea& area) {
  std::vector<uint8_t> bytes;
  int32_t pointer = list.pointerTable;
  for (size_t n = 0; n < texts.size(); ++n) {
    const int32_t index = first + static_cast<int32_t>(n);
    if (!ctx.YieldAndCheck()) return WriteResult::Stopped;
    ctx.Caption(list.caption(index));
    if (!EncodeName(ctx, encoder, texts[n], bytes)) return WriteResult::Stopped;
    std::optional<int32_t> at = area.Place(bytes);
    if (!at) {
      if (list.askOnOverflow && !AskNotEnoughSpace(ctx)) return WriteResult::Stopped;
      ctx.NoteOverflow(list.noteName + " " + std::to_string(index) + " did not fit", TextPlace{list.list, 0, index},
                       false);
      at = area.EmptyString();
    }
    ctx.image.SchreibeZeiger(pointer, *at);
    pointer += 2;
    if (list.progressSteps) ctx.ProgressStep();
  }
  return WriteResult::Finished;
}

std::function<std::string(int32_t)> CountingCaption(std::string text, int32_t total) {
  return [text = std::move(text), total](int32_t i) { return text + std::to_string(i) + "/" + std::to_string(total); };
}

}  // namespace

namespace {

// Titles and locations: a pointer list bounded by its string area, with the space message.
WriteResult WriteBoundedNames(WriteContext& ctx, const Encoder& encoder, int32_t pointers, int32_t dataStart,
                              int32_t dataEnd, const std::string& caption, const std::string& label,
                              TextList textList, std::span<const std::string> names, int32_t count,
                              int32_t& freeSpace) {
  const PointerList list{pointers, dataStart, dataEnd - 1, CountingCaption(caption, count), label, textList, true, true};
  StringArea area(ctx.image, list.dataStart, list.dataLast);
  const auto texts = names.subspan(1, static_cast<size_t>(count));
  const WriteResult result = WritePointerList(ctx, encoder, list, texts, 1, area);
  if (result == WriteResult::Finished) freeSpace = area.free();
  return result;
}

}  // namespace

WriteResult WriteSaveTitles(WriteContext& ctx, const Encoder& encoder) {
  const Document& doc = ctx.doc;
  return WriteBoundedNames(ctx, encoder, doc.TitelZeigerTabelle, doc.TitelDatenStart, doc.TitelDatenEnde,
                           "Writing Savetitle ", "Savetitle", TextList::SaveTitles, doc.SpeicherNamen, doc.TitelAnzahl, ctx.titlesFree);
}

WriteResult WriteLocationNames(WriteContext& ctx, const Encoder& encoder) {
  const Document& doc = ctx.doc;
  return WriteBoundedNames(ctx, encoder, doc.StadtZeigerStart, doc.StadtDatenStart, doc.StadtDatenEnde,
                           "Writing Locationname ", "Locationname", TextList::Locations, doc.StadtNamen, doc.StadtAnzahl,
                           ctx.locationsFree);
}

WriteResult WriteTechniqueInfos(WriteContext& ctx, const Encoder& encoder) {
  // The caption count goes on from the technique names.
  const PointerList list{kTechInfoPointers, kTechInfoData, kTechInfoDataLast,
                         [](int32_t i) {
                           return "Writing Technics&Magics " + std::to_string(kTechCount + i) + "/" +
                                  std::to_string(kTechniqueCaptionTotal);
                         },
                         "Tech-Info", TextList::TechInfos, false, false};
  StringArea area(ctx.image, list.dataStart, list.dataLast);
  return WritePointerList(ctx, encoder, list, ctx.doc.TechBeschreibungen, 0, area);
}

}  // namespace orvane
