#pragma once
// A plain model of project files, for the tests and the fuzz target: every line of a document's file in
// file order, and what a load of any file must show and leave.

#include <algorithm>
#include <optional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "document.h"
#include "project/project_file.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane::testing {

using Lines = std::vector<std::string>;

// Calls `line` for every line of a project file of `doc` in file order: the fixed lines as text,
// the values as references, item symbols as uint8_t.
template <typename Doc, typename Line>
inline void ForEachLine(Doc& doc, Line line) {
  const auto all = [&line](auto& list, size_t first) { for (size_t i = first; i < list.size(); ++i) line(list[i]); };
  line("[Orvane Texteditor V 1.00]"), line(""), line("[TABELS]");
  for (int c = 1; c < kCodes; ++c) line(doc.Tabelle[1][c]), line(doc.Tabelle[2][c]);
  line("[TEXTBLOCKS]");
  for (int b = 1; b <= kBankCount; ++b)
    for (int t = 1; t <= doc.BankInfo[b].TextCount; ++t) line(doc.Texte[b][t].Aktuell), line(doc.Texte[b][t].Original);
  line("[SAVETITLES]"), all(doc.SpeicherNamen, 1), line("[LOCATIONS]"), all(doc.StadtNamen, 1), line("[ITEMS]");
  for (int i = 1; i <= kItemCount; ++i) line(doc.Items[i].Name), line(doc.Items[i].Symbol);
  line("[ITEMINFO]"), all(doc.ItemInfos, 0), line("[ENEMYS]"), all(doc.GegnerNamen, 0), line("[MAGIC]");
  all(doc.TechNamen, 0), all(doc.TechBeschreibungen, 0);
}

// A value as its line: a text as it is, an item symbol as its number between blanks.
inline std::string AsLine(const std::string& text) { return text; }
inline std::string AsLine(uint8_t symbol) { return " " + std::to_string(symbol) + " "; }

// The file's lines, written out plainly.
inline Lines ProjectLines(const Document& doc) {
  Lines lines;
  ForEachLine(doc, [&lines](const auto& v) { lines.push_back(AsLine(v)); });
  return lines;
}

inline std::string Question(int number, const std::string& description) {
  const std::string title = "Error Nr. " + std::to_string(number);
  return Shown(MakeMessage(title, description + "\r\nContinue program?", Icon::None, Buttons::YesNo)) + "\n";
}

// What a load of `file` (nothing: no file) must do to a document whose lines were `lines`, each
// question answered with `answer`. Lines end at LF, a CR before it (or at the end) is part of the
// line end; they are read in order; the first missing one is asked about once (Yes reads nothing); the first
// and the section header lines must be exactly there; a symbol is a number 0..255, blanks around.
struct Expectation { ProjectOutcome outcome; std::string shown; Lines lines; };
inline Expectation Expect(const Lines& full, Lines lines, const std::optional<std::string>& bytes, Answer answer) {
  std::string shown;
  bool pastEnd = false;
  const auto ask = [&](int number, const char* what) { return shown += Question(number, what), answer == Answer::Yes; };
  if (!bytes && !ask(53, "File not found")) return {ProjectOutcome::Stopped, shown, lines};
  Lines file;
  for (size_t start = 0, end; bytes && start < bytes->size(); start = end + 1)
    end = std::min(bytes->find('\n', start), bytes->size()),
    file.push_back(bytes->substr(start, end - start - (end > start && (*bytes)[end - 1] == '\r')));
  std::fill(lines.begin() + 3, lines.begin() + 513, "");  // the table is emptied first
  const size_t items = std::find(full.begin(), full.end(), "[ITEMS]") - full.begin();
  for (size_t n = 0; n < full.size(); ++n) {
    const bool present = n < file.size(), header = n == 0 || (n > 2 && full[n][0] == '[');
    const bool symbol = n > items && n <= items + 2 * kItemCount && (n - items) % 2 == 0;
    if (!present && !std::exchange(pastEnd, true) && !ask(62, "Input past end of file"))
      return {ProjectOutcome::Stopped, shown, lines};
    if (header && (!present || file[n] != full[n])) {
      const char* refusal = n ? "Corrupt File detected!\r\nSorry, couldn't load Project File!"
                              : "Wrong fileversion detected!";
      shown += Shown(MakeMessage("Error!", refusal, Icon::Stop, Buttons::Ok, true)) + "\n";
      return {n ? ProjectOutcome::Corrupt : ProjectOutcome::WrongVersion, shown, lines};
    }
    static const std::regex kNumber("[ \t]*[0-9]{1,9}[ \t]*");
    const bool number = present && symbol && std::regex_match(file[n], kNumber) && std::stoi(file[n]) < 256;
    if (present && symbol && !number && !ask(13, "Type mismatch")) return {ProjectOutcome::Stopped, shown, lines};
    if (present && !header && n > 2 && (!symbol || number))
      lines[n] = number ? AsLine(static_cast<uint8_t>(std::stoi(file[n]))) : file[n];
    for (size_t code = 1; n == 512 && code < 0xFF; ++code)  // then completed with escapes
      if (lines[1 + 2 * code].empty()) lines[1 + 2 * code] = Escape(static_cast<int>(code));
  }
  return {ProjectOutcome::Done, shown, lines};
}

}  // namespace orvane::testing
