#include "shell/recovery_offer.h"

#include <QDateTime>
#include <QLocale>

#include "common/program_title.h"

namespace orvane::shell {

namespace {

Message Question(const RecoveryCopy& copy) {
  const QString when = QLocale().toString(QDateTime::fromSecsSinceEpoch(copy.writtenAt), QLocale::ShortFormat);
  const std::string project = copy.originalPath.empty() ? "Untitled" : copy.originalPath;
  Message question = MakeMessage(kProgramName,
                                 "Recover unsaved work from " + when.toStdString() + "?" + kCrLf + "Project: " + project,
                                 Icon::Information, Buttons::YesNoCancel);
  // Recovering loses nothing; closing the box keeps the copy for later.
  question.defaultAnswer = Answer::Yes;
  question.answerWords = {"Recover", "Discard", "Later"};
  return question;
}

}  // namespace

RecoveryResult OfferRecovery(const QString& folder, Document& doc, Workspace& workspace, Prompter& prompter) {
  const std::optional<RecoveryCopy> copy = FindRecoveryCopy(folder.toStdString());
  if (!copy) return {};
  switch (prompter.ask(Question(*copy))) {
    case Answer::Yes:
      if (!LoadRecoveryCopy(doc, *copy, prompter)) return {RecoveryChoice::Unreadable, *copy};
      workspace.projectPath = copy->originalPath;
      workspace.Geaendert = true;
      return {RecoveryChoice::Recovered, *copy};
    case Answer::No:
      RemoveRecoveryCopy(*copy);
      return {RecoveryChoice::Discarded, *copy};
    case Answer::Ok:
    case Answer::Cancel: break;
  }
  return {RecoveryChoice::Later, *copy};
}

}  // namespace orvane::shell
