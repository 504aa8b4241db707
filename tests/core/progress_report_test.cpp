// The progress report: its figures are the counts the progress list, the fit measure and the problems
// list give, and its page carries them without needing anything beyond itself.
#include <gtest/gtest.h>

#include "demo/demo_rom.h"
#include "report/report_page.h"

namespace orvane {
namespace {

using enum TextStatus;

// The demo with every status used, a renamed item, a bank that overflows and texts the writer refuses.
Document Worked() {
  Document doc;
  demo::MakeDemoDocument(doc);
  StartProgress(doc);
  doc.Texte[2][1].Aktuell = "Neu.";
  ProgressOf(doc, 2, 1).status = Draft;
  ProgressOf(doc, 2, 2).status = Translated;
  ProgressOf(doc, 21, 50).status = Reviewed;
  doc.Items[5].Name = "Ash Staff";
  doc.Texte[4][1].Aktuell = "Go_";
  doc.Texte[3][2].Aktuell = "{ZZ}";
  for (int t = 1; t <= doc.BankInfo[21].TextCount; ++t) doc.Texte[21][t].Aktuell = "Zuri, hold the rope tight!";
  return doc;
}

TEST(ProgressReport, FiguresAreTheCountsOfProgressFitAndProblems) {
  const Document doc = Worked();
  const ReportFigures figures = MeasureReport(doc);
  const FitReport fit = MeasureFit(doc);
  const auto room = [](const AreaFit& a) { return std::tuple(a.name, a.used, a.capacity, a.fits); };
  ASSERT_EQ(figures.banks.size(), size_t{kBankCount});
  for (const BankFigures& bank : figures.banks)
    EXPECT_EQ(std::tuple(bank.statuses.count, room(bank.room)),
              std::tuple(CountStatuses(doc, bank.bank).count, room(fit.banks[size_t(bank.bank - 1)])))
        << bank.bank;
  EXPECT_EQ(std::tuple(figures.total.count, room(figures.dictionaryRoom), figures.dictionaryEntries),
            std::tuple(std::array<int32_t, 4>{4714, 1, 1, 1}, room(fit.dictionary), kDictionaryEntries));
  for (size_t i = 0; i < fit.nameAreas.size(); ++i) EXPECT_EQ(room(figures.nameAreas[i]), room(fit.nameAreas[i]));
  EXPECT_EQ(room(figures.banks[20].room), std::tuple("bank 21", figures.banks[20].room.used, int64_t{255}, false));

  std::vector<std::tuple<std::string, int32_t, int32_t>> lists;
  for (const NameListFigures& list : figures.nameLists) lists.emplace_back(list.name, list.renamed, list.names);
  EXPECT_EQ(lists, (decltype(lists){{"Save titles", 0, 27}, {"Locations", 0, 111}, {"Items", 1, 231},
                                    {"Item descriptions", 0, 242}, {"Enemies", 0, 251}, {"Techniques", 0, 116},
                                    {"Technique descriptions", 0, 120}}));
  // Each kind counted as often as the problems list shows it.
  std::vector<ProblemRow> rows = FindProblems(doc);
  AddAdvice(doc, nullptr, rows);
  std::map<std::string, int32_t> listed, counted;
  for (const ProblemRow& row : rows) ++listed[std::string(KindName(row.kind))];
  for (const ProblemCount& problem : figures.problems)
    if (problem.count > 0) counted[std::string(KindName(problem.kind))] = problem.count;
  EXPECT_EQ(counted, listed);
  EXPECT_EQ(figures.problems.size(), size_t{8});
}

TEST(ProgressReport, PageCarriesTheFiguresAndNeedsNothingElse) {
  const ReportFigures figures = MeasureReport(Worked());
  const std::string page = ProgressReportHtml(figures, {"<Zuri & Co> Gr\xFC\xDF", "2026-12-07"});
  const auto has = [&page](const std::string& part) { return page.find(part) != std::string::npos; };
  for (const char* outside : {"<script", "http:", "https:", "src=", "url(", "@import", "<link", "<img"})
    EXPECT_FALSE(has(outside)) << outside;
  // The name escaped and in UTF-8 even when it came as an 8-bit file name.
  EXPECT_TRUE(has("<title>Progress report: &lt;Zuri &amp; Co&gt; Gr\xC3\xBC\xC3\x9F</title>"));
  EXPECT_TRUE(has("2026-12-07 &middot; 4717 dialogue texts, 0.0% done"));
  // Bank 2: 442 untranslated, one draft, one translated, of 444; bank 21 over its room.
  EXPECT_TRUE(has("<span style=\"width:99.550%;background:#aaaaaa\"></span>"
                  "<span style=\"width:0.225%;background:#e68c14\"></span>"
                  "<span style=\"width:0.225%;background:#286edc\"></span></div>"));
  EXPECT_TRUE(has("<span style=\"width:100.000%;background:#c0392b\"></span></div></td><td>" +
                  std::to_string(figures.banks[20].room.used) + " of 255 bytes &mdash; does not fit</td>"));
  EXPECT_TRUE(has("<td>dictionary (127 of 127 entries)</td>"));
}

}  // namespace
}  // namespace orvane
