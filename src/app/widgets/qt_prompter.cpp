#include "widgets/qt_prompter.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "widgets/qt_cp1252.h"

namespace orvane::shell {

namespace {

QMessageBox::Icon ToQtIcon(Icon icon) {
  switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Stop: return QMessageBox::Critical;
    case Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ToQtButton(Answer answer) {
  switch (answer) {
    case Answer::Ok: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

}  // namespace

Answer QtPrompter::ask(const Message& message) {
  QMessageBox box(parent_);
  box.setWindowTitle(ToQt(message.title));
  box.setText(ToQt(message.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  // Where it happened ("line 12 of the project file") stands under the message itself.
  if (!message.place.empty()) box.setInformativeText(ToQt(message.place));
  box.setIcon(ToQtIcon(message.icon));
  switch (message.buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  const auto rename = [&box](QMessageBox::StandardButton which, const std::string& caption) {
    if (QAbstractButton* button = box.button(which); button && !caption.empty()) button->setText(ToQt(caption));
  };
  rename(QMessageBox::Yes, message.yesCaption);
  rename(QMessageBox::No, message.noCaption);
  rename(QMessageBox::Cancel, message.cancelCaption);
  box.setDefaultButton(ToQtButton(message.defaultAnswer));
  // Every message box blocks the whole application, also the modal window that asked (a box modal
  // to the main window only would leave a child window such as the dictionary window usable under
  // its own closing question). Qt has nothing stronger for a system-modal box.
  box.setWindowModality(Qt::ApplicationModal);
  switch (box.exec()) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default:  // closed with Escape or the close box: the "no" of its buttons
      return message.buttons == Buttons::YesNo ? Answer::No
             : message.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
  }
}

}  // namespace orvane::shell
