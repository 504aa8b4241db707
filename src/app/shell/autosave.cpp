#include "shell/autosave.h"

#include <QDateTime>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

#include "common/run_error.h"

namespace orvane::shell {

Autosave::Autosave(const Document& doc, const Workspace& workspace, QObject* parent)
    : Autosave(doc, workspace, configuredInterval(), parent) {}

Autosave::Autosave(const Document& doc, const Workspace& workspace, std::chrono::milliseconds interval,
                   QObject* parent)
    : QObject(parent), doc_(doc), workspace_(workspace) {
  timer_.setSingleShot(true);
  timer_.setInterval(interval);
  connect(&timer_, &QTimer::timeout, this, &Autosave::write);
  writer_.setMaxThreadCount(1);
}

Autosave::~Autosave() { writer_.waitForDone(); }

QString Autosave::folder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

std::chrono::milliseconds Autosave::configuredInterval() {
  const qlonglong asked = QSettings().value(kIntervalKey, qlonglong(kLongestInterval.count())).toLongLong();
  return std::chrono::milliseconds(std::clamp<qlonglong>(asked, 1, kLongestInterval.count()));
}

void Autosave::changed() {
  if (!timer_.isActive()) timer_.start();
}

void Autosave::write() {
  const std::string& original = workspace_.projectPath;
  // A project saved under a new name since the last copy gets a copy of its new name.
  const std::string file = copy_ && copy_->originalPath == original ? copy_->projectFile
                                                                    : FreeRecoveryFile(folder().toStdString(), original);
  std::optional<Document> typed;
  if (unsavedEdits_) unsavedEdits_(typed.emplace(doc_));
  auto files = std::make_shared<const RecoveryFiles>(
      PrepareRecoveryCopy(typed ? *typed : doc_, file, original, QDateTime::currentSecsSinceEpoch()));
  std::optional<RecoveryCopy> replaced;
  if (copy_ && copy_->projectFile != file) replaced = copy_;
  copy_ = files->copy;
  queue([this, files, replaced] {
    QString problem;
    try {
      WriteRecoveryFiles(*files);
      if (replaced) RemoveRecoveryCopy(*replaced);
    } catch (const RunError& error) {
      problem = QString::fromStdString(error.description());
    }
    const QString written = QString::fromStdString(files->copy.projectFile);
    QMetaObject::invokeMethod(
        this, [this, problem, written] { problem.isEmpty() ? emit this->written(written) : emit failed(problem); },
        Qt::QueuedConnection);
  });
}

void Autosave::drop() {
  timer_.stop();
  if (copy_) queue([copy = *copy_] { RemoveRecoveryCopy(copy); });
  copy_.reset();
}

}  // namespace orvane::shell
