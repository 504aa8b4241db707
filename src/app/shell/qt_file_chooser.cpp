#include "shell/qt_file_chooser.h"

#include <QDir>
#include <QFileDialog>

#include "shell/cp1252.h"

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

std::optional<std::string> QtFileChooser::choose(const FileRequest& request) {
  const QString title = ToQt(request.title);
  const QString filter = QtFilterFrom(request.filter);
  const QString start = request.fileName.empty() ? QDir::currentPath() : ToQt(request.fileName);
  const QString path = request.save ? QFileDialog::getSaveFileName(parent_, title, start, filter)
                                    : QFileDialog::getOpenFileName(parent_, title, start, filter);
  if (path.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(path).toStdString();
}

}  // namespace orvane::shell
