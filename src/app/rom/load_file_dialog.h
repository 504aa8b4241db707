#pragma once
// LoadFile: the window in which the user picks the ROM image and how to read it, from the folder
// lists or by a path typed or pasted into its field.

#include <QDialog>
#include <QString>

#include <optional>

#include "workspace.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace orvane::rom {

class LoadFileDialog : public QDialog {
  Q_OBJECT
 public:
  // Opens in `startFolder` (the working directory).
  explicit LoadFileDialog(const QString& startFolder, QWidget* parent = nullptr);

  // Shows the window modally; nothing when it was closed without "Load File".
  static std::optional<RomChoice> Choose(const QString& startFolder, QWidget* parent);
  const std::optional<RomChoice>& choice() const { return choice_; }

  QString folder() const { return folder_; }
  void openFolder(const QString& path);

 private:
  void fillDirectories();
  void fillFiles();
  void updateLoadButton();
  void confirm();
  void confirmTyped(QString typed);
  void choose(const QString& path);

  std::optional<RomChoice> choice_;
  QString folder_;
  QComboBox* drive_;
  QListWidget* dirList_;
  QListWidget* fileList_;
  QRadioButton* option0_;
  QRadioButton* option1_;
  QPushButton* command1_;
  QLineEdit* path_;
  QLabel* pathProblem_;
};

}  // namespace orvane::rom
