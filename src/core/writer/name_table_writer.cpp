#include "writer/encoder.h"
#include "writer/fixed_name.h"
#include "writer/name_tables.h"

namespace orvane {

bool EncodeName(WriteContext& ctx, const Encoder& encoder, const std::string& text, std::vector<uint8_t>& bytes) {
  try {
    encoder.KodiereText(text, bytes);
    return true;
  } catch (const RunError& e) {
    return ctx.AskContinue(e);
  }
}

WriteResult SchreibeNamenstabellen(WriteContext& ctx) {
  const Encoder encoder = MakeEncoder(ctx);
  const NameSplitter names(ctx.doc.Kodiertabelle, encoder);
  if (WriteSaveTitles(ctx, encoder) == WriteResult::Stopped) return WriteResult::Stopped;
  if (WriteLocationNames(ctx, encoder) == WriteResult::Stopped) return WriteResult::Stopped;
  if (WriteItems(ctx, names) == WriteResult::Stopped) return WriteResult::Stopped;
  if (WriteEnemyNames(ctx, names) == WriteResult::Stopped) return WriteResult::Stopped;
  if (WriteTechniqueNames(ctx, names) == WriteResult::Stopped) return WriteResult::Stopped;
  if (WriteTechniqueInfos(ctx, encoder) == WriteResult::Stopped) return WriteResult::Stopped;
  return WriteItemInfos(ctx, encoder);
}

}  // namespace orvane
