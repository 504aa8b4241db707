#include "compression/smallest_dictionary.h"

#include <algorithm>
#include <array>
#include <bit>
#include <queue>

#include "compression/dialogue_runs.h"
#include "compression/packed_counts.h"
#include "compression/parsed_runs.h"
#include "layout.h"

namespace orvane {
namespace {

// Candidates measured exactly at all: the best by their first estimate, as long as their
// occurrences together stay within a bound. With the bound on the strings counted at first, this
// keeps the memory of a run below 200 MB whatever the texts (a game's dialogue needs a fraction).
constexpr size_t kCandidatePool = 4000;
constexpr int64_t kPoolOccurrences = int64_t{6} << 20;
constexpr size_t kCountedStrings = size_t{1} << 20;
// Entries are ranked by saved bytes per (length + weight): a pure per-byte ranking fills the slots
// with pairs and leaves budget unused, a pure saving ranking spends the budget on a few long
// entries. The best balance depends on the wording, so a few weights are tried and the dictionary
// that saves most is kept.
constexpr std::array<double, 3> kLengthWeights{2.0, 3.0, 8.0};
constexpr double kPoolWeight = 2.0;

double Score(int64_t saving, size_t length, double weight) {
  return static_cast<double>(saving) / (static_cast<double>(length) + weight);
}

using SafeCharacters = std::array<bool, 256>;

SafeCharacters FindSafeCharacters(const Document& doc) {
  SafeCharacters safe{};
  for (int code = 0; code < kCodes; ++code) {
    const std::string& text = doc.Tabelle[1][static_cast<size_t>(code)];
    if (code >= kDictionaryFirst && code <= kDictionaryLast) continue;
    if (text.size() == 1 && text[0] != '\0' && std::string_view("[]{}.,!?").find(text[0]) == std::string_view::npos)
      safe[static_cast<unsigned char>(text[0])] = true;
  }
  return safe;
}

// Whether text[q] may follow text[q - 1] inside an entry (q > start) or begin one (q == start).
bool MayContinue(std::string_view text, size_t start, size_t q, const SafeCharacters& safe) {
  const char c = text[q];
  if (!safe[static_cast<unsigned char>(c)]) return false;
  if (q == start) return true;
  const char previous = text[q - 1];
  if (previous == ' ' && c == ' ') return false;
  return !((previous == 'L' || previous == 'W') && (c == 'S' || c == '_'));
}

// Calls visit(key, offset) for every safe substring of two to eight characters of `run`.
template <typename Visit>
void ForEachCandidateIn(std::string_view run, const SafeCharacters& safe, Visit&& visit) {
  for (size_t p = 0; p < run.size(); ++p) {
    uint64_t key = 0;
    for (size_t q = p; q < run.size() && q - p < kLongestSmallestEntry; ++q) {
      if (!MayContinue(run, p, q, safe)) break;
      key |= static_cast<uint64_t>(static_cast<unsigned char>(run[q])) << (8 * (q - p));
      if (q > p) visit(key, p);
    }
  }
}

struct Candidate {
  std::string text;
  int64_t estimate = 0;       // occurrences times the characters one code would save
  std::vector<Occurrence> where;  // every occurrence, by run and offset
};

std::vector<Candidate> BestCandidates(const DialogueRuns& dialogue, const SafeCharacters& safe) {
  PackedCounts occurrences(kCountedStrings);
  for (size_t r = 0; r < dialogue.runs().size(); ++r)
    ForEachCandidateIn(dialogue.runs()[r], safe, [&](uint64_t key, size_t) { occurrences[key] += dialogue.weights()[r]; });
  struct Estimate {
    double score;
    uint64_t key;
    int64_t saving;
  };
  std::vector<Estimate> ranked;
  occurrences.forEach([&](uint64_t key, int64_t count) {
    const size_t length = (71 - static_cast<size_t>(std::countl_zero(key))) / 8;
    const int64_t saving = count * static_cast<int64_t>(length - 1);
    ranked.push_back({Score(saving, length, kPoolWeight), key, saving});
  });
  const size_t keep = std::min(kCandidatePool, ranked.size());
  // Ties are broken by the key so that the pool does not depend on the table's order.
  std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(keep), ranked.end(),
                    [](const Estimate& a, const Estimate& b) { return a.score != b.score ? a.score > b.score : a.key < b.key; });
  std::vector<Candidate> pool;
  PackedCounts ids;
  int64_t occurrencesKept = 0;
  for (size_t i = 0; i < keep; ++i) {
    std::string text = PackedCounts::Unpack(ranked[i].key);
    const int64_t count = ranked[i].saving / static_cast<int64_t>(text.size() - 1);
    occurrencesKept += count;
    if (occurrencesKept > kPoolOccurrences) break;
    ids[ranked[i].key] = static_cast<int64_t>(pool.size());
    pool.push_back({std::move(text), ranked[i].saving, {}});
    pool.back().where.reserve(static_cast<size_t>(count));
  }
  for (size_t r = 0; r < dialogue.runs().size(); ++r)
    ForEachCandidateIn(dialogue.runs()[r], safe, [&](uint64_t key, size_t offset) {
      if (const int64_t* id = ids.find(key))
        pool[static_cast<size_t>(*id)].where.push_back({static_cast<int32_t>(r), static_cast<int32_t>(offset)});
    });
  return pool;
}

struct Ranked {
  double score;
  size_t candidate;
  int32_t round;  // the round in which `saving` was measured; -1 for the first estimate
  int64_t saving;
  bool operator<(const Ranked& other) const {
    return score != other.score ? score < other.score : candidate > other.candidate;
  }
};

struct Choice {
  std::vector<std::string> picks;
  int64_t saved = 0;
};

// Picks greedily by saving per (length + weight), re-measuring lazily: a candidate's saving only
// shrinks as entries are added (nearly always), so the best stale score bounds the rest and only
// the top of the queue needs measuring again. False when the user stopped.
bool ChooseWithWeight(const DialogueRuns& dialogue, const std::vector<Candidate>& pool, CodeTrie trie,
                      double weight, int32_t pickLimit, ProgressSink& progress, int32_t& counter, int32_t total,
                      Choice& choice) {
  ParsedRuns parsed(dialogue, trie);
  std::priority_queue<Ranked> queue;
  for (size_t i = 0; i < pool.size(); ++i)
    queue.push({Score(pool[i].estimate, pool[i].text.size(), weight), i, -1, pool[i].estimate});
  int64_t bytesLeft = kDictionaryBudget - kDictionaryEntries;
  int32_t round = 0;
  while (static_cast<int32_t>(choice.picks.size()) < pickLimit && !queue.empty()) {
    if (!progress.keepGoing()) return false;
    const Ranked top = queue.top();
    queue.pop();
    const Candidate& candidate = pool[top.candidate];
    // Room for two characters is kept for every slot still to fill: an empty entry comes back from a
    // project file as its four-character escape, so a full dictionary is the one that stays in budget.
    const int64_t slotsAfter = std::min<int64_t>(pickLimit, kDictionaryEntries) - 1 - static_cast<int64_t>(choice.picks.size());
    if (static_cast<int64_t>(candidate.text.size()) > bytesLeft - 2 * slotsAfter) continue;
    if (top.round != round) {
      const int64_t saving = parsed.gain(candidate.text, candidate.where);
      if (saving > 0) queue.push({Score(saving, candidate.text.size(), weight), top.candidate, round, saving});
      continue;
    }
    choice.picks.push_back(candidate.text);
    choice.saved += top.saving;
    bytesLeft -= static_cast<int64_t>(candidate.text.size());
    trie.insert(candidate.text);
    parsed.reparse(candidate.where);
    ++round;
    if (!progress.progress(++counter, total)) return false;
  }
  return true;
}

}  // namespace

