#pragma once
// The seven name tables that SchreibeNamenstabellen writes in this order.

#include "writer/write_context.h"

namespace orvane {

class Encoder;

// Technique names and descriptions share one caption count: names 0..115, descriptions 116..235.
inline constexpr int32_t kTechniqueCaptionTotal = kTechCount + kTechInfoCount - 1;
class NameSplitter;

WriteResult WriteSaveTitles(WriteContext& ctx, const Encoder& encoder);
WriteResult WriteLocationNames(WriteContext& ctx, const Encoder& encoder);
WriteResult WriteItems(WriteContext& ctx, const NameSplitter& names);
WriteResult WriteEnemyNames(WriteContext& ctx, const NameSplitter& names);
WriteResult WriteTechniqueNames(WriteContext& ctx, const NameSplitter& names);
WriteResult WriteTechniqueInfos(WriteContext& ctx, const Encoder& encoder);
WriteResult WriteItemInfos(WriteContext& ctx, const Encoder& encoder);

// "Writing Item Infos " and c / 20 dots, rounded half to even.
std::string ItemInfoCaption(int32_t c);

// KodiereText for a pointer-table string; an error asks whether to go on (then the codes found
// before it are kept). False when the save must end.
bool EncodeName(WriteContext& ctx, const Encoder& encoder, const std::string& text, std::vector<uint8_t>& bytes);

}  // namespace orvane
