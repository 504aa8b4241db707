// Item descriptions: each distinct description is written once (InfoListe, in the order of first
// use, index 0 the empty one as a lone 0x00 at the start of the area) and every item's pointer
// leads to its copy (InfoAdressen).

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "layout.h"
#include "writer/encoder.h"
#include "writer/name_tables.h"
#include "writer/string_area.h"

namespace orvane {

std::string ItemInfoCaption(int32_t c) {
  int32_t dots = c / 20;
  const int32_t rest = c % 20;
  if (rest > 10 || (rest == 10 && dots % 2 == 1)) ++dots;
  return "Writing Item Infos " + std::string(static_cast<size_t>(dots), '.');
}

WriteResult WriteItemInfos(WriteContext& ctx, const Encoder& encoder) {
  const auto& infos = ctx.doc.ItemInfos;
  std::array<std::string, kItemInfoCount + 1> InfoListe{};
  std::array<int32_t, kItemInfoCount + 1> InfoAdressen{};
  std::array<int32_t, kItemInfoCount + 1> firstItem{};  // for the overflow note
  std::unordered_map<std::string, int32_t> index{{"", 0}};
  int32_t u = 0;
  int32_t c = 0;

  for (int32_t i = 1; i <= kItemInfoCount; ++i) {
    ctx.Caption(ItemInfoCaption(c));
    ctx.ProgressStep();
    if (index.emplace(infos[static_cast<size_t>(i)], u + 1).second) {
      ++u;
      InfoListe[static_cast<size_t>(u)] = infos[static_cast<size_t>(i)];
      firstItem[static_cast<size_t>(u)] = i;
      ++c;
    }
  }

  StringArea area(ctx.image, kItemInfoData, kItemInfoDataLast);
  std::vector<uint8_t> bytes;
  for (int32_t j = 0; j <= u; ++j) {
    if (!ctx.YieldAndCheck()) return WriteResult::Stopped;
    ctx.ProgressStep();
    ctx.Caption(ItemInfoCaption(c));
    if (!EncodeName(ctx, encoder, InfoListe[static_cast<size_t>(j)], bytes)) return WriteResult::Stopped;
    std::optional<int32_t> at = area.Place(bytes);
    if (!at) {
      const int32_t first = firstItem[static_cast<size_t>(j)];
      ctx.NoteOverflow("Item-Info " + std::to_string(first) + " did not fit", TextPlace{TextList::ItemInfos, 0, first},
                       false);
      at = area.EmptyString();
    }
    InfoAdressen[static_cast<size_t>(j)] = *at;
    ++c;
  }
  ctx.itemInfoFree = area.free();

  // All 242 pointers, the last two included, lead to their own descriptions.
  for (int32_t i = 1; i <= kItemInfoCount; ++i) {
    if (!ctx.YieldAndCheck()) return WriteResult::Stopped;
    ctx.ProgressStep();
    ctx.Caption(ItemInfoCaption(c));
    const int32_t j = index.at(infos[static_cast<size_t>(i)]);
    ctx.image.SchreibeZeiger(kItemInfoPointers + 2 * (i - 1), InfoAdressen[static_cast<size_t>(j)]);
    ++c;
  }
  return WriteResult::Finished;
}

}  // namespace orvane
