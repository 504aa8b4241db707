#include "rom/rom_loader.h"

#include <algorithm>
#include <new>

#include "common/file_helpers.h"
#include "common/run_error.h"
#include "image_kind.h"
#include "layout.h"
#include "progress/translation_progress.h"
#include "rom/character_table.h"
#include "rom/code_table.h"
#include "rom/decoder.h"
#include "rom/game_check.h"

namespace orvane {

namespace {

void ClearTextsAndTable(Document& doc) {
  for (int b = 1; b <= kBankCount; ++b)
    for (int t = 1; t < kTextSlots; ++t) doc.Texte[b][t] = TextPaar{};
  doc.Tabelle[1].fill(std::string());
  doc.Tabelle[2].fill(std::string());
}

Message LoadErrorMessage(const RunError& e) {
  Message m = MakeMessage("Error", std::to_string(e.number()) + kCrLf + "LoadRom_Form" + kCrLf + e.description());
  m.place = e.place();
  return m;
}

}  // namespace

bool HasCopierHeader(const std::vector<uint8_t>& headedFile) {
  if (headedFile.size() <= static_cast<size_t>(kHeaderCheckLast)) return false;
  return std::all_of(headedFile.begin() + kHeaderCheckFirst, headedFile.begin() + kHeaderCheckLast + 1,
                     [](uint8_t byte) { return byte == 0; });
}

void DecodeRomImage(Document& doc, const RomImage& rom, int16_t ladeOption) {
  doc.Tabelle[1].fill(std::string());
  PutBuiltInCodes(doc);
  TextDecoder decoder(rom);
  decoder.ReadDictionary(doc);
  TabelleErgaenzen(doc);
  decoder.DecodeBanks(doc, ladeOption);
  decoder.DecodeNameTables(doc);
  StartProgress(doc);  // a ROM starts a new project: nothing translated, its names the originals
}

LoadOutcome RomLaden(Document& doc, Workspace& workspace, const RomLoadParams& params, Prompter& prompter) {
  doc.TabelleGeaendert = false;
  workspace.LadeOption = params.choice.LadeOption;
  workspace.RomPfad = params.choice.path;
  workspace.RomPfadGeladen = workspace.RomPfad;
  workspace.loadedImage = LoadedImage{};
  try {
    std::vector<uint8_t> file = ReadWholeFile(workspace.RomPfad);
    const std::optional<ImageKind> kind = KindForSize(file.size());
    if (!kind) {
      prompter.ask(SizeRefusal(workspace.RomPfad, file.size()));
      return LoadOutcome::SizeRejected;
    }
    const RomImage rom(ToHeldImage(std::move(file), *kind));
    if (*kind == ImageKind::Headed && !HasCopierHeader(rom.bytes())) {
      prompter.ask(MakeMessage("Bad Rom!!!", "This Rom doesn't have a Header!", Icon::Stop));
      return LoadOutcome::HeaderRejected;
    }
    const std::string problem = GameImageProblem(rom);
    if (!problem.empty() && prompter.ask(ForeignImageQuestion(problem)) != Answer::Yes) return LoadOutcome::NotTheGame;
    workspace.loadedImage = LoadedImage{*kind, !problem.empty()};
    ClearTextsAndTable(doc);
    StartProgress(doc);
    if (params.headerAccepted) params.headerAccepted();

    const std::string table = params.tablePath.empty() ? FindTableFile(params.programFolder, workspace.RomPfad)
                                                       : params.tablePath;
    if (table.empty()) {
      prompter.ask(MakeMessage("Sorry!", "Eine Tabelle namens <\\Orvane_Englisch.tbl> Fehlt!", Icon::Stop));
      return LoadOutcome::TableMissing;
    }
    ReadTableFile(doc, ReadWholeFile(table));

    DecodeRomImage(doc, rom, params.choice.LadeOption);
  } catch (const RunError& e) {
    prompter.ask(LoadErrorMessage(e));
    return LoadOutcome::Failed;
  } catch (const std::bad_alloc&) {
    prompter.ask(LoadErrorMessage(MakeRunError(errors::kOutOfMemory)));
    return LoadOutcome::Failed;
  }
  workspace.Geaendert = false;
  return LoadOutcome::Loaded;
}

}  // namespace orvane
