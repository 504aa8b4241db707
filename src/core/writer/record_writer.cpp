// The fixed-width name records: items (symbol + ten name bytes), enemy and technique names
// (eleven name bytes). Records lie back to back from the table's first byte.

#include <span>
#include <string>
#include <vector>

#include "rom/layout.h"
#include "writer/fixed_name.h"
#include "writer/name_tables.h"

namespace orvane {

namespace {

constexpr size_t kItemNameLength = 10;
constexpr uint8_t kTechniqueStarCode = 0x2F;

void NoteTruncated(WriteContext& ctx, const std::string& what, int32_t index, size_t length) {
  ctx.overflowNotes.push_back(what + " " + std::to_string(index) + " is longer than " + std::to_string(length) +
                              " characters; its first " + std::to_string(length) + " were written");
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

// Enemy and technique names: eleven bytes a record, the user interface polled before every byte.
template <typename ByteOf>
WriteResult WriteNameRecords(WriteContext& ctx, const NameSplitter& names, std::span<const std::string> list,
                             int32_t first, const std::string& caption, const std::string& captionTotal,
                             const std::string& noteName, ByteOf byteOf) {
  int32_t position = first;
  for (size_t e = 0; e < list.size(); ++e) {
    const std::vector<NameUnit> units = names.Split(list[e]);
    if (units.size() > kRecordSize) NoteTruncated(ctx, noteName, static_cast<int32_t>(e), kRecordSize);
    for (size_t j = 0; j < static_cast<size_t>(kRecordSize); ++j) {
      if (!ctx.YieldAndCheck()) return WriteResult::Stopped;
      ctx.Caption(caption + std::to_string(e) + "/" + captionTotal);
      ctx.image.SchreibeByte(position++, j < units.size() ? byteOf(&units[j]) : byteOf(nullptr));
    }
    ctx.ProgressStep();
  }
  return WriteResult::Finished;
}

}  // namespace

WriteResult WriteEnemyNames(WriteContext& ctx, const NameSplitter& names) {
  return WriteNameRecords(ctx, names, ctx.doc.GegnerNamen, kEnemyRecords, "Writing Enemys ",
                          std::to_string(kEnemyCount - 1), "Enemy",
                          [&](const NameUnit* unit) { return unit ? unit->code : names.EmptyCode(); });
}

WriteResult WriteTechniqueNames(WriteContext& ctx, const NameSplitter& names) {
  return WriteNameRecords(ctx, names, ctx.doc.TechNamen, kTechRecords, "Writing Technics&Magics ",
                          std::to_string(kTechniqueCaptionTotal),
                          "Technique", [&](const NameUnit* unit) {
                            if (!unit) return kCodeSpace;
                            return unit->text == "*" ? kTechniqueStarCode : unit->code;
                          });
}

}  // namespace orvane
