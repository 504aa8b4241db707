// The progress report as a browser shows it: headless Chromium renders a page of known figures and
// the screenshot's bars must have their colours in the widths the figures give.

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "report/report_page.h"

using namespace orvane;

namespace {

// Every bank 10/20/30/40 of a hundred texts and 600 of 1000 bytes, bank 21 over its room; the
// dictionary, the name areas and the name lists filled to 60 % too.
ReportFigures KnownFigures() {
  ReportFigures figures;
  for (int32_t bank = 1; bank <= kBankCount; ++bank) {
    const bool over = bank == kBankCount;
    figures.banks.push_back({bank, {{10, 20, 30, 40}}, {"bank", over ? 1200 : 600, 1000, !over}});
  }
  figures.total = {{210, 420, 630, 840}};
  figures.dictionaryRoom = {"dictionary", 300, 500, true};
  figures.dictionaryEntries = 100;
  figures.nameAreas = {{"save titles", 60, 100, true}, {"locations", 300, 500, true}};
  for (const char* list : {"Items", "Enemies"}) figures.nameLists.push_back({list, 10, 6});
  return figures;
}

// A bar's pixel row: how many pixels have each of its colours, in the order asked.
using Widths = std::vector<int>;

struct Bars {
  std::vector<Widths> rows;  // one per bar, its top pixel row
};

// The bars drawn in `colours`: runs of pixel rows where the first colour covers more than a swatch
// of the legend does.
Bars FindBars(const QImage& shot, const std::vector<QColor>& colours) {
  Bars bars;
  bool inBar = false;
  for (int y = 0; y < shot.height(); ++y) {
    Widths widths(colours.size(), 0);
    for (int x = 0; x < shot.width(); ++x) {
      const QRgb pixel = shot.pixel(x, y);
      for (size_t c = 0; c < colours.size(); ++c)
        if (pixel == colours[c].rgb()) ++widths[c];
    }
    const bool bar = widths[0] > 12;
    if (bar && !inBar) bars.rows.push_back(widths);
    inBar = bar;
  }
  return bars;
}

QColor Colour(const char* hex) { return QColor(QString::fromLatin1(hex)); }

}  // namespace

class ReportRenderTest : public QObject {
  Q_OBJECT
 private slots:
  void theBarsShowTheFiguresInTheirColours() {
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    QVERIFY2(!chromium.isEmpty(), "chromium is not installed (scripts/install-deps installs it)");
    QTemporaryDir work;
    const QString page = work.filePath(QStringLiteral("report.html")), shot = work.filePath(QStringLiteral("shot.png"));
    std::ofstream(page.toStdString()) << ProgressReportHtml(KnownFigures(), {"Render check", "2026-12-07"});
    // No network, no profile of the user's, no display: as a build machine runs it.
    QProcess browser;
    browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                             "--disable-background-networking", "--disable-component-update", "--disable-sync",
                             "--hide-scrollbars", "--user-data-dir=" + work.filePath(QStringLiteral("profile")),
                             "--window-size=1100,1300", "--screenshot=" + shot, "file://" + page});
    QVERIFY(browser.waitForFinished(120000));
    const QImage image = QImage(shot).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!image.isNull(), qPrintable(browser.readAllStandardError()));

    // 10 % of a 200-pixel bar is 20 pixels: every bank's bar and the total's.
    std::vector<QColor> statuses;
    for (const char* hex : kStatusColours) statuses.push_back(Colour(hex));
    QCOMPARE(FindBars(image, statuses).rows, std::vector<Widths>(kBankCount + 1, Widths{20, 40, 60, 80}));
    // The banks that fit, the dictionary, the two name areas and the two name lists.
    const Bars used = FindBars(image, {Colour(kUsedColour), Colour(kRoomColour)});
    QCOMPARE(used.rows, std::vector<Widths>(kBankCount - 1 + 1 + 2 + 2, Widths{120, 80}));
    const Bars over = FindBars(image, {Colour(kOverColour), Colour(kRoomColour)});
    QCOMPARE(over.rows, std::vector<Widths>(1, Widths{200, 0}));
  }
};

QTEST_MAIN(ReportRenderTest)
#include "report_render_test.moc"
