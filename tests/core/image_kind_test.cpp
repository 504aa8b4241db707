// Plain and headed ROM images: the kind a file's size gives, loading either into one address model,
// saving back in the file's own kind or the kind asked for, patches across the two kinds, and the
// check that tells the game's ROM from any other image before it is opened or written.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "common/file_helpers.h"
#include "demo/demo_rom.h"
#include "exchange/patch.h"
#include "rom/game_check.h"
#include "rom/rom_loader.h"
#include "workspace.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"
#include "operations/save_procedure.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::Shown;
using testing::TempFolder;
namespace fs = std::filesystem;

const Bytes& Headed() {
  static const Bytes demo = demo::BuildDemoRom();
  return demo;
}

Bytes Plain() { return Bytes(Headed().begin() + kHeaderSize, Headed().end()); }

// Every dialogue text as decoded.
std::vector<std::string> Decoded(const Document& doc) {
  std::vector<std::string> texts;
  for (int b = 1; b <= kBankCount; ++b)
    for (int t = 1; t <= doc.BankInfo[b].TextCount; ++t) texts.push_back(doc.Texte[b][t].Original);
  return texts;
}

// The question a foreign image gets, as the prompter records it.
std::string Question(const std::string& problem, const std::string& ending = "Open it anyway?") {
  return Shown(ForeignImageQuestion(problem, ending)) + "\n";
}

const std::string kBank2Problem =
    "the pointer of text 1 in bank 2 leads to 0x3A01FF, outside the bank's text area 0x39B578..0x39FC75";

