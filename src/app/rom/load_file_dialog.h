#pragma once
// LoadFile: the window in which the user picks the ROM image and how to read it.

#include <QDialog>
#include <QString>

#include "document.h"

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace orvane::rom {

class LoadFileDialog : public QDialog {
  Q_OBJECT
 public:
  // Opens in `startFolder` (the working directory).
  LoadFileDialog(Document& doc, const QString& startFolder, QWidget* parent = nullptr);

  // Shows the window modally; afterwards doc.GewaehlteDatei and doc.LadeOption hold the choice
  // (LadeOption -1 when the window was closed without "Load File").
  static void Choose(Document& doc, const QString& startFolder, QWidget* parent);

  QString folder() const { return folder_; }
  void openFolder(const QString& path);

 protected:
  void done(int result) override;

 private:
  void fillDirectories();
  void fillFiles();
  void updateLoadButton();
  void confirm();

  Document& doc_;
  QString folder_;
  QComboBox* drive_;
  QListWidget* dirList_;
  QListWidget* fileList_;
  QRadioButton* option0_;
  QRadioButton* option1_;
  QPushButton* command1_;
};

}  // namespace orvane::rom
