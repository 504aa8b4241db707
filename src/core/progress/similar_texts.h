#pragma once
// Earlier translations worth reusing: the translated dialogue texts whose original reads almost
// like the shown one's. Similarity is 1 - d / (the longer length), d the edit distance between the
// two originals as stored (editor notation, one byte per character: "{0A}" counts four).

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document.h"
#include "text_places.h"

namespace orvane {

inline constexpr double kLeastSimilarity = 0.70;
inline constexpr size_t kMostSimilarTexts = 3;

// Two empty texts are alike (1).
double Similarity(std::string_view a, std::string_view b);

struct SimilarText {
  double score = 0;
  TextPlace place;
};

// The dialogue's originals, each once, by length. The originals stay as loaded while a document is
// open, so the index is built once per load; the working texts and statuses are read per lookup.
class SimilarTexts {
 public:
  explicit SimilarTexts(const Document& doc);

  // Up to `most` texts other than (bank, text) that have a translation (their working text is not
  // their original) and whose original is at least `least` similar to this text's: best first, an
  // equal score by place. Texts sharing one original count once: the best status, then the first place.
  std::vector<SimilarText> find(const Document& doc, int32_t bank, int32_t text, double least = kLeastSimilarity,
                                size_t most = kMostSimilarTexts) const;

 private:
  struct Original {
    std::string text;
    std::vector<TextPlace> places;  // in bank and text order
  };
  std::vector<Original> originals_;  // shortest first
};

// Where `other` differs from `shown`, word by word: the [start, end) byte ranges of the words of
// `other` outside a longest common run of words of both.
std::vector<std::pair<size_t, size_t>> DifferingWords(std::string_view shown, std::string_view other);

}  // namespace orvane
