#include "widgets/qt_progress_sink.h"

#include <QCoreApplication>
#include <QProgressBar>

#include "widgets/qt_cp1252.h"

namespace orvane::shell {

QtProgressSink::QtProgressSink(QString restingCaption, int32_t& lastPercent, QProgressBar* bar,
                               std::function<bool()> keepRunning, std::function<void(const QString&)> setCaption)
    : restingCaption_(std::move(restingCaption)),
      LetzterProzentwert_(lastPercent),
      bar_(bar),
      keepRunning_(std::move(keepRunning)),
      setCaption_(std::move(setCaption)) {}

bool QtProgressSink::progress(int32_t done, int32_t total) {
  if (bar_->maximum() != 100) bar_->setMaximum(100);
  if (bar_->minimum() != 0) bar_->setMinimum(0);
  const int32_t percent = ProzentWert(done, total);
  if (percent != LetzterProzentwert_) {
    bar_->setValue(percent);
    LetzterProzentwert_ = percent;
  }
  return keepGoing();
}

bool QtProgressSink::keepGoing() {
  QCoreApplication::processEvents();
  return keepRunning_();
}

void QtProgressSink::caption(const std::string& text) { setCaption_(text.empty() ? restingCaption_ : ToQt(text)); }

}  // namespace orvane::shell
