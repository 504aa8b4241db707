#include "support/realistic_rom.h"

#include <random>
#include <string>
#include <vector>

#include "document.h"
#include "rom/layout.h"

namespace orvane::testing {

namespace {

const std::vector<std::string>& Words() {
  static const std::vector<std::string> words{
      "the", "a", "you", "to", "of", "and", "is", "it", "we", "must", "go", "north", "castle", "sword",
      "King", "village", "Thank", "What", "Hello", "there", "never", "forget", "this", "day", "magic",
      "power", "old", "tower", "sea", "ship", "find", "crystal", "hurry", "please", "help", "me", "gold"};
  return words;
}

// A sentence of about `length` codes: words, spaces, names, punctuation, line and window codes,
// and now and then a dictionary code in place of a word.
Bytes Sentence(std::mt19937& random, size_t length) {
  Bytes out;
  int lines = 0;
  while (out.size() + 12 < length) {
    const uint32_t pick = random() % 20;
    if (pick < 3) {
      out.push_back(static_cast<uint8_t>(kDictionaryFirst + random() % kDictionaryEntries));
    } else if (pick == 3) {
      out.push_back(static_cast<uint8_t>(0x13 + random() % 7));  // a character name
    } else {
      const Bytes word = Codes(Words()[random() % Words().size()]);
      out.insert(out.end(), word.begin(), word.end());
    }
    const uint32_t after = random() % 10;
    if (after == 0) {
      out.push_back(0xE8);  // "."
      out.push_back(++lines % 4 == 0 ? kCodeWindow : kCodeLine);
    } else if (after == 1) {
      out.push_back(0xE9);  // ","
      out.push_back(kCodeSpace);
    } else {
      out.push_back(kCodeSpace);
    }
  }
  out.push_back(0xDE);  // "!"
  return out;
}

Bytes Name(std::mt19937& random, size_t maxLength) {
  Bytes name = Codes(Words()[random() % Words().size()]);
  name[0] = static_cast<uint8_t>(name[0] >= 0xBA ? name[0] - 0x1A : name[0]);  // capital first letter
  if (name.size() > maxLength) name.resize(maxLength);
  return name;
}

}  // namespace

RomFixture RealisticRom(uint32_t seed) {
  std::mt19937 random(seed);
  RomFixture f;

  // 127 entries of 1..3 letters: 127 length bytes + at most 381 codes fit into 512 bytes.
  for (int c = kDictionaryFirst; c <= kDictionaryLast; ++c) {
    const std::string& word = Words()[random() % Words().size()];
    f.SetDictionaryEntry(static_cast<uint8_t>(c), Codes(word.substr(0, 1 + random() % 3)));
  }

  for (int b = 1; b <= kBankCount; ++b) {
    const BankPlace& p = kBankPlaces[static_cast<size_t>(b - 1)];
    // Room per text after the fixture's empty string, less the terminator.
    const size_t room = static_cast<size_t>((p.dataEnd - p.dataStart) / p.textCount) - 1;
    for (int t = 1; t <= p.textCount; ++t) f.SetText(b, t, Sentence(random, room));
  }

  for (int i = 1; i <= kSaveTitleCount; ++i) f.SetTitle(i, Name(random, 10));
  for (int i = 1; i <= kLocationCount; ++i) f.SetLocation(i, Name(random, 6));
  for (int i = 1; i <= kItemCount; ++i) f.SetItem(i, static_cast<uint8_t>(random() % 0x20), Name(random, 10));
  for (int i = 0; i < kEnemyCount; ++i) f.SetEnemy(i, Name(random, 11));
  for (int i = 0; i < kTechCount; ++i) f.SetTech(i, Name(random, 11));
  for (int i = 0; i < kTechInfoCount; ++i) f.SetTechInfo(i, Sentence(random, 60));
  for (int i = 1; i <= kItemInfoCount; ++i) {
    // Every third item shares an earlier description, as many items of a kind do.
    if (i % 3 == 0) f.ShareItemInfo(i, 1 + static_cast<int>(random() % (i - 1)));
    else f.SetItemInfo(i, Name(random, 8));
  }
  return f;
}

}  // namespace orvane::testing
