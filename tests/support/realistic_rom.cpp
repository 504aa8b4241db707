#include "support/realistic_rom.h"

#include <random>
#include <string>
#include <vector>

#include "document.h"
#include "rom/layout.h"

namespace orvane::testing {

namespace {

const std::vector<std::string> kWords{
    "the", "a", "you", "to", "of", "and", "is", "it", "we", "must", "go", "north", "castle", "sword",
    "King", "village", "Thank", "What", "Hello", "there", "never", "forget", "this", "day", "magic",
    "power", "old", "tower", "sea", "ship", "find", "crystal", "hurry", "please", "help", "me", "gold"};

// A sentence of about `length` codes: words, names, dictionary codes, commas, and full stops with a
// line or (every fourth) a window code after them.
Bytes Sentence(std::mt19937& random, size_t length) {
  Bytes out;
  for (int lines = 0; out.size() + 12 < length;) {
    const uint32_t pick = random() % 20;
    if (pick < 3) out.push_back(static_cast<uint8_t>(kDictionaryFirst + random() % kDictionaryEntries));
    else if (pick == 3) out.push_back(static_cast<uint8_t>(0x13 + random() % 7));  // a character name
    else for (uint8_t b : Codes(kWords[random() % kWords.size()])) out.push_back(b);
    const uint32_t after = random() % 10;
    if (after == 0) out.insert(out.end(), {0xE8, ++lines % 4 == 0 ? kCodeWindow : kCodeLine});
    else if (after == 1) out.insert(out.end(), {0xE9, kCodeSpace});
    else out.push_back(kCodeSpace);
  }
  out.push_back(0xDE);  // "!"
  return out;
}

// A word with a capital first letter, cut to `maxLength`.
Bytes Name(std::mt19937& random, size_t maxLength) {
  Bytes name = Codes(kWords[random() % kWords.size()]);
  if (name[0] >= 0xBA) name[0] -= 0x1A;
  if (name.size() > maxLength) name.resize(maxLength);
  return name;
}

}  // namespace

RomFixture RealisticRom(uint32_t seed) {
  std::mt19937 random(seed);
  RomFixture f;
  // 127 entries of 1..3 letters: 127 length bytes + at most 381 codes fit into 512 bytes.
  for (int c = kDictionaryFirst; c <= kDictionaryLast; ++c)
    f.SetDictionaryEntry(static_cast<uint8_t>(c), Codes(kWords[random() % kWords.size()].substr(0, 1 + random() % 3)));
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
  // Every third item shares an earlier description, as many items of a kind do.
  for (int i = 1; i <= kItemInfoCount; ++i) {
    if (i % 3 == 0) f.ShareItemInfo(i, 1 + static_cast<int>(random() % (i - 1)));
    else f.SetItemInfo(i, Name(random, 8));
  }
  return f;
}

}  // namespace orvane::testing
