#include "widgets/qt_file_chooser.h"

#include <QDir>
#include <QFileDialog>

#include "widgets/qt_cp1252.h"

namespace orvane::shell {

QString QtFilterFrom(const std::string& filter) {
  const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
  }
  if (filters.isEmpty() && !parts.isEmpty()) filters << parts.first();
  return filters.join(QStringLiteral(";;"));
}

QString DefaultSuffixFrom(const std::string& filter) {
  const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
  if (parts.size() < 2) return {};
  const QString first = parts[1].section(QLatin1Char(';'), 0, 0);
  if (!first.startsWith(QStringLiteral("*."))) return {};
  const QString suffix = first.mid(2);
  return suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?')) ? QString() : suffix;
}

std::optional<std::string> QtFileChooser::choose(const FileRequest& request) {
  QFileDialog dialog(parent_, ToQt(request.title),
                     !request.fileName.empty() ? ToQt(request.fileName)
                     : request.folder.empty() ? QDir::currentPath()
                                              : ToQt(request.folder),
                     QtFilterFrom(request.filter));
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (request.save) dialog.setDefaultSuffix(DefaultSuffixFrom(request.filter));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
}

}  // namespace orvane::shell
