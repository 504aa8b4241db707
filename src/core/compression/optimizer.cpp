#include "compression/optimizer.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <random>

#include "common/error_question.h"
#include "compression/candidate_counts.h"
#include "compression/dictionary_budget.h"
#include "compression/smallest_dictionary.h"
#include "compression/threshold_selection.h"

namespace orvane {
namespace {

// What the automatic run does differently inside the shared run.
struct RunHooks {
  std::function<void()> betweenExclusionPasses;
  bool pollBeforeEachPass = false;
};

class TextWalk {
 public:
  TextWalk(const Document& doc, ProgressSink& progress)
      : doc_(doc), progress_(progress), total_(2 * doc.TotalTextCount()) {}

  // Visits texts 1, 1+step, ... of banks 1..21, polling for a stop and moving the bar before each
  // one. False when the user stopped.
  template <typename Visit>
  bool forEachText(int32_t step, Visit&& visit) {
    for (int bank = 1; bank <= kBankCount; ++bank) {
      const int32_t last =
          std::min<int32_t>(doc_.BankInfo[bank].TextCount, static_cast<int32_t>(doc_.Texte[bank].size()) - 1);
      for (int32_t t = 1; t <= last; t += step) {
        if (!progress_.keepGoing() || !progress_.progress(++counter_, total_)) return false;
        visit(doc_.Texte[bank][t].Aktuell);
      }
    }
    return true;
  }

 private:
  const Document& doc_;
  ProgressSink& progress_;
  int32_t total_;
  int32_t counter_ = 0;
};

// Uniform in [0, 1): the top 53 bits of the generator as the fraction of a double.
double UniformFraction(std::mt19937_64& random) {
  return static_cast<double>(random() >> 11) * 0x1.0p-53;
}

void GatherFromText(std::string_view text, const OptimizerParams& params, std::mt19937_64& random,
                    CandidateList& candidates) {
  if (params.mode != OptimizerMode::Fast) {
    // Every position; the last one gives a single character, which the exclusion drops later.
    candidates.addEveryPosition(text);
    return;
  }
  if (text.size() <= 2) return;
  const double span = static_cast<double>(text.size() - 1);
  for (int32_t s = 0; s < params.samplesPerText; ++s)
    candidates.add(text.substr(static_cast<size_t>(UniformFraction(random) * span), 2));
}

void ShowFailure(Prompter& prompter) {
  prompter.ask(MakeMessage("Error!", "Couldn't find an optimal compression.", Icon::Stop, Buttons::Ok, true));
}

OptimizerOutcome RunFrequencyOptimizer(const Document& doc, const OptimizerParams& params, ProgressSink& progress,
                                       Prompter& prompter, const RunHooks& hooks) {
  OptimizerOutcome outcome;
  TextWalk walk(doc, progress);
  std::mt19937_64 random(params.seed);
  CandidateList candidates;
  PatternCounts patterns;
  // When every text is counted, counting already while gathering reads each text once; the counting
  // walk then only keeps its stop checks and progress steps.
  const int32_t step = std::max(1, params.countingStep);
  const bool countWhileGathering = step == 1;
  const bool completed = walk.forEachText(1, [&](std::string_view text) {
    GatherFromText(text, params, random, candidates);
    if (countWhileGathering) patterns.addText(text);
  }) && walk.forEachText(step, [&](std::string_view text) {
    if (!countWhileGathering) patterns.addText(text);
  });
  if (!completed) {
    outcome.stopped = true;
    return outcome;
  }

  std::vector<int32_t> counts;
  counts.reserve(candidates.strings().size());
  for (const auto& candidate : candidates.strings()) counts.push_back(patterns.count(candidate));
  for (int pass = 0; pass < params.exclusionPasses; ++pass) {
    if (pass == 1 && hooks.betweenExclusionPasses) hooks.betweenExclusionPasses();
    ExcludeCandidates(candidates.strings(), counts, progress);
  }

  const Selection selection = SelectByThreshold(std::move(counts), params.pickLimit, [&] {
    return !hooks.pollBeforeEachPass || progress.keepGoing();
  });
  for (int32_t c : selection.picked) outcome.picks.push_back(candidates.strings()[c]);
  if (selection.stopped) {
    outcome.stopped = true;
    return outcome;
  }
  outcome.succeeded = selection.threshold >= 0;
  if (!outcome.succeeded) ShowFailure(prompter);
  return outcome;
}

OptimizerOutcome RunChosenOptimizer(const Document& doc, const OptimizerParams& params, ProgressSink& progress,
                                    Prompter& prompter) {
  if (params.mode != OptimizerMode::Smallest) return RunFrequencyOptimizer(doc, params, progress, prompter, RunHooks{});
  SmallestResult smallest = ChooseSmallestDictionary(doc, params.pickLimit, progress);
  OptimizerOutcome outcome;
  outcome.stopped = smallest.stopped;
  outcome.picks = std::move(smallest.picks);
  outcome.succeeded = !outcome.stopped && !outcome.picks.empty();
  if (!outcome.stopped && !outcome.succeeded) ShowFailure(prompter);
  return outcome;
}

}  // namespace

OptimizerOutcome RunOptimizer(const Document& doc, const OptimizerParams& params, ProgressSink& progress,
                              Prompter& prompter) {
  try {
    return RunChosenOptimizer(doc, params, progress, prompter);
  } catch (const std::bad_alloc&) {
    ReportError(prompter, MakeRunError(errors::kOutOfMemory));
    return OptimizerOutcome{};
  }
}

bool SucheBesteKompression(Document& doc, ProgressSink& progress, Prompter& prompter, uint64_t seed) {
  progress.caption("Searching best compression...");
  OptimizerParams params;
  params.mode = OptimizerMode::Fast;
  params.samplesPerText = 20;
  params.countingStep = 3;
  params.pickLimit = kDictionaryEntries;
  params.exclusionPasses = 2;
  params.seed = seed;

  RunHooks hooks;
  hooks.pollBeforeEachPass = true;
  hooks.betweenExclusionPasses = [&] {
    progress.caption("Analyzing Results...");
    StoreDictionary(doc, {});
  };
  const OptimizerOutcome outcome = RunFrequencyOptimizer(doc, params, progress, prompter, hooks);
  // Picks made before a stop in the selection stay in the dictionary, as the failed run's one pick does.
  for (size_t i = 0; i < outcome.picks.size(); ++i)
    doc.Tabelle[1][kDictionaryFirst + i] = outcome.picks[i];
  return outcome.succeeded;
}

uint64_t ClockSeed() {
  const auto sinceMidnight = std::chrono::system_clock::now().time_since_epoch() % std::chrono::hours(24);
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(sinceMidnight).count());
}

}  // namespace orvane
