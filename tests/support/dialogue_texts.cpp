#include "support/dialogue_texts.h"

#include <algorithm>
#include <random>

namespace orvane::testing {

void PutDialogue(Document& doc, const std::vector<std::vector<std::string>>& banks) {
  for (int bank = 1; bank <= kBankCount; ++bank) {
    const size_t i = static_cast<size_t>(bank - 1);
    const auto& texts = i < banks.size() ? banks[i] : std::vector<std::string>{};
    doc.BankInfo[bank].TextCount = static_cast<int32_t>(texts.size());
    for (size_t t = 0; t < texts.size(); ++t) doc.Texte[bank][t + 1] = TextPaar{texts[t], texts[t]};
  }
}

void FillAllBanks(Document& doc, const std::vector<std::string>& texts) {
  size_t next = 0;
  for (int bank = 1; bank <= kBankCount; ++bank)
    for (int32_t t = 1; t <= doc.BankInfo[bank].TextCount; ++t, ++next) {
      const std::string& text = texts.empty() ? std::string() : texts[next % texts.size()];
      doc.Texte[bank][t] = TextPaar{text, text};
    }
}

namespace {

struct Vocabulary {
  std::vector<std::string> words;     // most frequent first
  std::vector<std::string> speakers;  // put before a line as "Name: "
  std::vector<std::string> closers;   // sentence ends
};

const Vocabulary& VocabularyFor(CorpusStyle style) {
  static const Vocabulary quest{
      {"the", "you", "to", "I", "a", "and", "is", "of", "it", "we", "that", "in", "this", "have", "be", "for",
       "what", "not", "are", "me", "my", "on", "can", "with", "will", "your", "there", "here", "they", "all",
       "was", "do", "go", "know", "he", "she", "just", "now", "get", "like", "out", "up", "so", "if", "but",
       "Kael", "Lirae", "come", "think", "see", "back", "way", "time", "right", "let", "town", "need", "find",
       "where", "one", "must", "from", "them", "look", "please", "good", "want", "take", "tell", "north",
       "castle", "forest", "king", "sword", "gold", "magic", "stone", "ship", "village", "tower", "monsters",
       "Pell", "Zuri", "Orrin", "Skiff", "Tock", "Wend", "Clone", "inn", "rest", "night", "people", "again",
       "something", "strange", "happened", "long", "ago", "before", "never", "always", "thank", "help",
       "danger", "east", "cave", "dragon", "power", "crystal", "world", "friend", "father", "mother",
       "quickly", "hurry", "wait", "door", "key", "open", "locked", "bridge", "river", "mountain", "pass",
       "soldiers", "guard", "queen", "prince", "heard", "rumor", "weapon", "armor", "shop", "buy", "sell"},
      {"Kael", "Lirae", "Pell", "Zuri", "Orrin", "Tock", "Guard", "Old man", "Innkeeper", "Girl"},
      {".", "!", "?", "...", "!?"}};
  static const Vocabulary archaic{
      {"thou", "the", "hath", "thee", "ye", "thy", "doth", "shalt", "art", "unto", "verily", "O", "lord",
       "whence", "hither", "thither", "nay", "aye", "forsooth", "mine", "upon", "realm", "knight", "oath",
       "swear", "blade", "holy", "ancient", "temple", "prophecy", "foretold", "wicked", "sorcerer", "Kael",
       "Lirae", "Skiff", "heed", "warning", "pilgrim", "seek", "relic", "shrine", "beyond", "sea", "winds",
       "spirits", "slumber", "awaken", "hallowed", "ground", "perish", "valor", "honour", "fealty", "liege",
       "yonder", "keep", "drawbridge", "tithe", "coin", "merchant", "wares", "elixir", "tonic", "fortnight",
       "morrow", "eve", "dusk", "dawn", "lo", "behold", "wherefore", "art", "mayhap", "perchance", "whither",
       "goest", "dost", "wouldst", "couldst", "canst", "knowest", "speakest", "Orrin", "Tock", "Wend", "betwixt"},
      {"Sir Orrin", "Abbess", "Herald", "Wend", "Tock", "Monk", "Lady Zuri", "Crone"},
      {".", "!", "?", "...", "!!"}};
  return style == CorpusStyle::Archaic ? archaic : quest;
}

class TextMaker {
 public:
  TextMaker(uint64_t seed, const Vocabulary& vocabulary) : random_(seed), vocabulary_(vocabulary) {}

  std::string text() {
    std::string out;
    const int windows = pick(10) < 7 ? 1 : 2 + pick(2);
    for (int w = 0; w < windows; ++w) {
      if (w > 0) out += pick(5) == 0 ? "[WS]" : "[W_]";
      if (pick(3) == 0) out += vocabulary_.speakers[pick(vocabulary_.speakers.size())] + ": ";
      out += window();
    }
    if (pick(25) == 0) out += "{0E}";
    return out;
  }

 private:
  size_t pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

  // Zipf-like: the square of a uniform number favours the front of the word list.
  const std::string& word() {
    const double r = std::uniform_real_distribution<double>(0.0, 1.0)(random_);
    return vocabulary_.words[std::min(vocabulary_.words.size() - 1, static_cast<size_t>(r * r * vocabulary_.words.size()))];
  }

  std::string sentence() {
    std::string s;
    const size_t length = 3 + pick(8);
    for (size_t i = 0; i < length; ++i) {
      std::string w = word();
      if (i == 0 && w[0] >= 'a' && w[0] <= 'z') w[0] = static_cast<char>(w[0] - 'a' + 'A');
      if (i > 0) s += (pick(12) == 0 ? ", " : " ");
      s += w;
      if (pick(40) == 0) s += " " + std::to_string(10 * (1 + pick(99)));
    }
    return s + vocabulary_.closers[pick(10) < 6 ? 0 : pick(vocabulary_.closers.size())];
  }

  // Sentences wrapped into lines of at most 28 characters, joined by line codes.
  std::string window() {
    std::string out, line;
    const size_t sentences = 1 + pick(3);
    for (size_t n = 0; n < sentences; ++n) {
      std::string s = sentence();
      size_t start = 0;
      while (start < s.size()) {
        size_t end = s.find(' ', start);
        if (end == std::string::npos) end = s.size();
        const std::string piece = s.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + piece.size() > 28) {
          out += line + (pick(8) == 0 ? "[LS]" : "[L_]");
          line.clear();
        }
        line += (line.empty() ? "" : " ") + piece;
        start = end + 1;
      }
    }
    return out + line;
  }

  std::mt19937_64 random_;
  const Vocabulary& vocabulary_;
};

}  // namespace

std::vector<std::string> MakeDialogueCorpus(int count, uint64_t seed, CorpusStyle style) {
  TextMaker maker(seed, VocabularyFor(style));
  std::vector<std::string> texts;
  texts.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) texts.push_back(maker.text());
  return texts;
}

}  // namespace orvane::testing
