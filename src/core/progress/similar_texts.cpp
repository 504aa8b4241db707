#include "progress/similar_texts.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "common/edit_distance.h"
#include "progress/translation_progress.h"

namespace orvane {

namespace {

// The most edits two texts may differ by and still be `least` similar, the longer one `longer` long.
int EditBound(double least, size_t longer) {
  return static_cast<int>(std::floor((1.0 - least) * static_cast<double>(longer) + 1e-9));
}

double Score(int distance, size_t longer) {
  return longer == 0 ? 1.0 : 1.0 - static_cast<double>(distance) / static_cast<double>(longer);
}

bool Before(const SimilarText& a, const SimilarText& b) {
  if (a.score != b.score) return a.score > b.score;
  return std::pair(a.place.bank, a.place.index) < std::pair(b.place.bank, b.place.index);
}

bool Translated(const Document& doc, const TextPlace& place) {
  const TextPaar& pair = doc.Texte[place.bank][place.index];
  return pair.Aktuell != pair.Original;
}

// A word: a run of bytes without a blank.
std::vector<std::pair<size_t, size_t>> Words(std::string_view text) {
  std::vector<std::pair<size_t, size_t>> words;
  for (size_t at = 0; at < text.size();) {
    if (text[at] == ' ') {
      ++at;
      continue;
    }
    const size_t end = std::min(text.find(' ', at), text.size());
    words.emplace_back(at, end);
    at = end;
  }
  return words;
}

}  // namespace

double Similarity(std::string_view a, std::string_view b) {
  const size_t longer = std::max(a.size(), b.size());
  return Score(*BoundedDistance(a).within(b, static_cast<int>(longer)), longer);
}

SimilarTexts::SimilarTexts(const Document& doc) {
  std::unordered_map<std::string_view, size_t> seen;
  for (const TextPlace& place : DialoguePlaces(doc)) {
    const std::string& original = doc.Texte[place.bank][place.index].Original;
    const auto [at, added] = seen.emplace(original, originals_.size());
    if (added) originals_.push_back({original, {}});
    originals_[at->second].places.push_back(place);
  }
  std::stable_sort(originals_.begin(), originals_.end(),
                   [](const Original& a, const Original& b) { return a.text.size() < b.text.size(); });
}

std::vector<SimilarText> SimilarTexts::find(const Document& doc, int32_t bank, int32_t text, double least,
                                            size_t most) const {
  std::vector<SimilarText> best;
  if (most == 0) return best;
  const std::string& shown = doc.Texte[bank][text].Original;
  const BoundedDistance distance(shown);
  // Only originals whose length allows the score can reach it: from least * n to n / least bytes.
  const auto first = std::lower_bound(originals_.begin(), originals_.end(),
                                      static_cast<size_t>(std::ceil(least * static_cast<double>(shown.size()) - 1e-9)),
                                      [](const Original& o, size_t length) { return o.text.size() < length; });
  for (auto candidate = first; candidate != originals_.end(); ++candidate) {
    const size_t longer = std::max(shown.size(), candidate->text.size());
    // While the list is full, a newcomer must at least tie with its last entry.
    const double floor = best.size() == most ? std::max(least, best.back().score) : least;
    // Past this length the gap alone costs too much, and it only grows.
    if (candidate->text.size() > shown.size() && EditBound(floor, longer) < static_cast<int>(longer - shown.size()))
      break;
    const TextPlace* pick = nullptr;
    for (const TextPlace& place : candidate->places) {
      if ((place.bank == bank && place.index == text) || !Translated(doc, place)) continue;
      if (!pick || ProgressOf(doc, place.bank, place.index).status > ProgressOf(doc, pick->bank, pick->index).status)
        pick = &place;
    }
    if (!pick) continue;
    const std::optional<int> d = distance.within(candidate->text, EditBound(floor, longer));
    if (!d) continue;
    const SimilarText found{Score(*d, longer), *pick};
    if (found.score < floor) continue;
    best.insert(std::upper_bound(best.begin(), best.end(), found, Before), found);
    if (best.size() > most) best.pop_back();
  }
  return best;
}

std::vector<std::pair<size_t, size_t>> DifferingWords(std::string_view shown, std::string_view other) {
  const auto a = Words(shown), b = Words(other);
  const auto word = [](std::string_view text, std::pair<size_t, size_t> span) {
    return text.substr(span.first, span.second - span.first);
  };
  // common[i][j]: the longest common run of words of a[i..] and b[j..].
  std::vector<std::vector<int>> common(a.size() + 1, std::vector<int>(b.size() + 1, 0));
  for (size_t i = a.size(); i-- > 0;)
    for (size_t j = b.size(); j-- > 0;)
      common[i][j] = word(shown, a[i]) == word(other, b[j]) ? common[i + 1][j + 1] + 1
                                                            : std::max(common[i + 1][j], common[i][j + 1]);
  std::vector<std::pair<size_t, size_t>> differing;
  size_t i = 0;
  for (size_t j = 0; j < b.size();) {
    if (i < a.size() && word(shown, a[i]) == word(other, b[j])) ++i, ++j;
    else if (i < a.size() && common[i + 1][j] >= common[i][j + 1]) ++i;
    else differing.push_back(b[j++]);
  }
  return differing;
}

}  // namespace orvane
