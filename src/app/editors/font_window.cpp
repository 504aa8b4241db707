#include "editors/font_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "widgets/twips.h"

namespace orvane::editors {

using shell::PxRect;

FontWindow::FontWindow(QTextEdit* editorPane, QTextEdit* romPane, QWidget* parent)
    : QDialog(parent), editorPane_(editorPane), romPane_(romPane) {
  setObjectName(QStringLiteral("Schriftart"));
  setWindowTitle(QStringLiteral("Change Font"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(true);
  setFixedSize(shell::Px(4200), shell::Px(1200));

  schriftname_ = new QLineEdit(editorPane_->font().family(), this);
  schriftname_->setObjectName(QStringLiteral("schriftname"));
  schriftname_->setGeometry(PxRect(120, 120, 3960, 375));

  auto* apply = new QPushButton(QStringLiteral("Apply"), this);
  apply->setObjectName(QStringLiteral("schriftspeichern"));
  apply->setGeometry(PxRect(2760, 600, 1320, 375));
  apply->setDefault(true);
  connect(apply, &QPushButton::clicked, this, &FontWindow::apply);
}

void FontWindow::apply() {
  for (QTextEdit* pane : {editorPane_, romPane_}) {
    QFont font = pane->font();
    font.setFamily(schriftname_->text());
    pane->setFont(font);
  }
  close();
}

}  // namespace orvane::editors
