#include "report/report_figures.h"

#include <algorithm>

namespace orvane {

namespace {

struct NameListShape {
  TextList list;
  const char* name;
};

constexpr NameListShape kNameLists[] = {
    {TextList::SaveTitles, "Save titles"}, {TextList::Locations, "Locations"},
    {TextList::ItemNames, "Items"},        {TextList::ItemInfos, "Item descriptions"},
    {TextList::Enemies, "Enemies"},        {TextList::TechNames, "Techniques"},
    {TextList::TechInfos, "Technique descriptions"},
};

// Spelling needs an installed dictionary and a language; the report counts what the project alone decides.
constexpr ProblemKind kCountedKinds[] = {ProblemKind::Character, ProblemKind::Escape,   ProblemKind::Lines,
                                         ProblemKind::TooLong,   ProblemKind::Overflow, ProblemKind::Dictionary,
                                         ProblemKind::ReadBack,  ProblemKind::OldName};

std::vector<NameListFigures> MeasureNameLists(const Document& doc) {
  std::vector<NameListFigures> lists;
  for (const NameListShape& shape : kNameLists) lists.push_back({shape.name, 0, 0});
  for (const TextPlace& place : NamePlaces()) {
    NameListFigures& figures = lists[static_cast<size_t>(place.list) - static_cast<size_t>(TextList::SaveTitles)];
    ++figures.names;
    if (WorkingText(doc, place) != NameOriginal(doc, place)) ++figures.renamed;
  }
  return lists;
}

std::vector<ProblemCount> CountProblems(const Document& doc) {
  std::vector<ProblemRow> rows = FindProblems(doc);
  AddAdvice(doc, nullptr, rows);
  std::vector<ProblemCount> counts;
  for (const ProblemKind kind : kCountedKinds) {
    const auto ofKind = [kind](const ProblemRow& row) { return row.kind == kind; };
    counts.push_back({kind, static_cast<int32_t>(std::count_if(rows.begin(), rows.end(), ofKind))});
  }
  return counts;
}

}  // namespace

ReportFigures MeasureReport(const Document& doc) {
  const FitReport fit = MeasureFit(doc);
  ReportFigures figures;
  for (int32_t bank = 1; bank <= kBankCount; ++bank)
    figures.banks.push_back({bank, CountStatuses(doc, bank), fit.banks[static_cast<size_t>(bank - 1)]});
  figures.total = CountStatuses(doc, 0);
  figures.dictionaryRoom = fit.dictionary;
  figures.dictionaryEntries = static_cast<int32_t>(
      std::count_if(doc.Tabelle[1].begin() + kDictionaryFirst, doc.Tabelle[1].begin() + kDictionaryLast + 1,
                    [](const std::string& entry) { return !entry.empty(); }));
  figures.nameAreas = fit.nameAreas;
  figures.nameLists = MeasureNameLists(doc);
  figures.problems = CountProblems(doc);
  return figures;
}

}  // namespace orvane
