// The fixed-width name records: items (symbol + ten name bytes), enemy and technique names
// (eleven name bytes). Records lie back to back from the table's first byte.

#include <span>
#include <string>
#include <vector>

#include "layout.h"
#include "writer/fixed_name.h"
#include "writer/name_tables.h"

namespace orvane {

namespace {

constexpr size_t kItemNameLength = 10;
constexpr uint8_t kTechniqueStarCode = 0x2F;

void NoteTruncated(WriteContext& ctx, const std::string& what, TextPlace place, size_t length) {
  ctx.NoteOverflow(what + " " + std::to_string(place.index) + " is longer than " + std::to_string(length) +
                       " characters; its first " + std::to_string(length) + " were written",
                   place, true);
}

}  // namespace

WriteResult WriteItems(WriteContext& ctx, const NameSplitter& names) {
  int32_t position = kItemRecords;
  for (int32_t i = 1; i <= kItemCount; ++i) {
    ItemEintrag& item = ctx.doc.Items[static_cast<size_t>(i)];
    ctx.ProgressStep();
    if (!ctx.YieldAndCheck()) return WriteResult::Stopped;
    ctx.Caption("Writing Items " + std::to_string(i) + "/" + std::to_string(kItemCount));
    ctx.image.SchreibeByte(position++, item.Symbol);
    std::vector<NameUnit> units = names.Split(item.Name);
    if (units.size() > kItemNameLength) {
      // The name cannot be padded; on Yes its first ten positions are written and it stays as typed.
      if (!ctx.AskContinue(MakeRunError(errors::kInvalidCall))) return WriteResult::Stopped;
      NoteTruncated(ctx, "Item", {TextList::ItemNames, 0, i}, kItemNameLength);
      units.resize(kItemNameLength);
    } else {
      const size_t padding = kItemNameLength - units.size();
      item.Name.append(padding, ' ');
      units.insert(units.end(), padding, NameUnit{" ", names.SpaceCode()});
    }
    for (const NameUnit& unit : units) ctx.image.SchreibeByte(position++, unit.code);
  }
  return WriteResult::Finished;
}

namespace {

struct NameRecords {
  std::span<const std::string> names;
  int32_t first;              // position of the first record
  std::string caption;        // caption before the record number
  int32_t captionTotal;       // number shown after the "/"
  std::string noteName;       // how a record is named in the overflow notes
  TextList list;
};

// Enemy and technique names: eleven bytes a record, the user interface polled before every byte.
// `byteOf` gives the byte of a position, or of a position past the end of the name (nullptr).
template <typename ByteOf>
WriteResult WriteNameRecords(WriteContext& ctx, const NameSplitter& splitter, const NameRecords& records,
                             ByteOf byteOf) {
  int32_t position = records.first;
  for (size_t e = 0; e < records.names.size(); ++e) {
    const std::vector<NameUnit> units = splitter.Split(records.names[e]);
    if (units.size() > kRecordSize)
      NoteTruncated(ctx, records.noteName, {records.list, 0, static_cast<int32_t>(e)}, kRecordSize);
    for (size_t j = 0; j < static_cast<size_t>(kRecordSize); ++j) {
      if (!ctx.YieldAndCheck()) return WriteResult::Stopped;
      ctx.Caption(records.caption + std::to_string(e) + "/" + std::to_string(records.captionTotal));
      ctx.image.SchreibeByte(position++, byteOf(j < units.size() ? &units[j] : nullptr));
    }
    ctx.ProgressStep();
  }
  return WriteResult::Finished;
}

}  // namespace

WriteResult WriteEnemyNames(WriteContext& ctx, const NameSplitter& names) {
  const NameRecords records{ctx.doc.GegnerNamen, kEnemyRecords, "Writing Enemys ", kEnemyCount - 1, "Enemy",
                             TextList::Enemies};
  return WriteNameRecords(ctx, names, records,
                          [&](const NameUnit* unit) { return unit ? unit->code : names.EmptyCode(); });
}

WriteResult WriteTechniqueNames(WriteContext& ctx, const NameSplitter& names) {
  const NameRecords records{ctx.doc.TechNamen, kTechRecords, "Writing Technics&Magics ", kTechniqueCaptionTotal,
                            "Technique", TextList::TechNames};
  return WriteNameRecords(ctx, names, records, [](const NameUnit* unit) {
    if (!unit) return kCodeSpace;
    return unit->text == "*" ? kTechniqueStarCode : unit->code;
  });
}

}  // namespace orvane
