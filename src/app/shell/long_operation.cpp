#include "shell/long_operation.h"

#include <QAction>
#include <QProgressBar>
#include <QPushButton>

#include "widgets/qt_progress_sink.h"

namespace orvane::shell {

namespace {

// Passes every report on, and says when the first one comes: that is when the operation has its
// file and starts working, so the window locks then.
class StartReportingSink : public ProgressSink {
 public:
  StartReportingSink(ProgressSink& inner, std::function<void()> onStart)
      : inner_(inner), onStart_(std::move(onStart)) {}
  bool started() const { return started_; }

  bool progress(int32_t done, int32_t total) override {
    start();
    return inner_.progress(done, total);
  }
  bool keepGoing() override {
    start();
    return inner_.keepGoing();
  }
  void caption(const std::string& text) override {
    start();
    inner_.caption(text);
  }

 private:
  void start() {
    if (started_) return;
    started_ = true;
    onStart_();
  }

  ProgressSink& inner_;
  std::function<void()> onStart_;
  bool started_ = false;
};

}  // namespace

LongOperation::LongOperation(Widgets widgets, std::function<QString()> title,
                             std::function<void(const QString&)> setCaption, QObject* parent)
    : QObject(parent), w_(std::move(widgets)), title_(std::move(title)), setCaption_(std::move(setCaption)) {
  connect(w_.cancel, &QPushButton::clicked, this, [this] { running_ = false; });
}

bool LongOperation::run(bool romSave, const std::function<void(ProgressSink&)>& work) {
  const auto keepRunning = romSave ? std::function<bool()>([this] { return running_; }) : [] { return true; };
  QtProgressSink bar(title_(), LetzterProzentwert_, w_.bar, keepRunning, setCaption_);
  StartReportingSink sink(bar, [this, romSave] {
    lock(true, romSave);
    w_.bar->show();
    running_ = romSave;
  });
  work(sink);
  if (sink.started()) lock(false, romSave);
  running_ = false;
  w_.bar->setValue(0);
  w_.bar->hide();
  setCaption_(title_());
  return sink.started();
}

void LongOperation::lock(bool locked, bool romSave) {
  const size_t menus = w_.menus.size();
  if (locked) {
    enabledBefore_.clear();
    for (QAction* menu : w_.menus) enabledBefore_.push_back(menu->isEnabled());
    for (QWidget* button : w_.buttons) enabledBefore_.push_back(button->isEnabled());
  }
  for (size_t i = 0; i < menus; ++i) w_.menus[i]->setEnabled(!locked && (romSave || enabledBefore_[i]));
  for (size_t i = 0; i < w_.buttons.size(); ++i)
    w_.buttons[i]->setEnabled(!locked && (romSave || enabledBefore_[menus + i]));
  w_.cancel->setVisible(locked && romSave);
  emit lockedChanged(locked);
}

}  // namespace orvane::shell