// Each size rule through a load: the outcome, the kind kept for the save, and the messages. Both kinds
// of the demo decode to the same document; 3 MiB is a plain image, but the banks behind it read as
// zeros and point outside their areas. A save with no ROM loaded takes the same file as the ROM a new
// file starts from exactly when the load takes it, and refuses it with the first message shown.
TEST(ImageKind, EachSizeRuleLoadsOrRefusesWithItsMessage) {
  TempFolder folder;
  testing::WriteTableFile(folder.path());
  const Bytes plain = Plain();
  Bytes dirty = Headed(), grown = plain;
  dirty[40] = 0x01;
  grown.push_back(0);
  const std::string bySize = "A ROM image without a copier header is a whole multiple of 32768 bytes (4194304 for "
                             "the game), one with the header 512 bytes more (4194816).";
  const auto refusal = [](const std::string& text) {
    return Shown(MakeMessage("Bad Rom!!!", text, Icon::Stop)) + "\n";
  };
  using enum LoadOutcome;
  const std::string finished = "Finished!|Data has been saved succesfully!\r\nTime needed:", bank1Problem =
      "the pointer of text 1 in bank 1 leads to 0x370200, outside the bank's text area 0x370590..0x374AB7";
  const std::string grownRefusal = refusal("\"" + folder.file("4mib+1.sfc") + "\" is 4194305 bytes long. " + bySize),
                    emptyRefusal = refusal("\"" + folder.file("empty.sfc") + "\" is 0 bytes long. " + bySize);
  const struct { std::string name; Bytes file; LoadOutcome outcome; ImageKind kind; std::string shown;
                 SaveOutcome saved; std::string savedFirst; } rows[] = {
      {"4mib.sfc", plain, Loaded, ImageKind::Plain, "", SaveOutcome::Finished, finished},
      {"4mib+512.smc", Headed(), Loaded, ImageKind::Headed, "", SaveOutcome::Finished, finished},
      {"3mib.sfc", Bytes(plain.begin(), plain.begin() + (3 << 20)), NotTheGame, ImageKind::Headed,
       Question(bank1Problem), SaveOutcome::Cancelled, Question(bank1Problem, "Write into it anyway?")},
      {"4mib+1.sfc", grown, SizeRejected, ImageKind::Headed, grownRefusal, SaveOutcome::Stopped, grownRefusal},
      {"dirty.smc", dirty, HeaderRejected, ImageKind::Headed, refusal("This Rom doesn't have a Header!"),
       SaveOutcome::Stopped,
       refusal("\"" + folder.file("dirty.smc") + "\" is as long as an image with a copier header, but what stands in "
               "front of the image is no copier header (its bytes 38 to 118 are not all zero).")},
      {"empty.sfc", {}, SizeRejected, ImageKind::Headed, emptyRefusal, SaveOutcome::Stopped, emptyRefusal}};
  std::optional<Document> first;  // the first load: every other load of the demo decodes the same
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    WriteFileAtomically(folder.file(row.name), row.file);
    Document doc;
    Workspace ws;
    testing::ScriptedPrompter prompter;
    EXPECT_EQ(RomLaden(doc, ws, {{folder.file(row.name), 0}, folder.path(), ""}, prompter), row.outcome);
    EXPECT_EQ(std::tuple(ws.loadedImage.kind, ws.loadedImage.foreignAccepted, prompter.shown()),
              std::tuple(row.kind, false, row.shown));

    Document texts;
    demo::MakeDemoDocument(texts);
    texts.TabelleGeaendert = true;
    testing::ScriptedPrompter savePrompter;
    testing::RecordingProgress progress;
    testing::FixedFileChooser chooser(folder.file(row.name), {folder.file("new.rom")});
    ApplyChanges changes(texts);
    fs::remove(folder.file("new.rom"));
    EXPECT_EQ(SaveInRom(texts, {}, savePrompter, progress, chooser, changes), row.saved);
    EXPECT_EQ(savePrompter.shown().substr(0, row.savedFirst.size()), row.savedFirst);
    EXPECT_EQ(FileExists(folder.file("new.rom")) ? ReadWholeFile(folder.file("new.rom")) : Bytes{},
              row.saved == SaveOutcome::Finished ? row.file : Bytes{});
    if (row.outcome != Loaded) continue;
    if (!first) first = doc;
    EXPECT_EQ(std::tuple(Decoded(doc), doc.Tabelle, doc.ItemInfos, doc.GegnerNamen),
              std::tuple(Decoded(*first), first->Tabelle, first->ItemInfos, first->GegnerNamen));
  }
  const std::pair<std::string, std::optional<ImageKind>> names[] = {
      {"a.SFC", ImageKind::Plain}, {"a.smc", ImageKind::Headed}, {"b.Fig", ImageKind::Headed},
      {"c.swc", ImageKind::Headed}, {"d.ovp", std::nullopt}, {"sfc", std::nullopt}, {"x.sfc/rom", std::nullopt}};
  for (const auto& [name, kind] : names) EXPECT_EQ(KindForName(name), kind) << name;
}

