#include "rom/code_table.h"

#include "common/text_helpers.h"
#include "layout.h"

namespace orvane {

namespace {

CodeTable MakeBuiltIn() {
  CodeTable t{};
  t[kCodeLine] = "[L_]";
  t[kCodeLineIndent] = "[LS]";
  t[kCodeWindow] = "[W_]";
  t[kCodeWindowIndent] = "[WS]";
  t[0x13] = "Kael";
  t[0x14] = "Lirae";
  t[0x15] = "Pell";
  t[0x16] = "Tock";
  t[0x17] = "Wend";
  t[0x18] = "Zuri";
  t[0x19] = "Orrin";
  t[0x1B] = "Clone";
  t[0x20] = "Skiff";
  for (int i = 0; i < 26; ++i) {
    t[0xA0 + i] = std::string(1, static_cast<char>('A' + i));
    t[0xBA + i] = std::string(1, static_cast<char>('a' + i));
  }
  for (int i = 0; i < 10; ++i) t[0xD4 + i] = std::string(1, static_cast<char>('0' + i));
  const char* punctuation = "!?/`\":&()'.,=-+%";  // 0xDE..0xED
  for (int i = 0; punctuation[i] != 0; ++i) t[0xDE + i] = std::string(1, punctuation[i]);
  t[0xEF] = " ";
  t[0xF1] = "...";
  return t;
}

}  // namespace

const std::string& BuiltInText(uint8_t code) {
  static const CodeTable table = MakeBuiltIn();
  return table[code];
}

void PutBuiltInCodes(Document& doc) {
  for (int c = 0; c < kCodes; ++c) {
    const std::string& text = BuiltInText(static_cast<uint8_t>(c));
    if (!text.empty()) doc.Tabelle[1][c] = text;
  }
  for (uint8_t c : {kCodeLine, kCodeLineIndent, kCodeWindow, kCodeWindowIndent})
    doc.Tabelle[2][c] = BuiltInText(c);
}

void TabelleErgaenzen(Document& doc) {
  for (int c = 0; c <= 0xFE; ++c)
    if (doc.Tabelle[1][c].empty()) doc.Tabelle[1][c] = HexEscape(static_cast<uint8_t>(c));
}

}  // namespace orvane