bool IsSafeEntry(std::string_view entry, const Document& doc) {
  if (entry.size() < 2) return false;
  const SafeCharacters safe = FindSafeCharacters(doc);
  for (size_t q = 0; q < entry.size(); ++q)
    if (!MayContinue(entry, 0, q, safe)) return false;
  return true;
}

SmallestResult ChooseSmallestDictionary(const Document& doc, int32_t pickLimit, ProgressSink& progress) {
  SmallestResult result;
  const int32_t total = doc.TotalTextCount() + static_cast<int32_t>(kLengthWeights.size()) * std::max(0, pickLimit);
  int32_t counter = 0;
  const CodeTrie base = BaseCodeTrie(doc);
  DialogueRuns dialogue;
  for (int bank = 1; bank <= kBankCount; ++bank) {
    const int32_t last =
        std::min<int32_t>(doc.BankInfo[bank].TextCount, static_cast<int32_t>(doc.Texte[bank].size()) - 1);
    for (int32_t t = 1; t <= last; ++t) {
      if (!progress.keepGoing() || !progress.progress(++counter, total)) {
        result.stopped = true;
        return result;
      }
      dialogue.addText(doc.Texte[bank][t].Aktuell, base);
    }
  }

  const std::vector<Candidate> pool = BestCandidates(dialogue, FindSafeCharacters(doc));
  Choice best;
  for (double weight : kLengthWeights) {
    Choice choice;
    if (!ChooseWithWeight(dialogue, pool, base, weight, pickLimit, progress, counter, total, choice)) {
      result.stopped = true;
      return result;
    }
    if (choice.saved > best.saved) best = std::move(choice);
  }
  result.picks = std::move(best.picks);
  return result;
}

}  // namespace orvane