// The game check passes the demo (and the test fixture's empty lists), and catches noise, one bank's
// pointer list overwritten and a dictionary entry with a code that is no character. A load asks and
// opens only on Yes; a save into such an image, or a copy of it, asks the same unless the user opened
// it anyway.
TEST(GameCheck, CatchesForeignImagesAndAsksBeforeOpeningOrWriting) {
  Bytes noise(4 << 20);
  std::mt19937 rng(3);
  for (uint8_t& byte : noise) byte = static_cast<uint8_t>(rng());
  Bytes bank2 = Headed(), piece = Headed();
  std::fill(bank2.begin() + 0x39B200, bank2.begin() + 0x39B200 + 2 * 444, 0xFF);
  const int32_t entry = RomImage(piece).LeseZeiger(kDictionaryPointers + 2 * 5);  // code 0x26
  piece[entry + 1] = 0x00;
  const struct { Bytes held; std::string problem; } rows[] = {
      {Headed(), ""}, {testing::RomFixture().image().bytes(), ""},
      {ToHeldImage(noise, ImageKind::Plain),
       "the pointer of text 1 in bank 1 leads to 0x379A0F, outside the bank's text area 0x370590..0x374AB7"},
      {bank2, kBank2Problem},
      {piece, "dictionary entry 0x26 holds the code 0x00, which is no character of the table"}};
  for (const auto& row : rows) EXPECT_EQ(GameImageProblem(RomImage(row.held)), row.problem);

  TempFolder folder;
  testing::WriteTableFile(folder.path());
  WriteFileAtomically(folder.file("bank2.smc"), bank2);
  Document reference;
  demo::MakeDemoDocument(reference);
  for (const Answer answer : {Answer::No, Answer::Yes}) {
    Document doc = reference;
    Workspace ws;
    testing::ScriptedPrompter prompter({answer});
    const LoadOutcome outcome = RomLaden(doc, ws, {{folder.file("bank2.smc"), 0}, folder.path(), ""}, prompter);
    EXPECT_EQ(std::tuple(outcome, ws.loadedImage.foreignAccepted, prompter.shown()),
              std::tuple(answer == Answer::Yes ? LoadOutcome::Loaded : LoadOutcome::NotTheGame, answer == Answer::Yes,
                         Question(kBank2Problem)));
    EXPECT_EQ(Decoded(doc) == Decoded(reference), answer == Answer::No);

    // Writing the demo texts into the loaded file or a copy of it: after Yes without asking again, after No
    // only with a new Yes.
    Document texts = reference;
    texts.TabelleGeaendert = true;
    for (const std::string target : {"bank2.smc", "copy.smc"}) {
      for (const Answer write : {Answer::No, Answer::Yes}) {
        fs::remove(folder.file("copy.smc"));
        WriteFileAtomically(folder.file("bank2.smc"), bank2);
        const bool asks = answer == Answer::No;
        testing::ScriptedPrompter savePrompter({write});
        testing::RecordingProgress progress;
        testing::FixedFileChooser chooser(folder.file(target));
        SaveParams params;
        params.RomPfadGeladen = ws.RomPfadGeladen;
        params.foreignAccepted = ws.loadedImage.foreignAccepted;
        ApplyChanges changes(texts);
        const SaveOutcome saved = SaveInRom(texts, params, savePrompter, progress, chooser, changes);
        const bool written = !asks || write == Answer::Yes;
        SCOPED_TRACE(target + (answer == Answer::Yes ? " opened" : " refused"));
        EXPECT_EQ(saved, written ? SaveOutcome::Finished : SaveOutcome::Cancelled);
        EXPECT_EQ(savePrompter.shown().starts_with(Question(kBank2Problem, "Write into it anyway?")), asks);
        EXPECT_EQ(fs::exists(folder.file("copy.smc")), target == "copy.smc" && written);
        if (!asks) break;
      }
    }
  }
}

