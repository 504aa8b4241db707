#pragma once
// ZeigeFortschritt on a QProgressBar: the bar moves when the percentage changes, and the event loop
// runs at every call so the caption, the bar and the Cancel button stay alive.

#include <QString>
#include <functional>

#include "common/progress_sink.h"

class QProgressBar;

namespace orvane::shell {

class QtProgressSink : public ProgressSink {
 public:
  // An empty caption puts back `restingCaption`. `lastPercent` is the window's LetzterProzentwert,
  // shared by the window's long operations.
  QtProgressSink(QString restingCaption, int32_t& lastPercent, QProgressBar* bar, std::function<bool()> keepRunning,
                 std::function<void(const QString&)> setCaption);

  bool progress(int32_t done, int32_t total) override;
  bool keepGoing() override;
  void caption(const std::string& text) override;

 private:
  QString restingCaption_;
  int32_t& LetzterProzentwert_;
  QProgressBar* bar_;
  std::function<bool()> keepRunning_;
  std::function<void(const QString&)> setCaption_;
};

}  // namespace orvane::shell
