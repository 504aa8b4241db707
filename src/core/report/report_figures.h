#pragma once
// The figures of the progress report: how far each bank's translation is, how full each ROM area
// would be with the project's dictionary, how many names were translated, and what problems are
// left. Taken from the same counts as the progress list and the fit measure, so every view agrees.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "check/fit.h"
#include "check/problems.h"
#include "document.h"
#include "progress/translation_progress.h"
#include "text_places.h"

namespace orvane {

struct BankFigures {
  int32_t bank = 0;
  StatusCounts statuses;
  AreaFit room;  // bytes the bank's texts take against the bank's room
};

struct NameListFigures {
  std::string name;   // "Items", "Enemies" ...
  int32_t names = 0;
  int32_t renamed = 0;  // names that differ from the ROM's
};

struct ProblemCount {
  ProblemKind kind;
  int32_t count = 0;
};

struct ReportFigures {
  std::vector<BankFigures> banks;  // 1..21
  StatusCounts total;
  AreaFit dictionaryRoom;
  int32_t dictionaryEntries = 0;  // entries that hold a sequence, of kDictionaryEntries
  std::vector<AreaFit> nameAreas;  // save titles, locations, item infos
  std::vector<NameListFigures> nameLists;
  std::vector<ProblemCount> problems;  // every kind but spelling, in the problems list's order
};

ReportFigures MeasureReport(const Document& doc);

}  // namespace orvane
