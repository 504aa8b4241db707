// Encoded dialogue bytes of a full game's worth of texts with no dictionary, with the frequency pick
// (accurate mode) and with the smallest mode, and the time each choice takes: on the demo ROM's
// texts (argument 0) and on a differently worded generated corpus of the same size (argument 1).
#include <benchmark/benchmark.h>

#include <cctype>
#include <iterator>
#include <random>
#include <sstream>

#include "compression/dictionary_budget.h"
#include "compression/optimizer.h"
#include "demo/demo_rom.h"
#include "rom/code_table.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"
#include "writer/encoder.h"
#include "writer/write_context.h"

namespace orvane {
namespace {

// `count` texts of game-like dialogue in editor notation; the same seed gives the same texts.
std::vector<std::string> MakeDialogueCorpus(int count, uint64_t seed) {
  // Most frequent first; the square of a uniform number favours the front of the list.
  static const std::vector<std::string> words = [] {
    std::istringstream in(
        "the you to I a and is of it we that in this have be for what not are me my on can with will your there "
        "here they all was do go know he she just now get like out up so if but Kael Lirae come think see back way "
        "time right let town need find where one must from them look please good want take tell north castle forest "
        "king sword gold magic stone ship village tower monsters Pell Zuri Orrin Skiff inn rest night people again "
        "something strange happened long ago before never always thank help danger crystal dragon mountain bridge");
    return std::vector<std::string>(std::istream_iterator<std::string>(in), {});
  }();
  static const char* closers[] = {".", ".", "!", "?", "..."};
  std::mt19937_64 random(seed);
  const auto pick = [&random](size_t n) { return static_cast<size_t>(random() % n); };
  std::vector<std::string> texts(static_cast<size_t>(count));
  for (std::string& text : texts) {
    std::string line = pick(3) == 0 ? "Zuri: " : "";
    for (size_t sentence = 1 + pick(4); sentence > 0; --sentence) {
      for (size_t n = 0, length = 3 + pick(8); n < length; ++n) {
        const double r = static_cast<double>(random() >> 11) * 0x1.0p-53;
        std::string word = words[static_cast<size_t>(r * r * static_cast<double>(words.size()))];
        if (n == 0) word[0] = static_cast<char>(std::toupper(word[0]));
        if (line.size() + word.size() >= 28) {  // lines of at most 28 characters
          text += line + (pick(5) == 0 ? "[LS]" : "[L_]");
          line.clear();
        }
        line += (line.empty() ? "" : pick(12) == 0 ? ", " : " ") + word;
      }
      line += closers[pick(5)];
      if (sentence > 1 && pick(3) == 0) {
        text += line + (pick(5) == 0 ? "[WS]" : "[W_]");
        line.clear();
      }
    }
    text += line + (pick(25) == 0 ? "{0E}" : "");
  }
  return texts;
}

void ClearDictionary(Document& doc) {
  for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code) doc.Tabelle[1][code].clear();
}

const Document& Corpus(int which) {
  static const Document demoTexts = [] {
    Document doc;
    demo::MakeDemoDocument(doc);
    ClearDictionary(doc);
    return doc;
  }();
  static const Document generated = [] {
    Document doc;
    PutBuiltInCodes(doc);
    TabelleErgaenzen(doc);
    ClearDictionary(doc);
    testing::FillAllBanks(doc, MakeDialogueCorpus(doc.TotalTextCount(), 2026));
    return doc;
  }();
  return which == 0 ? demoTexts : generated;
}

// Codes and terminators of every dialogue text under the writer's own encoder.
int64_t DialogueBytes(const Document& doc, const std::vector<std::string>& picks) {
  Document withPicks = doc;
  StoreDictionary(withPicks, picks);
  BerechneMaxLaengen(withPicks);
  const Encoder encoder(withPicks.Tabelle[1], withPicks.MaxEintragLaenge[1]);
  int64_t bytes = 0;
  std::vector<uint8_t> codes;
  for (int bank = 1; bank <= kBankCount; ++bank)
    for (int t = 1; t <= withPicks.BankInfo[bank].TextCount; ++t) {
      codes.clear();
      encoder.KodiereDialog(withPicks.Texte[bank][t].Aktuell, codes);
      bytes += static_cast<int64_t>(codes.size()) + 1;
    }
  return bytes;
}

void Measure(benchmark::State& state, OptimizerMode mode) {
  const Document& doc = Corpus(static_cast<int>(state.range(0)));
  OptimizerOutcome outcome;
  for (auto _ : state) {
    SilentProgress progress;
    testing::ScriptedPrompter prompter;
    OptimizerParams params;
    params.mode = mode;
    outcome = RunOptimizer(doc, params, progress, prompter);
  }
  state.counters["none"] = static_cast<double>(DialogueBytes(doc, {}));
  state.counters["bytes"] = static_cast<double>(DialogueBytes(doc, outcome.picks));
  state.counters["budget"] = static_cast<double>(UsedMemory(outcome.picks) + kDictionaryEntries -
                                                 static_cast<int32_t>(outcome.picks.size()));
  state.counters["entries"] = static_cast<double>(outcome.picks.size());
}

void BM_FrequencyPick(benchmark::State& state) { Measure(state, OptimizerMode::Accurate); }
void BM_SmallestMode(benchmark::State& state) { Measure(state, OptimizerMode::Smallest); }
BENCHMARK(BM_FrequencyPick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmallestMode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace orvane
