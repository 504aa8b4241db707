#include "demo/demo_document.h"

#include <algorithm>
#include <cstdio>

#include "demo/demo_phrases.h"
#include "rom/code_table.h"

namespace orvane::demo {

namespace {

// splitmix64: small, fast and the same on every platform, unlike the standard distributions.
class Sequence {
 public:
  explicit Sequence(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }
  template <class T>
  const T& Pick(std::span<const T> list) {
    return list[Below(list.size())];
  }

 private:
  uint64_t state_;
};

// Banks with room for fewer than this many bytes a text get no more characters than bytes.
constexpr int32_t kRoomyText = 20;

// Bytes a text takes at most: one code per character, at least one code, and the terminator.
int32_t WorstCaseBytes(const std::string& text) { return static_cast<int32_t>(std::max<size_t>(text.size(), 1)) + 1; }

std::string ShortReply(Sequence& seq, int32_t room) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    const std::string_view reply = seq.Pick(Replies());
    if (static_cast<int32_t>(reply.size()) <= room) return std::string(reply);
  }
  return room >= 3 ? "Hm." : "";
}

// One dialogue text of at most `room` characters: sentences joined by spaces, line and window codes.
std::string MakeDialogue(Sequence& seq, int32_t room) {
  if (room < 12) return ShortReply(seq, room);
  std::string text;
  if (seq.Below(10) < 3) text = seq.Pick(Speakers());
  const size_t speaker = text.size();
  int linesInWindow = 1;
  for (int misses = 0; misses < 3;) {
    std::string piece(seq.Pick(Sentences()));
    std::string joint;
    if (text.empty() || text.back() == ' ') {
      joint = "";
    } else if (linesInWindow >= 3 || seq.Below(8) == 0) {
      joint = seq.Below(4) == 0 ? "[WS]" : "[W_]";
      linesInWindow = 1;
    } else if (seq.Below(3) == 0) {
      joint = seq.Below(5) == 0 ? "[LS]" : "[L_]";
      ++linesInWindow;
    } else {
      joint = " ";
    }
    if (static_cast<int32_t>(text.size() + joint.size() + piece.size()) > room) {
      ++misses;
      continue;
    }
    text += joint + piece;
  }
  return text.size() == speaker ? ShortReply(seq, room) : text;
}

void FillDialogue(Document& doc) {
  for (int b = 1; b <= kBankCount; ++b) {
    const BankRecord& bank = doc.BankInfo[b];
    Sequence seq(0x0A7A0E00ULL + static_cast<uint64_t>(b));
    int32_t left = DemoBankBudget(bank);
    for (int t = 1; t <= bank.TextCount; ++t) {
      const int32_t textsLeft = bank.TextCount - t + 1;
      const int32_t average = left / textsLeft;
      // Vary the length around the average while keeping two bytes for every later text.
      int32_t room = average / 2 + static_cast<int32_t>(seq.Below(static_cast<size_t>(average) + 1)) - 1;
      room = std::min(std::max(room, 4), left - 2 * (textsLeft - 1) - 1);
      std::string text = (t % 97 == 0) ? std::string() : MakeDialogue(seq, room);
      left -= WorstCaseBytes(text);
      doc.Texte[b][t] = TextPaar{text, text};
    }
  }
}

void FillNames(Document& doc) {
  for (int i = 1; i <= kSaveTitleCount; ++i) doc.SpeicherNamen[i] = std::string(Titles()[i - 1]);

  const auto starts = PlaceStarts();
  const auto ends = PlaceEnds();
  for (int i = 1; i <= kLocationCount; ++i) {
    const size_t n = static_cast<size_t>(i - 1);
    doc.StadtNamen[i] =
        std::string(starts[n % starts.size()]) + std::string(ends[(n / starts.size() + n) % ends.size()]);
  }

  const auto materials = ItemMaterials();
  const auto kinds = ItemKinds();
  const auto infos = ItemInfoTexts();
  for (int i = 1; i <= kItemCount; ++i) {
    const size_t n = static_cast<size_t>(i - 1);
    const size_t kind = n % kinds.size();
    const size_t material = (n / kinds.size() + kind * 5) % materials.size();
    doc.Items[i].Name = std::string(materials[material]) + " " + std::string(kinds[kind]);
    // Every kind has its symbol; a few items carry the "no symbol" byte instead.
    doc.Items[i].Symbol = i % 23 == 0 ? 0xFF : static_cast<uint8_t>(32 + kind);
    const size_t tier = (n / kinds.size()) % 3;
    // The game keeps item i's description one place further on.
    doc.ItemInfos[i + 1] = (i % 17 == 0) ? std::string() : std::string(infos[kind * 3 + tier]);
  }
  doc.ItemInfos[1] = "Note 0: unused.";
  for (int i = kItemCount + 2; i <= kItemInfoCount; ++i) {
    doc.ItemInfos[i] = "Note " + std::to_string(i - kItemCount - 1) + ": unused.";
  }

  const auto traits = CreatureTraits();
  const auto creatures = Creatures();
  for (int e = 0; e < kEnemyCount; ++e) {
    const size_t n = static_cast<size_t>(e);
    doc.GegnerNamen[e] = std::string(traits[n % traits.size()]) + " " +
                         std::string(creatures[(n / traits.size() + n) % creatures.size()]);
  }

  const auto elements = Elements();
  const auto moves = Moves();
  const auto effects = TechniqueEffects();
  for (int t = 0; t < kTechCount; ++t) {
    const size_t n = static_cast<size_t>(t);
    if (t % 2 == 0) {
      const size_t level = n / 2 / elements.size();
      doc.TechNamen[t] =
          "*" + std::string(elements[(n / 2) % elements.size()]) + (level > 0 ? std::to_string(level + 1) : "");
    } else {
      const size_t level = n / 2 / moves.size();
      doc.TechNamen[t] =
          std::string(moves[(n / 2) % moves.size()]) + (level > 0 ? " " + std::to_string(level + 1) : "");
    }
  }
  for (int t = 0; t < kTechInfoCount; ++t) {
    const size_t n = static_cast<size_t>(t);
    doc.TechBeschreibungen[t] =
        std::string(effects[n % effects.size()]) + " " + std::to_string(2 + n % 9) + " MP.";
  }
}

// The codes the demo table file names: letters, digits, punctuation, the space and the dots.
bool InDemoTable(int code) { return (code >= 0xA0 && code <= 0xED) || code == 0xEF || code == 0xF1; }

}  // namespace

int32_t DemoBankBudget(const BankRecord& bank) {
  const int32_t room = bank.DataEnd - bank.DataStart + 1;
  return room / bank.TextCount < kRoomyText ? room : room + 2 * room / 5;
}

std::string DemoTableFile() {
  std::string file;
  for (int code = 0; code < kCodes; ++code) {
    if (!InDemoTable(code)) continue;
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X", code);
    file += std::string(hex) + "=" + BuiltInText(static_cast<uint8_t>(code)) + "\r\n";
  }
  return file;
}

void FillDemoDocument(Document& doc) {
  for (int column = 1; column <= 2; ++column) doc.Tabelle[column].fill(std::string());
  PutBuiltInCodes(doc);
  for (int code = 0; code < kCodes; ++code)
    if (InDemoTable(code)) doc.Tabelle[2][code] = BuiltInText(static_cast<uint8_t>(code));
  FillDialogue(doc);
  FillNames(doc);
}

}  // namespace orvane::demo
