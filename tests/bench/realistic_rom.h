#pragma once
// The workload of the benchmarks: a full-size fixture ROM filled the way a game image is: a dictionary
// of 127 short entries within its budget, every dialogue bank filled to about its capacity with
// sentences that use letters, names, line and window codes and dictionary codes, and every name
// table filled.

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "support/rom_fixture.h"

namespace orvane::testing {

inline RomFixture RealisticRom(uint32_t seed = 1) {
  std::mt19937 random(seed);
  std::vector<std::string> words;
  std::istringstream list(
      "the a you to of and is it we must go north castle sword King village Thank What Hello there never "
      "forget this day magic power old tower sea ship find crystal hurry please help me gold");
  for (std::string word; list >> word;) words.push_back(word);
  // A capitalised word of at most `length` letters.
  const auto name = [&](size_t length) {
    Bytes name = Codes(words[random() % words.size()].substr(0, length));
    name[0] -= name[0] >= 0xBA ? 0x1A : 0;
    return name;
  };
  // About `length` codes of dialogue: words, character names and dictionary codes, with spaces,
  // commas, and full stops followed by a line or (every fourth) a window code.
  const auto sentence = [&](size_t length) {
    Bytes out;
    for (int lines = 0; out.size() + 12 < length;) {
      const uint32_t pick = random() % 20, after = random() % 10;
      if (pick < 3)
        out.push_back(static_cast<uint8_t>(kDictionaryFirst + random() % kDictionaryEntries));
      else if (pick == 3)
        out.push_back(static_cast<uint8_t>(0x13 + random() % 7));
      else
        for (uint8_t b : Codes(words[random() % words.size()])) out.push_back(b);
      if (after == 1) out.push_back(0xE9);
      if (after == 0)
        out.insert(out.end(), {0xE8, ++lines % 4 == 0 ? kCodeWindow : kCodeLine});
      else
        out.push_back(kCodeSpace);
    }
    out.push_back(0xDE);  // "!"
    return out;
  };
  RomFixture f;
  // 127 entries of 1..3 letters: 127 length bytes + at most 381 codes fit into 512 bytes.
  for (int c = kDictionaryFirst; c <= kDictionaryLast; ++c)
    f.SetDictionaryEntry(static_cast<uint8_t>(c), Codes(words[random() % words.size()].substr(0, 1 + random() % 3)));
  for (int b = 1; b <= kBankCount; ++b) {
    const BankPlace& p = kBankPlaces[static_cast<size_t>(b - 1)];
    for (int t = 1; t <= p.textCount; ++t)
      f.SetText(b, t, sentence(static_cast<size_t>((p.dataEnd - p.dataStart) / p.textCount) - 1));
  }
  for (int i = 1; i <= kSaveTitleCount; ++i) f.SetTitle(i, name(10));
  for (int i = 1; i <= kLocationCount; ++i) f.SetLocation(i, name(6));
  for (int i = 1; i <= kItemCount; ++i) f.SetItem(i, static_cast<uint8_t>(random() % 0x20), name(10));
  for (int i = 0; i < kEnemyCount; ++i) f.SetEnemy(i, name(11));
  for (int i = 0; i < kTechCount; ++i) f.SetTech(i, name(11));
  for (int i = 0; i < kTechInfoCount; ++i) f.SetTechInfo(i, sentence(60));
  // Every third item shares an earlier description, as many items of a kind do.
  for (int i = 1; i <= kItemInfoCount; ++i)
    i % 3 ? f.SetItemInfo(i, name(8)) : f.ShareItemInfo(i, 1 + static_cast<int>(random() % (i - 1)));
  return f;
}

}  // namespace orvane::testing
