#include "widgets/qt_progress_sink.h"

#include <QCoreApplication>
#include <QProgressBar>

#include "widgets/qt_cp1252.h"

namespace orvane::shell {

QtProgressSink::QtProgressSink(Document& doc, QProgressBar* bar, std::function<bool()> keepRunning,
                               std::function<void(const QString&)> setCaption)
    : doc_(doc), bar_(bar), keepRunning_(std::move(keepRunning)), setCaption_(std::move(setCaption)) {}

bool QtProgressSink::progress(int32_t done, int32_t total) {
  if (bar_->maximum() != 100) bar_->setMaximum(100);
  if (bar_->minimum() != 0) bar_->setMinimum(0);
  const int32_t percent = ProzentWert(done, total);
  // One remembered value for every bar, as the percentage is shared by all long operations.
  if (percent != doc_.LetzterProzentwert) {
    bar_->setValue(percent);
    doc_.LetzterProzentwert = percent;
  }
  return keepGoing();
}

bool QtProgressSink::keepGoing() {
  QCoreApplication::processEvents();
  return keepRunning_();
}

void QtProgressSink::caption(const std::string& text) {
  setCaption_(text.empty() ? ToQt(doc_.Fenstertitel) : ToQt(text));
}

}  // namespace orvane::shell