// Saving keeps the kind: the demo written back unchanged is byte for byte the file it was, a changed text
// makes images of both kinds that differ only by the header, and a new file named for the other kind
// changes kind only on --header or the user's Yes.
TEST(ImageKind, SavesKeepTheKindOrChangeItOnlyWhenAsked) {
  TempFolder folder;
  WriteFileAtomically(folder.file("base.smc"), Headed());
  WriteFileAtomically(folder.file("base.sfc"), Plain());
  Document doc;
  demo::MakeDemoDocument(doc);
  doc.TabelleGeaendert = true;
  const auto save = [&](const std::string& from, const std::string& to, std::optional<ImageKind> requested,
                        std::deque<Answer> answers) {
    SaveParams params;
    params.RomPfadGeladen = folder.file(from);
    params.writtenKind = requested;
    testing::ScriptedPrompter prompter(std::move(answers));
    testing::RecordingProgress progress;
    testing::FixedFileChooser chooser(folder.file(to));
    fs::remove(folder.file(to));
    ApplyChanges changes(doc);
    const SaveOutcome outcome = SaveInRom(doc, params, prompter, progress, chooser, changes);
    return std::pair(outcome, fs::exists(folder.file(to)) ? ReadWholeFile(folder.file(to)) : Bytes{});
  };
  EXPECT_EQ(save("base.smc", "same.smc", {}, {}).second, Headed());
  EXPECT_EQ(save("base.sfc", "same.sfc", {}, {}).second, Plain());

  doc.Texte[3][7].Aktuell = "Tock went north.";
  const Bytes headed = save("base.smc", "new.smc", {}, {}).second, plain = save("base.sfc", "new.sfc", {}, {}).second;
  EXPECT_NE(headed, Headed());
  EXPECT_EQ(plain, Bytes(headed.begin() + kHeaderSize, headed.end()));
  using enum ImageKind;
  // base, target, --header, answer to the kind question, outcome, the bytes written
  const struct { const char* from; const char* to; std::optional<ImageKind> requested; std::deque<Answer> answers;
                 SaveOutcome outcome; Bytes written; } rows[] = {
      {"base.sfc", "x.smc", std::nullopt, {Answer::Yes}, SaveOutcome::Finished, headed},
      {"base.sfc", "x.smc", std::nullopt, {Answer::No}, SaveOutcome::Finished, plain},
      {"base.sfc", "x.smc", std::nullopt, {}, SaveOutcome::Cancelled, {}},
      {"base.smc", "x.sfc", std::nullopt, {Answer::Yes}, SaveOutcome::Finished, plain},
      {"base.sfc", "x.smc", Headed, {}, SaveOutcome::Finished, headed},
      {"base.smc", "x.sfc", Plain, {}, SaveOutcome::Finished, plain},
      {"base.smc", "x.smc", Plain, {}, SaveOutcome::Finished, plain},
      {"base.smc", "x.rom", std::nullopt, {}, SaveOutcome::Finished, headed}};
  for (const auto& row : rows) {
    const auto [outcome, written] = save(row.from, row.to, row.requested, row.answers);
    EXPECT_EQ(std::tie(outcome, written), std::tie(row.outcome, row.written)) << row.from << " to " << row.to;
  }
}

// A patch between two plain images needs nothing stripped; one made from either kind applies to a base of
// the other kind and keeps the base's kind; a headed and a plain image as a pair are refused unless the
// header is stripped.
TEST(ImageKind, PatchesApplyAcrossTheKinds) {
  TempFolder folder;
  Bytes changed = Headed();
  changed[0x370600] ^= 0x21;
  const Bytes changedPlain(changed.begin() + kHeaderSize, changed.end());
  for (const auto& [name, bytes] : {std::pair<std::string, Bytes>{"a.smc", Headed()}, {"a.sfc", Plain()},
                                    {"b.smc", changed}, {"b.sfc", changedPlain}})
    WriteFileAtomically(folder.file(name), bytes);
  for (const char* pair : {"smc", "sfc"})
    for (const char* base : {"smc", "sfc"}) {
      CreatePatchFile(folder.file(std::string("a.") + pair), folder.file(std::string("b.") + pair),
                      folder.file("fix.bps"), false);
      ApplyPatchFile(folder.file("fix.bps"), folder.file(std::string("a.") + base), folder.file("out"));
      EXPECT_EQ(ReadWholeFile(folder.file("out")), std::string(base) == "smc" ? changed : changedPlain)
          << pair << " patch on " << base;
    }
  std::string refused;
  try {
    CreatePatchFile(folder.file("a.smc"), folder.file("b.sfc"), folder.file("mixed.bps"), false);
  } catch (const PatchRefused& e) { refused = e.what(); }
  EXPECT_EQ(refused, "\"" + folder.file("a.smc") + "\" is a ROM image with a copier header and \"" +
                         folder.file("b.sfc") + "\" one without a copier header: make both the same kind first "
                         "(orvane-cli build --header add|strip), or give --strip-header to make the patch for images "
                         "without the header.");
  CreatePatchFile(folder.file("a.smc"), folder.file("b.sfc"), folder.file("mixed.bps"), true);
  ApplyPatchFile(folder.file("mixed.bps"), folder.file("a.sfc"), folder.file("out"));
  EXPECT_EQ(ReadWholeFile(folder.file("out")), changedPlain);
}

}  // namespace
}  // namespace orvane
