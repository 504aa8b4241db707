#include "rom/game_check.h"

#include <cstdio>

#include "document.h"
#include "rom/code_table.h"
#include "layout.h"

namespace orvane {

namespace {

constexpr const char* kQuestionStart = "This image does not look like the game's ROM (";

std::string Hex(int32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(value));
  return text;
}

// A bank that a save gave up (not enough space) keeps the pointer of the text that did not fit,
// which may lead to the byte just behind the area: that byte counts as inside.
std::string BankProblem(const RomImage& rom, int bank) {
  const BankPlace& place = kBankPlaces[bank - 1];
  for (int32_t text = 1; text <= place.textCount; ++text) {
    const int32_t target = rom.LeseZeiger(place.pointerTable + 2 * (text - 1));
    if (target < place.dataStart || target > place.dataEnd + 1)
      return "the pointer of text " + std::to_string(text) + " in bank " + std::to_string(bank) + " leads to " +
             Hex(target, 6) + ", outside the bank's text area " + Hex(place.dataStart, 6) + ".." +
             Hex(place.dataEnd, 6);
  }
  return {};
}

std::string DictionaryProblem(const RomImage& rom) {
  for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code) {
    const int32_t entry = rom.LeseZeiger(kDictionaryPointers + 2 * (code - kDictionaryFirst));
    const int32_t length = rom.LeseByte(entry);
    for (int32_t k = 1; k <= length; ++k) {
      const uint8_t piece = rom.LeseByte(entry + k);
      if (BuiltInText(piece).empty())
        return "dictionary entry " + Hex(code, 2) + " holds the code " + Hex(piece, 2) +
               ", which is no character of the table";
    }
  }
  return {};
}

}  // namespace

std::string GameImageProblem(const RomImage& rom) {
  for (int bank = 1; bank <= kBankCount; ++bank)
    if (std::string problem = BankProblem(rom, bank); !problem.empty()) return problem;
  return DictionaryProblem(rom);
}

Message ForeignImageQuestion(const std::string& problem, const std::string& ending) {
  Message question = MakeMessage("Unknown Rom", kQuestionStart + problem + "). " + ending, Icon::Exclamation,
                                 Buttons::YesNo);
  question.defaultAnswer = Answer::No;
  return question;
}

bool IsForeignImageQuestion(const Message& message) {
  return message.buttons == Buttons::YesNo && message.text.starts_with(kQuestionStart);
}

}  // namespace orvane
